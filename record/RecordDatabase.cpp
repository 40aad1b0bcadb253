// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordDatabase.h"
#include "common/ProgramFolder.h"
#include "record/RecordSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace record {
namespace {
constexpr auto Driver = "QSQLITE";

QString fail(const QString& name, const QString& why)
{
    closeDatabase(name);
    return why.isEmpty() ? QStringLiteral("unknown error") : why;
}

QString queryError(const QSqlQuery& q) { return q.lastError().text(); }

// A text column is never NULL: Qt binds a null string as NULL.
QVariant text(const QString& s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }
} // namespace

QString recordPath() { return QDir(programFolder()).filePath(QStringLiteral("Wupple.db")); }

QString openDatabase(const QString& path, const QString& name, bool readOnly)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("not an ordinary file");
    if (readOnly && !info.exists())
        return QStringLiteral("no record yet");
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(Driver)))
        return QStringLiteral("the SQLite driver of Qt is not installed");
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(Driver), name);
        db.setDatabaseName(path);
        // Waits for a writer of another running copy, on the thread that asks, not on the board.
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500");
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        QSqlQuery q(db);
        if (!db.open())
            why = db.lastError().text();
        // The first read of the file: garbage is found here.
        else if (!q.exec(QStringLiteral("PRAGMA schema_version")) || !q.next())
            why = queryError(q);
        else if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
            why = queryError(q);
    }
    return why.isEmpty() ? QString() : fail(name, why);
}

void closeDatabase(const QString& name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString openForWriting(const QString& path, const QString& name)
{
    if (QString why = openDatabase(path, name, false); !why.isEmpty())
        return why;
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.next())
            why = queryError(q);
        else if (q.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
            why = QStringLiteral("the file cannot be written");
        // A commit is durable once the log is written; the log is checked into the file later.
        else if (!q.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
            why = queryError(q);
        // Deleted words are overwritten, not left readable in free pages.
        else if (!q.exec(QStringLiteral("PRAGMA secure_delete = ON")))
            why = queryError(q);
        else
            why = migrate(db);
        if (why.isEmpty()) {
            q.finish();
            // Taking the write lock once tells a read-only or locked file before any word waits.
            if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
                why = queryError(q);
            else if (!q.exec(QStringLiteral("ROLLBACK")))
                why = queryError(q);
        }
    }
    return why.isEmpty() ? QString() : fail(name, why);
}

QString writeWord(QSqlDatabase& db, const WordRecord& w)
{
    if (!db.transaction())
        return db.lastError().text();
    QSqlQuery q(db);
    auto abandon = [&] {
        const QString why = queryError(q);
        db.rollback();
        return why.isEmpty() ? QStringLiteral("unknown error") : why;
    };
    // Only a word kept before is passed over; any other refusal is an error.
    q.prepare(QStringLiteral("INSERT INTO words (key, ended_at, language, list_file, word, outcome, misses,"
                             " hints, seconds, solver, player_count, tried) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"
                             " ON CONFLICT (key) DO NOTHING"));
    for (const QVariant& v : {text(w.key), text(w.endedAt.toString(Qt::ISODate).left(19)), QVariant(w.language),
                              text(w.listFile), text(w.word), QVariant(int(w.outcome)), QVariant(w.misses),
                              QVariant(w.hints), QVariant(w.seconds), text(w.solver),
                              QVariant(std::max<int>(1, int(w.players.size()))), QVariant(int(w.letters.size()))})
        q.addBindValue(v);
    if (!q.exec())
        return abandon();
    if (q.numRowsAffected() == 0) {
        // Kept before: nothing more to write.
        db.rollback();
        return {};
    }
    const QVariant id = q.lastInsertId();
    q.prepare(QStringLiteral("INSERT INTO players (word_id, turn, name) VALUES (?,?,?)"));
    for (int i = 0; i < w.players.size(); ++i) {
        q.addBindValue(id);
        q.addBindValue(i + 1);
        q.addBindValue(text(w.players[i]));
        if (!q.exec())
            return abandon();
    }
    q.prepare(QStringLiteral("INSERT INTO letters (word_id, seq, letter, hit, player) VALUES (?,?,?,?,?)"));
    for (int i = 0; i < w.letters.size(); ++i) {
        q.addBindValue(id);
        q.addBindValue(i + 1);
        q.addBindValue(QString(w.letters[i].letter));
        q.addBindValue(w.letters[i].hit ? 1 : 0);
        q.addBindValue(text(w.letters[i].player));
        if (!q.exec())
            return abandon();
    }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        return why;
    }
    return {};
}

QString removeWords(QSqlDatabase& db, const QString& name)
{
    if (!db.transaction())
        return db.lastError().text();
    QSqlQuery q(db);
    QStringList statements;
    if (name.isEmpty()) {
        statements << QStringLiteral("DELETE FROM words");
    } else {
        // A word played with others stays theirs; only this child's name leaves it.
        statements << QStringLiteral("DELETE FROM words WHERE id IN (SELECT word_id FROM players WHERE name = :n)"
                                     " AND NOT EXISTS (SELECT 1 FROM players p WHERE p.word_id = words.id AND p.name <> :n)")
                   << QStringLiteral("UPDATE letters SET player = '' WHERE player = :n")
                   << QStringLiteral("UPDATE words SET solver = '' WHERE solver = :n")
                   << QStringLiteral("UPDATE players SET name = '' WHERE name = :n");
    }
    for (const QString& statement : statements) {
        q.prepare(statement);
        if (statement.contains(QLatin1String(":n")))
            q.bindValue(QStringLiteral(":n"), name);
        if (!q.exec()) {
            const QString why = queryError(q);
            db.rollback();
            return why;
        }
    }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        return why;
    }
    // What was deleted should not linger in the log beside the file.
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return {};
}

} // namespace record
