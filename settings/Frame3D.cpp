// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Frame3D.h"
#include "common/ErrorReport.h"
#include "common/Twips.h"

#include <QPainter>
#include <array>

namespace {
constexpr int InvalidProcedureCall = 5;

constexpr std::array<QRgb, 16> qbColours = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// One pixel in twips: the step between nested frame lines.
constexpr double p = layout::TwipsPerPixel;

QPoint pixel(double x, double y) { return {layout::toPixels(x), layout::toPixels(y)}; }

void prepare(QPainter& target, int colour)
{
    target.setRenderHint(QPainter::Antialiasing, false);
    target.setPen(QPen(QBColor(colour), 0)); // cosmetic: one pixel wide at any scale
}
} // namespace

QColor QBColor(int colour)
{
    if (colour < 0 || colour >= int(qbColours.size()))
        throw RuntimeError(InvalidProcedureCall, QStringLiteral("QBColor(%1)").arg(colour));
    return QColor::fromRgb(qbColours[colour]);
}

void links_oben(double left, double width, double top, double height, QPainter& target, int colour, int count)
{
    step(QStringLiteral("links_oben"), [&] {
        prepare(target, colour);
        for (int i = 1; i <= count; ++i) {
            const double x0 = left - i * p, y0 = top - i * p;
            target.drawLine(pixel(x0, y0), pixel(left + width + i * p, y0));
            target.drawLine(pixel(x0, y0), pixel(x0, top + height + i * p));
        }
    });
}

void rechts_unten(double left, double width, double top, double height, QPainter& target, int colour, int count)
{
    step(QStringLiteral("rechts_unten"), [&] {
        prepare(target, colour);
        for (int i = 1; i <= count; ++i) {
            const double bottom = top + height + (i - 1) * p;
            const double right = left + width + (i - 1) * p;
            target.drawLine(pixel(left - i * p, bottom), pixel(right, bottom));
            target.drawLine(pixel(right, top - i * p), pixel(right, top + height + i * p));
        }
    });
}
