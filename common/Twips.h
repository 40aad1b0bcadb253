// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sizes and places are kept in twips (1/1440 inch); on the screen 15 twips make one pixel.
#include <cmath>

namespace layout {

constexpr int TwipsPerPixel = 15;

// Nearest whole number, halves to the even neighbour.
inline long long roundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

inline int toPixels(double twips) { return static_cast<int>(roundHalfEven(twips / TwipsPerPixel)); }
inline int toTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace layout
