// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace record {
namespace {

// Version 1: the words and the letters tried in them.
const QStringList toVersion1 = {
    QStringLiteral("CREATE TABLE words ("
                   " id INTEGER PRIMARY KEY,"
                   " key TEXT NOT NULL UNIQUE,"
                   " ended_at TEXT NOT NULL,"  // local time, yyyy-MM-ddTHH:mm:ss
                   " language INTEGER NOT NULL,"
                   " list_file TEXT NOT NULL,"
                   " word TEXT NOT NULL,"
                   " outcome INTEGER NOT NULL," // 0 solved, 1 lost, 2 left behind
                   " misses INTEGER NOT NULL,"
                   " hints INTEGER NOT NULL,"
                   " seconds INTEGER NOT NULL,"
                   " solver TEXT NOT NULL DEFAULT '')"),
    QStringLiteral("CREATE TABLE letters ("
                   " word_id INTEGER NOT NULL REFERENCES words(id) ON DELETE CASCADE,"
                   " seq INTEGER NOT NULL,"
                   " letter TEXT NOT NULL,"
                   " hit INTEGER NOT NULL,"
                   " player TEXT NOT NULL,"
                   " PRIMARY KEY (word_id, seq)) WITHOUT ROWID"),
};

// Version 2: who took part in each word (version 1 knew them only from the letters they tried),
// how many letters were tried, and the indexes the progress figures read through.
const QStringList toVersion2 = {
    QStringLiteral("CREATE TABLE players ("
                   " word_id INTEGER NOT NULL REFERENCES words(id) ON DELETE CASCADE,"
                   " turn INTEGER NOT NULL,"
                   " name TEXT NOT NULL,"
                   " PRIMARY KEY (word_id, turn)) WITHOUT ROWID"),
    QStringLiteral("INSERT INTO players (word_id, turn, name)"
                   " SELECT word_id, row_number() OVER (PARTITION BY word_id ORDER BY first), player"
                   " FROM (SELECT word_id, player, min(seq) AS first FROM letters GROUP BY word_id, player)"),
    QStringLiteral("ALTER TABLE words ADD COLUMN player_count INTEGER NOT NULL DEFAULT 1"),
    QStringLiteral("ALTER TABLE words ADD COLUMN tried INTEGER NOT NULL DEFAULT 0"),
    QStringLiteral("UPDATE words SET"
                   " player_count = max(1, (SELECT count(*) FROM players WHERE word_id = words.id)),"
                   " tried = (SELECT count(*) FROM letters WHERE word_id = words.id)"),
    QStringLiteral("CREATE INDEX words_by_time ON words (ended_at)"),
    QStringLiteral("CREATE INDEX words_by_solver ON words (solver, ended_at)"),
    QStringLiteral("CREATE INDEX players_by_name ON players (name, word_id)"),
    QStringLiteral("CREATE INDEX letters_by_player ON letters (player, hit, letter)"),
};

QString failure(const QSqlQuery& q) { return q.lastError().text(); }

} // namespace

int schemaVersion(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QString migrate(QSqlDatabase& db, int target)
{
    const QStringList* steps[] = {&toVersion1, &toVersion2};
    QSqlQuery q(db);
    // Reading the version also tells a database from a file of anything else.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failure(q);
    const int version = q.value(0).toInt();
    q.finish();
    if (version > SchemaVersion || version < 0)
        return QStringLiteral("schema version %1 is not known to this version of the game").arg(version);
    for (int v = version; v < target; ++v) {
        if (!db.transaction())
            return db.lastError().text();
        for (const QString& statement : *steps[v]) {
            if (!q.exec(statement)) {
                const QString why = failure(q);
                db.rollback();
                return why;
            }
        }
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1)) || !db.commit()) {
            const QString why = q.lastError().isValid() ? failure(q) : db.lastError().text();
            db.rollback();
            return why;
        }
    }
    return {};
}

} // namespace record
