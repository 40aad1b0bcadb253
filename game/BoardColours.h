// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the board's texts and the grounds they stand on, in one place: the window
// paints with them and the contrast test measures every pair. Two schemes: the classic one (white
// on red for the player whose turn it is, light grey on blue for the others) and the clear one,
// where every text reads at least 4.5 : 1 against its ground.
#include <QList>
#include <QString>

namespace colours {

// 0xRRGGBB.
using Rgb = quint32;

struct Scheme {
    Rgb activeBack, activeText;   // the row of the player whose turn it is
    Rgb waitingBack, waitingText; // the rows of the others
    Rgb nextBack, nextText, nextBorder, nextHover; // the next-word button
    Rgb markFill;                 // the star beside the active name (a shape, 3 : 1 is enough)
    Rgb focusDark, focusLight;    // the frame around the control with the keyboard focus
};

// The grounds the focus frame stands on: the board from its top to its bottom, the ground of the
// picture buttons, a letter card's face and the washing line's dark ground.
constexpr Rgb BoardTop = 0xfff8e4, BoardBottom = 0xffe7b0, ButtonGround = 0xfffdf6, CardFace = 0xfff6da,
              LineGround = 0x1c2a62;

const Scheme& classic();
const Scheme& clear();
inline const Scheme& scheme(bool clearColours) { return clearColours ? clear() : classic(); }

struct Pair {
    QString what;
    Rgb text;
    Rgb ground;
    double least; // the contrast it must reach
};
// Every text (and sign) the board shows with the ground it stands on.
QList<Pair> pairs(const Scheme& scheme);

// The contrast ratio of two colours, 1 to 21, by their relative luminance.
double contrast(Rgb a, Rgb b);

} // namespace colours
