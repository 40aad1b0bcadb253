// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

namespace art {

QImage drawStage(int motif, int stage, qreal scale)
{
    switch (motif) {
    case 0:
        return drawAppleTree(stage, scale);
    case 1:
        return drawWuppleStage(stage, scale);
    case 2:
        return drawShip(stage, scale);
    default:
        return drawBirdCage(stage, scale);
    }
}

} // namespace art
