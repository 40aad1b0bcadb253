// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardColours.h"

#include <algorithm>
#include <cmath>

namespace colours {

const Scheme& classic()
{
    static const Scheme s{.activeBack = 0xff0000, .activeText = 0xffffff,
                          .waitingBack = 0x0000ff, .waitingText = 0xc0c0c0,
                          .nextBack = 0x5cb85c, .nextText = 0xffffff, .nextBorder = 0x3d8b3d, .nextHover = 0x6cc96c,
                          .markFill = 0xffd700, .focusDark = 0x101010, .focusLight = 0xffd200};
    return s;
}

const Scheme& clear()
{
    // The same hues, the red and the green a little deeper, the grey a little lighter.
    static const Scheme s{.activeBack = 0xc00000, .activeText = 0xffffff,
                          .waitingBack = 0x0000ff, .waitingText = 0xdcdcdc,
                          .nextBack = 0x2e7d32, .nextText = 0xffffff, .nextBorder = 0x1b5e20, .nextHover = 0x256b29,
                          .markFill = 0xffd700, .focusDark = 0x101010, .focusLight = 0xffd200};
    return s;
}

QList<Pair> pairs(const Scheme& s)
{
    constexpr double text = 4.5, sign = 3.0;
    return {{QStringLiteral("name of the player whose turn it is"), s.activeText, s.activeBack, text},
            {QStringLiteral("names of the waiting players"), s.waitingText, s.waitingBack, text},
            {QStringLiteral("next-word button"), s.nextText, s.nextBack, text},
            {QStringLiteral("next-word button under the pointer"), s.nextText, s.nextHover, text},
            {QStringLiteral("star beside the active name"), s.markFill, s.activeBack, sign},
            // The frame of the keyboard focus: its dark ring shows on every pale ground, its light
            // ring on the washing line, and the two rings apart from each other.
            {QStringLiteral("focus frame on the top of the board"), s.focusDark, BoardTop, sign},
            {QStringLiteral("focus frame on the bottom of the board"), s.focusDark, BoardBottom, sign},
            {QStringLiteral("focus frame on a picture button"), s.focusDark, ButtonGround, sign},
            {QStringLiteral("focus frame on a letter card"), s.focusDark, CardFace, sign},
            {QStringLiteral("focus frame on the washing line"), s.focusLight, LineGround, sign},
            {QStringLiteral("the focus frame's two rings"), s.focusLight, s.focusDark, sign}};
}

namespace {
double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(Rgb c)
{
    return 0.2126 * channel(int(c >> 16) & 0xff) + 0.7152 * channel(int(c >> 8) & 0xff) + 0.0722 * channel(int(c) & 0xff);
}
} // namespace

double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace colours
