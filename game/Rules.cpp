// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Rules.h"
#include "game/Layout.h"

#include <algorithm>

namespace rules {

qint16 nextPlayer(qint16 current, qint16 players) { return current < players - 1 ? current + 1 : 0; }

int cheerSound(double r)
{
    long long n = layout::roundHalfEven(r * 7 + 7);
    if (n > 13)
        n = 6;
    return static_cast<int>(100 + n);
}

QString shortenName(QString name, const std::function<bool(const QString&)>& tooWide)
{
    // A name of fewer than ten characters is never cut; a longer one keeps at least eight.
    constexpr qsizetype ShortestKept = 8;
    if (name.size() < ShortestKept + 2 || !tooWide(name))
        return name;
    // The longest beginning that fits with a full stop after it, found by halving: a measurement
    // per halving rather than one per character (a pasted name can be a megabyte long).
    const auto cut = [&](qsizetype kept) { return name.left(kept) + QLatin1Char('.'); };
    qsizetype fits = ShortestKept, beyond = name.size() - 1;
    while (beyond - fits > 1) {
        const qsizetype middle = fits + (beyond - fits) / 2;
        if (tooWide(cut(middle)))
            beyond = middle;
        else
            fits = middle;
    }
    return cut(fits);
}

int drawIndex(double r, qsizetype poolSize)
{
    return std::clamp(int(r * double(poolSize)), 0, int(poolSize) - 1);
}

QString upper(const QString& word) { return word.toUpper(); }

} // namespace rules
