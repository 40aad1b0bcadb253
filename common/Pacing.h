// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every wait and yield of the game goes through here. Tests set the scale to zero: a whole game
// then runs in milliseconds while events still happen in exactly the order of the real game.
#include <QCoro/QCoroTask>

namespace Pacing {

// 1.0 is real time; 0 turns every wait into a single yield.
void setScale(double scale);
double scale();

// Waits `seconds` (times the scale) while the window goes on handling its events.
QCoro::Task<> Verzoegerung(double seconds);

// Lets the event loop handle what is pending once, then goes on.
QCoro::Task<> yield();

} // namespace Pacing
