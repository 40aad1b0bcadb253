// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Platform.h"

#include <QCoreApplication>
#include <QTime>
#include <random>

namespace {
class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
};

class SystemRandom final : public Random {
public:
    void randomize(double seed) override
    {
        // The clock has millisecond resolution; keep all of it in the seed.
        m_engine.seed(static_cast<std::mt19937::result_type>(seed * 1000.0) ^ std::random_device{}());
    }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine{std::random_device{}()};
};
} // namespace

Platform& platform()
{
    static Platform p{nullptr, nullptr, &systemClock(), &systemRandom(), nullptr, nullptr, [] { QCoreApplication::quit(); }};
    return p;
}

Clock& systemClock()
{
    static SystemClock c;
    return c;
}

Random& systemRandom()
{
    static SystemRandom r;
    return r;
}
