// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardWidgets.h"

#include <QMouseEvent>

PictureButton::PictureButton(QWidget* parent) : PictureLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
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
    m_background = background;
    m_text = text;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(background));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(text));
    setPalette(pal);
}

QRgb fromBgr(unsigned bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
