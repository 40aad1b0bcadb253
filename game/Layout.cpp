// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Layout.h"

#include <algorithm>
#include <cmath>

namespace layout {

long long halve(double value) { return roundHalfEven(value) / 2; }

double Board::tileLeft(int index, int tileCount) const
{
    const double grow = tileScale / scale;
    if (grow > 1) {
        // Grown tiles stand centred as a row, wherever they were laid out first.
        const double pitch = TilePitch * grow;
        return scale * ((windowWidth - tileCount * pitch + (pitch - LetterWidth * grow)) / 2 + (index - 1) * pitch);
    }
    return scale * static_cast<double>(halve(windowWidth - tileCount * TilePitch) + index * TilePitch - TilePitch);
}

double Board::newTileLeft(int index, int tileCount) const
{
    if (tileScale > scale)
        return tileLeft(index, tileCount);
    return scale * static_cast<double>(layout::newTileLeft(int(roundHalfEven(windowWidth)), index, tileCount));
}

namespace {
double stripBottom(double height)
{
    return static_cast<double>(halve(height - height * 0.07 + PictureSize)) + StripHeight;
}
} // namespace

double heightForStrip(double height, double clientHeight)
{
    if (stripBottom(height) <= clientHeight)
        return height;
    // The strip's bottom grows by 0.465 twips for each twip of height; start just above the
    // answer and step down past the rounding.
    double fitting = std::floor((2 * (clientHeight - StripHeight) - PictureSize) / 0.93) + 2;
    while (fitting > 0 && stripBottom(fitting) > clientHeight)
        fitting -= 1;
    return std::max(0.0, std::min(fitting, height));
}

namespace {
Point scaled(const Point& p, double s) { return {p.left * s, p.top * s}; }
} // namespace

Board arrange(int width, int height, double scale, const Room& room)
{
    const double w = width / scale;
    const double h = heightForStrip(height / scale, room.clientHeight / scale);
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
    b.tileScale = scale;
    const double bandTop = std::max(b.picture.top + PictureSize, b.names.top + NamesHeight);
    if (b.nextWord.top + NextWordHeight > b.strip.top) {
        // A window so short (or a frame so tall) that the button would reach into the strip: the
        // tiles and the button share the band between the picture and the strip in equal gaps.
        const double gap = std::max(0.0, (b.strip.top - bandTop - LetterHeight - NextWordHeight) / 3);
        b.tileTop = bandTop + gap;
        b.nextWord.top = b.tileTop + LetterHeight + gap;
    }
    b.speaker = {b.picButtons[2].left, b.picButtons[2].top + PicButSize * 1.5};
    const auto growTiles = [&](double top) {
        // The tiles take the band between the picture (and the names) and the strip, with the
        // "next word" button under them, as large as the band and the window's width allow.
        const double bandBottom = b.strip.top - TileBandMargin;
        const double byHeight = (bandBottom - top - TileBandMargin - 350 - NextWordHeight) / LetterHeight;
        const double byWidth = (w - 2 * TileSideMargin) / (room.wordLength * TilePitch);
        // In fifths, so a tile covers whole pixels in the card's own shape (25 x 30 at the design).
        const double tileScale = std::floor(std::min(byHeight, byWidth) * scale * 5 + 1e-9) / 5;
        if (tileScale > scale) {
            const double grow = tileScale / scale;
            const double group = LetterHeight * grow + 350 + NextWordHeight;
            b.tileScale = tileScale;
            b.tileTop = top + TileBandMargin + (bandBottom - top - TileBandMargin - group) / 2;
            b.nextWord.top = b.tileTop + LetterHeight * grow + 350;
        }
    };
    if (room.growTiles && room.wordLength > 0)
        growTiles(bandTop);
    if (room.speaker && room.wordLength > 0) {
        // The last tile's right edge (a new word's tiles stand 50 twips further right at first).
        const double grow = b.tileScale / scale;
        const int n = room.wordLength;
        const double right = grow > 1 ? (w + n * TilePitch * grow - (TilePitch - LetterWidth) * grow) / 2
                                      : halve(w - n * TilePitch) + n * TilePitch - TilePitch + LetterWidth + 50;
        const double speakerBottom = b.speaker.top + PicButSize;
        if (right > b.speaker.left && b.tileTop < speakerBottom + TileBandMargin) {
            b.tileScale = scale;
            b.tileTop = speakerBottom + TileBandMargin;
            b.nextWord.top = b.tileTop + LetterHeight + 350;
            if (b.nextWord.top + NextWordHeight > b.strip.top) {
                const double gap = std::max(0.0, (b.strip.top - speakerBottom - LetterHeight - NextWordHeight) / 3);
                b.tileTop = speakerBottom + gap;
                b.nextWord.top = b.tileTop + LetterHeight + gap;
            }
            if (room.growTiles)
                growTiles(speakerBottom);
        }
    }
    if (scale != 1) {
        b.scale = scale;
        b.picture = scaled(b.picture, scale);
        for (Point& p : b.picButtons)
            p = scaled(p, scale);
        b.speaker = scaled(b.speaker, scale);
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
        rects.push_back(QRectF(QPointF(b.newTileLeft(i, tileCount), b.tileTop), b.tileSize()));
    rects.push_back(rect(b.nextWord, NextWordWidth, NextWordHeight));
    return rects;
}

QPointF noticeCentre(const Board& b)
{
    return {b.strip.left + b.size(StripWidth) / 2, b.strip.top + b.size(StripHeight) / 2};
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

QPoint centredOn(const QSize& screen)
{
    return {(screen.width() - DesignWidth) / 2, (screen.height() - DesignHeight) / 2};
}

QRect placedOnScreen(const QRect& stored, const QSize& screen)
{
    const QPoint centred = centredOn(screen);
    int left = stored.left(), top = stored.top();
    if (left < 0 || left > screen.width() - stored.width())
        left = centred.x();
    if (top < 0 || top > screen.height() - stored.height())
        top = centred.y();
    return {left, top, std::max(stored.width(), MinWidth), std::max(stored.height(), MinHeight)};
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
