// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Spinner.h"
#include "common/Twips.h"

#include "Pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {
int buttonCode(Qt::MouseButton b) { return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0; }
int shiftCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
} // namespace

Spinner::Spinner(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    setFocusPolicy(Qt::StrongFocus);
    showPicture(0);
}

void Spinner::showPicture(int which)
{
    // Setting the same picture again would repaint the dialog behind it for nothing, and the
    // dialog asks for the raised picture at every repaint.
    if (which == m_picture)
        return;
    m_picture = which;
    // A dense screen gets the picture drawn pixel for pixel at its whole-number ratio, so the
    // bevels stay crisp instead of being blown up.
    const int ratio = int(std::ceil(devicePixelRatioF() - 0.01));
    if (ratio <= 1) {
        setPixmap(QPixmap(QStringLiteral(":/pictures/spin%1.bmp").arg(which)));
        return;
    }
    QPixmap dense = QPixmap::fromImage(art::drawSpinner(which, ratio));
    dense.setDevicePixelRatio(ratio);
    setPixmap(dense);
}

// A quick second click arrives as a double click, which QWidget hands on as a press, so fast
// clicking steps once per click.
void Spinner::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position() * layout::TwipsPerPixel;
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
}

void Spinner::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position() * layout::TwipsPerPixel;
    emit released(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
}

namespace {
// The count a key stands for; 0 for a key the spinner leaves alone. A page goes past any number
// the dialog offers, so it stops at the end.
int stepsOf(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Down:
    case Qt::Key_Left:
        return -1;
    case Qt::Key_PageUp:
        return 100;
    case Qt::Key_PageDown:
        return -100;
    default:
        return 0;
    }
}
} // namespace

// The half that counts shows pressed while the key is down; a held key repeats.
void Spinner::keyPressEvent(QKeyEvent* event)
{
    const int steps = stepsOf(event);
    if (!steps) {
        QLabel::keyPressEvent(event);
        return;
    }
    showPicture(steps > 0 ? 1 : 2);
    emit stepped(steps);
}

void Spinner::keyReleaseEvent(QKeyEvent* event)
{
    if (!stepsOf(event)) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        showPicture(0);
}

void Spinner::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dark ring on the bevel's edge, a pixel of the picture wide at least, seen on the grey
    // dialog and on the spinner's own light and dark edges alike.
    QPainter painter(this);
    const int w = std::max(2, int(std::lround(width() / 10.0)));
    painter.setPen(QPen(QColor(0x10, 0x10, 0x10), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
}
