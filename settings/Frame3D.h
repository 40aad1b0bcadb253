// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The raised look of a group of controls: light edges at the top and left, dark ones at the
// bottom and right, drawn just outside a rectangle given in twips.
#include <QColor>

class QPainter;

// The sixteen classic colours: 0 black .. 7 light grey, 8 dark grey .. 15 white. Any other
// number is run-time error 5 (invalid procedure call).
QColor QBColor(int colour);

// The top and left edges of `count` nested one-pixel frames around the rectangle, in `colour`.
void links_oben(double left, double width, double top, double height, QPainter& target, int colour, int count);

// The bottom and right edges; the i-th of them lies i - 1 pixels outside the rectangle, so the
// dark edge touches the group it frames.
void rechts_unten(double left, double width, double top, double height, QPainter& target, int colour, int count);
