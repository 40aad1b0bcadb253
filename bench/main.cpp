// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every registered measurement, or those whose name contains the first argument.
#include "Bench.h"
#include "common/ProgramFolder.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace bench {

std::vector<Benchmark>& registry()
{
    static std::vector<Benchmark> all;
    return all;
}

void report(const QString& name, double value, const QString& unit, const QString& goal)
{
    QTextStream(stdout) << name << ": " << QString::number(value, 'f', 3) << ' ' << unit << " (goal " << goal
                        << ")\n";
}

} // namespace bench

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const auto& b : bench::registry()) {
        if (!filter.isEmpty() && !b.name.contains(filter))
            continue;
        std::fflush(stdout);
        b.run();
    }
    return 0;
}
