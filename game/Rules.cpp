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
    if (!tooWide(name))
        return name;
    for (qsizetype n = name.size(); n >= 10; --n)
        if (tooWide(name))
            name = name.left(name.size() - 2) + QLatin1Char('.');
    return name;
}

int drawIndex(double r, qsizetype poolSize)
{
    return std::clamp(int(r * double(poolSize)), 0, int(poolSize) - 1);
}

QString upper(const QString& word) { return word.toUpper(); }

} // namespace rules
