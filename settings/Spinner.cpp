// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Spinner.h"
#include "common/Twips.h"

#include "Pictures.h"

#include <QMouseEvent>
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
