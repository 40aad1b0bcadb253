// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The spinner of the settings dialog, 20 x 20 pixels, set pixel by pixel so every bevel is one
// pixel wide. The diagonal from the top right to the bottom left splits it into an upper-left
// half with an up arrow and a lower-right half with a down arrow; state 0 shows both halves
// raised, state 1 the upper-left half pressed, state 2 the lower-right half pressed.
#include "Pictures.h"

namespace art {
namespace {

constexpr int kSize = 20;
constexpr int kDiagonal = kSize - 1; // x + y on the dividing line

enum Shade : std::uint8_t { Face, PressedFace, Light, Shadow, Dark, Arrow };

void drawUpArrow(IndexedImage &image, int dx)
{
    for (int row = 0; row < 4; ++row)
        for (int x = 6 - row; x <= 6 + row; ++x)
            image.pixels[std::size_t(4 + row + dx) * kSize + x + dx] = Arrow;
}

void drawDownArrow(IndexedImage &image, int dx)
{
    for (int row = 0; row < 4; ++row)
        for (int x = 10 + row; x <= 16 - row; ++x)
            image.pixels[std::size_t(11 + row + dx) * kSize + x + dx] = Arrow;
}

Shade upperLeft(int x, int y, bool pressed)
{
    const int sum = x + y;
    if (!pressed) {
        if (x == 0 || y == 0)
            return Light;
        return sum == kDiagonal - 1 ? Shadow : Face;
    }
    if (x == 0 || y == 0)
        return Dark;
    if (x == 1 || y == 1)
        return Shadow;
    return sum == kDiagonal - 1 ? Light : PressedFace;
}

Shade lowerRight(int x, int y, bool pressed)
{
    const int sum = x + y;
    const bool outer = x == kSize - 1 || y == kSize - 1;
    const bool inner = x == kSize - 2 || y == kSize - 2;
    if (!pressed) {
        if (outer)
            return Dark;
        if (inner)
            return Shadow;
        return sum == kDiagonal + 1 ? Light : Face;
    }
    if (sum == kDiagonal + 1)
        return Dark;
    if (sum == kDiagonal + 2)
        return Shadow;
    return outer ? Light : PressedFace;
}

} // namespace

IndexedImage drawSpinner(int state)
{
    IndexedImage image;
    image.width = kSize;
    image.height = kSize;
    image.palette.fill(qRgb(0, 0, 0));
    image.palette[Face] = qRgb(0xdc, 0xdc, 0xdc);
    image.palette[PressedFace] = qRgb(0xc4, 0xc4, 0xc4);
    image.palette[Light] = qRgb(0xff, 0xff, 0xff);
    image.palette[Shadow] = qRgb(0x9c, 0x9c, 0x9c);
    image.palette[Dark] = qRgb(0x50, 0x50, 0x50);
    image.palette[Arrow] = qRgb(0x1c, 0x1c, 0x28);
    image.pixels.resize(kSize * kSize);

    const bool upperPressed = state == 1;
    const bool lowerPressed = state == 2;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int sum = x + y;
            Shade shade = Dark;
            if (sum < kDiagonal)
                shade = upperLeft(x, y, upperPressed);
            else if (sum > kDiagonal)
                shade = lowerRight(x, y, lowerPressed);
            image.pixels[std::size_t(y) * kSize + x] = shade;
        }
    }
    // A pressed half's arrow sinks in by one pixel.
    drawUpArrow(image, upperPressed ? 1 : 0);
    drawDownArrow(image, lowerPressed ? 1 : 0);
    return image;
}

QImage drawSpinner(int state, int scale)
{
    const IndexedImage design = drawSpinner(state);
    QImage image(design.width * scale, design.height * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, design.palette[design.at(x / scale, y / scale)]);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace art
