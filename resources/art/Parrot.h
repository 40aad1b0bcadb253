// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPointF>

namespace art {

// The bird of the cage motif at a stage between 0 (a colourful parrot) and 9 (a black crow).
// Its parts change one after another: tail, crest, wing, belly, body, beak, face.
void drawCageBird(QPainter &painter, QPointF feet, qreal scale, int stage);

} // namespace art
