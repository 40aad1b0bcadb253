// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words as a test plays them, written straight into a record file.
#include "record/RecordDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace recordtest {

// `letters` as "A+B-C+": each letter followed by hit (+) or miss (-), tried in turn by the players.
inline record::WordRecord word(const QString& text, record::Outcome outcome, const QStringList& players,
                               const QString& letters, const QDateTime& at, int solver = 0)
{
    record::WordRecord w;
    w.key = QUuid::createUuid().toString();
    w.endedAt = at;
    w.listFile = QStringLiteral("wupp.dat");
    w.word = text;
    w.outcome = outcome;
    w.players = players;
    int turn = 0;
    for (int i = 0; i + 1 < letters.size(); i += 2) {
        const bool hit = letters[i + 1] == QLatin1Char('+');
        w.letters.push_back({letters[i], hit, players[turn % players.size()]});
        if (!hit) {
            ++w.misses;
            ++turn;
        }
    }
    if (outcome == record::Outcome::Solved)
        w.solver = players[solver];
    return w;
}

inline int count(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("count");
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}

} // namespace recordtest
