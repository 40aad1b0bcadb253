// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tiny registry so that every subsystem can add its own measurements to one program.
#include <QString>
#include <functional>
#include <vector>

namespace bench {

struct Benchmark {
    QString name;
    std::function<void()> run;
};

std::vector<Benchmark>& registry();

struct Registrar {
    Registrar(const QString& name, std::function<void()> run) { registry().push_back({name, std::move(run)}); }
};

// Prints one result line: "<name>: <value> <unit> (goal <goal>)".
void report(const QString& name, double value, const QString& unit, const QString& goal);

} // namespace bench

#define WUPPLE_BENCH_CAT2(a, b) a##b
#define WUPPLE_BENCH_CAT(a, b) WUPPLE_BENCH_CAT2(a, b)
#define WUPPLE_BENCHMARK(name, fn) static bench::Registrar WUPPLE_BENCH_CAT(bench_reg_, __LINE__)(name, fn)
