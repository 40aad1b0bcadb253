// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Pacing.h"

#include <QCoro/QCoroTimer>
#include <QTimer>
#include <cmath>

namespace Pacing {
namespace {
double currentScale = 1.0;
}

void setScale(double scale) { currentScale = scale < 0 ? 0 : scale; }
double scale() { return currentScale; }

QCoro::Task<> Verzoegerung(double seconds)
{
    QTimer timer;
    timer.setSingleShot(true);
    // A precise timer: the coarse one may fire several percent early.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(static_cast<int>(std::lround(std::max(0.0, seconds) * currentScale * 1000.0)));
    timer.start();
    co_await timer;
}

QCoro::Task<> yield() { co_await Verzoegerung(0); }

} // namespace Pacing
