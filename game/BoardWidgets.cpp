// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardWidgets.h"

#include "Pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : PictureLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::press()
{
    if (isEnabled() && isVisible())
        emit clicked();
}

// Space presses on its release, as with any button; held down it does not repeat.
void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        m_spaceDown = true;
        event->accept();
        return;
    }
    event->ignore();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceDown) {
        m_spaceDown = false;
        event->accept();
        press();
        return;
    }
    event->ignore();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureButton::setStruck(bool struck)
{
    if (struck == m_struck)
        return;
    m_struck = struck;
    update();
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    PictureLabel::paintEvent(event);
    if (!m_struck)
        return;
    const qreal ratio = devicePixelRatioF();
    QImage stroke = art::drawCardStroke(width() * ratio / art::kCardStrokeWidth);
    stroke.setDevicePixelRatio(ratio);
    QPainter(this).drawImage(QPointF(0, 0), stroke);
}

NameLabel::NameLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    setIndent(4);
    // A name from the settings file is shown as typed, never taken as markup.
    setTextFormat(Qt::PlainText);
}

void NameLabel::setColours(QRgb background, QRgb text)
{
    // Always opaque, however the colour was written down.
    m_background = background | 0xff000000u;
    m_text = text | 0xff000000u;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(m_background));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(m_text));
    setPalette(pal);
}

void NameLabel::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

void NameLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_marked)
        return;
    // The star fills the indent but for a small margin on either side.
    const int size = std::min(height() - 4, indent() * art::kTurnMarkSize / (art::kTurnMarkSize + 8));
    if (size < 4)
        return;
    const qreal ratio = devicePixelRatioF();
    QImage star = art::drawTurnMark(size * ratio / art::kTurnMarkSize);
    star.setDevicePixelRatio(ratio);
    QPainter(this).drawImage(QPointF((indent() - size) / 2.0, (height() - size) / 2.0), star);
}

QRgb fromBgr(unsigned bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
