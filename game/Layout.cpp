// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Layout.h"

#include <algorithm>
#include <cmath>

namespace layout {

long long halve(double value) { return roundHalfEven(value) / 2; }

double Board::tileLeft(int index, int tileCount) const
{
    return scale * static_cast<double>(halve(windowWidth - tileCount * TilePitch) + index * TilePitch - TilePitch);
}

double Board::newTileLeft(int index, int tileCount) const
{
    return scale * static_cast<double>(layout::newTileLeft(int(roundHalfEven(windowWidth)), index, tileCount));
}

namespace {
Point scaled(const Point& p, double s) { return {p.left * s, p.top * s}; }
} // namespace

Board arrange(int width, int height, double scale)
{
    const double w = width / scale;
    const double h = height / scale;
    Board b;
    b.windowWidth = w;
    b.picture = {w * 0.6, h * 0.07};
    for (int i = 0; i < 3; ++i) {
        b.picButtons[i].left = static_cast<double>(halve(w + b.picture.left + PictureSize - PicButSize));
        b.picButtons[i].top = h * 0.075 + i * PicButSize * 1.5;
    }
    b.strip = {static_cast<double>(halve(w - StripWidth)),
               static_cast<double>(halve(h - b.picture.top + PictureSize))};
    b.names = {static_cast<double>(halve(b.picture.left - NamesWidth)), h * 0.04};
    b.tileTop = static_cast<double>(halve(b.strip.top - b.picture.top + PictureSize));
    b.nextWord = {static_cast<double>(halve(w - NextWordWidth)), b.tileTop + LetterHeight + 350};
    if (scale != 1) {
        b.scale = scale;
        b.picture = scaled(b.picture, scale);
        for (Point& p : b.picButtons)
            p = scaled(p, scale);
        b.strip = scaled(b.strip, scale);
        b.names = scaled(b.names, scale);
        b.tileTop *= scale;
        b.nextWord = scaled(b.nextWord, scale);
    }
    return b;
}

std::vector<QRectF> elementRects(const Board& b, int tileCount)
{
    const auto rect = [&b](const Point& p, double width, double height) {
        return QRectF(p.left, p.top, b.size(width), b.size(height));
    };
    std::vector<QRectF> rects{rect(b.picture, PictureSize, PictureSize)};
    for (const Point& p : b.picButtons)
        rects.push_back(rect(p, PicButSize, PicButSize));
    rects.push_back(rect(b.strip, StripWidth, StripHeight));
    rects.push_back(rect(b.names, NamesWidth, NamesHeight));
    for (int i = 1; i <= tileCount; ++i)
        rects.push_back(rect({b.newTileLeft(i, tileCount), b.tileTop}, LetterWidth, LetterHeight));
    rects.push_back(rect(b.nextWord, NextWordWidth, NextWordHeight));
    return rects;
}

double boardScale(QSizeF outer, QSizeF client)
{
    const QRectF area(QPointF(0, 0), client);
    const double widest = std::min(outer.width() / MinWidth, outer.height() / MinHeight);
    for (double s = std::floor(widest / ScaleStep) * ScaleStep; s > 1; s -= ScaleStep) {
        const Board b = arrange(int(outer.width()), int(outer.height()), s);
        const auto rects = elementRects(b, LongestWord);
        if (std::all_of(rects.begin(), rects.end(), [&](const QRectF& r) { return area.contains(r); }))
            return s;
    }
    return 1;
}

long long newTileLeft(int windowWidth, int index, int tileCount)
{
    return (static_cast<long long>(windowWidth) - tileCount * TilePitch) / 2 + index * TilePitch - 400;
}

const std::array<LetterPlace, 30> letterPlaces = {{
    {170, 200},   {590, 270},   {1030, 320},  {1450, 345},  {1900, 280},  {2460, 260},
    {2950, 320},  {3470, 340},  {4050, 345},  {4680, 270},  {5710, 330},  {6210, 420},
    {6780, 470},  {7320, 500},  {7950, 470},  {520, 980},   {940, 1070},  {1350, 1170},
    {1810, 1200}, {2290, 1220}, {2750, 1160}, {3180, 1080}, {3860, 1080}, {4420, 1150},
    {4930, 1210}, {5470, 1250}, {6010, 1220}, {6540, 1190}, {7050, 1110}, {7050, 1120},
}};

} // namespace layout
