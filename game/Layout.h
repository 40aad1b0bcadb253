// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the board's elements stand, in twips (1/1440 inch; 15 twips are one pixel), computed
// from the window's outer size. The board spreads with the window; with a board scale s above 1
// the whole arrangement is that of a window s times smaller, with every size and position then
// multiplied by s, so the elements grow with a large window instead of floating in it.
#include "common/Twips.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <limits>
#include <vector>

namespace layout {

// Sizes of the board elements.
constexpr int PictureSize = 2400;                    // each stage picture, square
constexpr int StripWidth = 9000, StripHeight = 1800; // the letter strip
constexpr int LetterWidth = 375, LetterHeight = 450; // letter buttons and tiles
constexpr int TilePitch = 450;
constexpr int PicButSize = 550;
constexpr int NextWordWidth = 2300, NextWordHeight = 400;
constexpr int NamesWidth = 5655, NamesHeight = 2655;
constexpr int TokenWidth = 390, TokenHeight = 405;

// A normal window is never smaller than this.
constexpr int MinWidth = 9600, MinHeight = 6975;
// The window's design size.
constexpr int DesignWidth = 9600, DesignHeight = 6900;

// The top left corner of a window of the design size centred on a screen (twips).
QPoint centredOn(const QSize& screen);
// Where a window stored at `stored` (outer, twips) comes back on a screen of `screen` twips: a
// window stored off the screen comes back centred, and one stored below the minimum size (0 after
// an overflow, say) comes back at the minimum.
QRect placedOnScreen(const QRect& stored, const QSize& screen);

// Rounded as above, then divided by 2 with the remainder dropped.
long long halve(double value);

struct Point {
    double left = 0;
    double top = 0;
};

// What the window has room for beyond its outer size.
struct Room {
    // The height of the area below the menu that the board may fill (twips). The formulas place
    // the letter strip for the outer height; a frame and menu taller than the ones they were made
    // for would cut its bottom off, so then the board is laid out as for a window just short
    // enough for the strip to fit, every element in the same proportions.
    double clientHeight = std::numeric_limits<double>::infinity();
    // The word on the board, and whether its tiles may grow beyond the cards into the free band
    // between the picture and the strip (the fitted board).
    int wordLength = 0;
    bool growTiles = false;
    // The loudspeaker stands under the hint button: a word whose tiles would reach under it
    // stands lower.
    bool speaker = false;
};

struct Board {
    double scale = 1;                  // every size and position below is multiplied by it
    double tileScale = 1;              // the word's tiles: the board's scale, or more when they grow
    Point picture;                     // every stage picture
    std::array<Point, 3> picButtons;   // start, end, hint
    Point speaker;                     // the loudspeaker, under the hint button
    Point strip;                       // the letter strip
    Point names;                       // the frame of names and tokens
    double tileTop = 0;
    Point nextWord;                    // the "next word" button
    double tileLeft(int index, int tileCount) const; // index 0 is the template, 1.. the tiles
    // Where a new word's tile stands when it is first laid out (see newTileLeft below).
    double newTileLeft(int index, int tileCount) const;
    // A size of the design, in twips, at this board's scale.
    double size(double designTwips) const { return designTwips * scale; }
    // A tile's width and height.
    QSizeF tileSize() const { return {LetterWidth * tileScale, LetterHeight * tileScale}; }
    double windowWidth = 0;            // the window's width divided by the scale
};

// The layout for a window of outer size width x height, at board scale `scale`: the formulas
// are evaluated for the window's size divided by the scale and their results multiplied by it.
Board arrange(int width, int height, double scale = 1, const Room& room = {});

// The height, at most `height`, for which the formulas keep the letter strip inside a client
// area `clientHeight` high (both at the board's scale).
double heightForStrip(double height, double clientHeight);

// Grown tiles stand this far from the picture above and the strip below, and this far from the
// window's sides (twips at the board's scale).
constexpr int TileBandMargin = 120;
constexpr int TileSideMargin = 300;

// The board scale grows in quarter steps.
constexpr double ScaleStep = 0.25;

// Where a box over the board stands (its centre, in twips): on the letter strip, whose cards
// wait while the box is shown, clear of the word's tiles and the picture.
QPointF noticeCentre(const Board& board);

// The largest quarter step s >= 1 at which the board fits the window as well as it does at the
// minimum size: the window divided by s is still no smaller than the minimum window, and every
// element, with a word of the longest length and the "next word" button, lies inside the client
// area (sizes in twips; the client area starts at the board's top-left corner).
double boardScale(QSizeF outer, QSizeF client);

// The rectangles of the visible board elements for a word of tileCount letters: the picture,
// the three picture buttons, the letter strip, the frame of names, the tiles as a new word places
// them and the "next word" button.
std::vector<QRectF> elementRects(const Board& board, int tileCount);

// The longest word the board is laid out for.
constexpr int LongestWord = 20;

// Where a new word's tile i (1-based) of n stands when it is first laid out: 50 twips further
// right than after a re-layout.
long long newTileLeft(int windowWidth, int index, int tileCount);

// Letter button positions on the strip (Left, Top in twips, strip 9000 twips wide).
struct LetterPlace {
    int left;
    int top;
};
extern const std::array<LetterPlace, 30> letterPlaces;

} // namespace layout
