// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPointF>

namespace art {

// How much of the Wupple is there: the stage pictures take it apart step by step, the splash
// picture and the icon show it whole.
struct WuppleLook {
    qreal body = 1.0; // opacity of the fluffy body
    bool dashedRim = false;
    bool leftArm = true;
    bool rightArm = true;
    bool waving = true;
    bool feet = true;
    bool cheeks = true;
    qreal eyes = 1.0; // opacity of the eyes
    bool mouth = true;
    qreal mood = 1.0; // 1 a wide open smile, 0 a straight mouth, below 0 a little sad
    bool hat = true;
    qreal inkWidth = 1.6; // outline width in pixels
};

inline const QColor kWuppleFur(0xff, 0xfc, 0xf4);
inline const QColor kWuppleShade(0xdd, 0xd4, 0xf0);

// The Wupple: a round fluffy creature with big eyes, a smile, little feet and a red bobble hat.
void drawWupple(QPainter &painter, QPointF centre, qreal radius, const WuppleLook &look);
// The bobble hat alone, its brim centred on at, tilted by the given angle.
void drawWuppleHat(QPainter &painter, QPointF at, qreal size, qreal tiltDegrees,
                   qreal inkWidth = 1.4);

} // namespace art
