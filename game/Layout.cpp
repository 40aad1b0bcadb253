#include "game/Layout.h"

#include <cmath>

namespace layout {

long long roundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

long long halve(double value) { return roundHalfEven(value) / 2; }

double Board::tileLeft(int index, int tileCount) const
{
    return static_cast<double>(halve(static_cast<double>(windowWidth) - tileCount * TilePitch) + index * TilePitch -
                               TilePitch);
}

Board arrange(int width, int height)
{
    const double w = width;
    const double h = height;
    Board b;
    b.windowWidth = width;
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
    return b;
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
