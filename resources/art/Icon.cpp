// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon: the Wupple's head with its bobble hat, in every size a desktop asks for and
// once more as a scalable drawing.
#include "Ink.h"
#include "Pictures.h"
#include "Wupple.h"

#include <QBuffer>
#include <QSvgGenerator>

#include <algorithm>

namespace art {
namespace {

// The icon is designed on a square of this many units.
constexpr qreal kDesign = 256;

void paintIcon(QPainter &painter, qreal pixels)
{
    painter.scale(pixels / kDesign, pixels / kDesign);
    WuppleLook look;
    look.leftArm = look.rightArm = look.feet = false;
    // In the small sizes of a panel or a file list a thin outline melts into the fur: keep it at
    // least one pixel wide.
    look.inkWidth = std::max<qreal>(7, kDesign / pixels);
    drawWupple(painter, QPointF(128, 144), 104, look);
}

} // namespace

QImage drawIcon(int size)
{
    QImage image = canvas(size, size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, image);
    paintIcon(painter, size);
    painter.end();
    return image;
}

QString iconFileName(int size)
{
    return QStringLiteral("hicolor/%1x%1/apps/wupple.png").arg(size);
}

QByteArray drawIconSvg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(int(kDesign), int(kDesign)));
    svg.setViewBox(QRectF(0, 0, kDesign, kDesign));
    svg.setTitle(QStringLiteral("Wupple"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    paintIcon(painter, kDesign);
    painter.end();
    return bytes;
}

} // namespace art
