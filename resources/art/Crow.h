// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPointF>

namespace art {

// The crow that ends three of the motifs: round, black and calm rather than threatening.
// feet is where it stands; height is its size in pixels from feet to the top of the head.
void drawCrow(QPainter &painter, QPointF feet, qreal height, bool facingLeft);

} // namespace art
