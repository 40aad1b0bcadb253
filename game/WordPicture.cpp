// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/WordPicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

WordPictureCard::WordPictureCard(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WordPicture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QString WordPictureCard::emojiFamily() { return QStringLiteral("Noto Color Emoji"); }

void WordPictureCard::setPicture(const QString& picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void WordPictureCard::paintEvent(QPaintEvent*)
{
    if (m_picture.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = card.width() / 10;
    p.setPen(QPen(QColor(0x2f, 0x4f, 0x8f), std::max<qreal>(1, card.width() / 80)));
    p.setBrush(QColor(0xff, 0xfb, 0xee));
    p.drawRoundedRect(card, radius, radius);

    // As large as the card allows with a margin; two emoji side by side share the width.
    const QRectF room = card.adjusted(card.width() / 10, card.height() / 10, -card.width() / 10, -card.height() / 10);
    QFont font(emojiFamily());
    font.setPixelSize(std::max(4, int(room.height() * 0.8)));
    const qreal wide = QFontMetricsF(font).horizontalAdvance(m_picture);
    if (wide > room.width())
        font.setPixelSize(std::max(4, int(font.pixelSize() * room.width() / wide)));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(room, Qt::AlignCenter, m_picture);
}
