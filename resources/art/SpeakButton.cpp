// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the button that says the word again: a loudspeaker with three sound waves, in the
// manner of the other square buttons beside the picture.
#include "Ink.h"
#include "Pictures.h"

namespace art {

QImage drawSpeakButton(qreal scale)
{
    QImage image = canvas(32, 32, Qt::transparent, scale);
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath speaker;
    speaker.moveTo(3.5, 12);
    speaker.lineTo(9.5, 12);
    speaker.lineTo(17, 5);
    speaker.lineTo(17, 27);
    speaker.lineTo(9.5, 20);
    speaker.lineTo(3.5, 20);
    speaker.closeSubpath();
    outlined(painter, speaker, QColor(0x4a, 0x8c, 0xe8), 2.0);
    QPainterPath shine;
    shine.addRoundedRect(QRectF(5.5, 13.5, 3, 3), 1, 1);
    outlined(painter, shine, QColor(0xb8, 0xd8, 0xff), 0);
    painter.setBrush(Qt::NoBrush);
    const QColor waves[3] = {QColor(0xff, 0x8a, 0x20), QColor(0xff, 0xb0, 0x20), QColor(0xff, 0xd0, 0x40)};
    for (int i = 0; i < 3; ++i) {
        const qreal r = 5.0 + 4.0 * i;
        painter.setPen(QPen(kInk, 3.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        painter.setPen(QPen(waves[i], 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    painter.end();
    return image;
}

} // namespace art
