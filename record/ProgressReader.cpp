// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/ProgressReader.h"
#include "record/RecordDatabase.h"

#include <QFileInfo>
#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace record {
namespace {
// A word counts as played when it was finished, or when a letter was tried before it was left.
constexpr auto Played = "(w.outcome < 2 OR w.tried > 0)";

QString stamp(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")); }
QString dayStart(QDate d) { return d.toString(Qt::ISODate) + QStringLiteral("T00:00:00"); }

const char* languageCode(int language)
{
    static const char* codes[] = {"de", "en", "sv", "it"};
    return language >= 0 && language < 4 ? codes[language] : "";
}

const char* outcomeName(int outcome)
{
    static const char* names[] = {"solved", "lost", "left"};
    return outcome >= 0 && outcome < 3 ? names[outcome] : "";
}
} // namespace

ProgressReader::ProgressReader(const QString& path)
    : m_name(QStringLiteral("record-reader-") + QUuid::createUuid().toString(QUuid::Id128))
{
    const QString why = openDatabase(path, m_name, true);
    m_open = why.isEmpty();
    if (!m_open && QFileInfo::exists(path))
        m_error = why;
}

ProgressReader::~ProgressReader()
{
    if (m_open)
        closeDatabase(m_name);
}

QList<ChildFigures> ProgressReader::children(QDate today) const
{
    QList<ChildFigures> out;
    if (!m_open)
        return out;
    const QString week = dayStart(today.addDays(1 - today.dayOfWeek()));
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT p.name, sum(%1), sum(w.solver = p.name),"
                             " sum(%1 AND w.ended_at >= :week), sum(w.solver = p.name AND w.ended_at >= :week)"
                             " FROM players p JOIN words w ON w.id = p.word_id WHERE p.name <> ''"
                             " GROUP BY p.name ORDER BY p.name COLLATE NOCASE")
                  .arg(QLatin1String(Played)));
    q.bindValue(QStringLiteral(":week"), week);
    if (!q.exec())
        return out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(3).toInt(), q.value(4).toInt(), q.value(1).toInt(), q.value(2).toInt()});
    return out;
}

QList<int> ProgressReader::solvedPerDay(const QString& name, QDate today, int days) const
{
    QList<int> out(days, 0);
    if (!m_open || days <= 0)
        return out;
    const QDate first = today.addDays(1 - days);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT substr(ended_at, 1, 10), count(*) FROM words"
                             " WHERE solver = ? AND ended_at >= ? AND ended_at < ? GROUP BY 1"));
    q.addBindValue(name);
    q.addBindValue(dayStart(first));
    q.addBindValue(dayStart(today.addDays(1)));
    if (!q.exec())
        return out;
    while (q.next()) {
        const qint64 i = first.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
        if (i >= 0 && i < days)
            out[i] = q.value(1).toInt();
    }
    return out;
}

QList<TrickyWord> ProgressReader::trickiestWords(const QString& name, int limit) const
{
    QList<TrickyWord> out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT w.word, count(*), sum(w.outcome = 1), avg(w.misses) AS m"
                             " FROM players p JOIN words w ON w.id = p.word_id"
                             " WHERE p.name = ? AND w.outcome < 2"
                             " GROUP BY w.word HAVING m > 0 ORDER BY m DESC, count(*) DESC, w.word LIMIT ?"));
    q.addBindValue(name);
    q.addBindValue(limit);
    if (!q.exec())
        return out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toDouble()});
    return out;
}

QList<MissedLetter> ProgressReader::missedLetters(const QString& name, int limit) const
{
    QList<MissedLetter> out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT letter, count(*) AS n FROM letters WHERE player = ? AND hit = 0"
                             " GROUP BY letter ORDER BY n DESC, letter LIMIT ?"));
    q.addBindValue(name);
    q.addBindValue(limit);
    if (!q.exec())
        return out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(1).toInt()});
    return out;
}

QStringList ProgressReader::practiseWords(const QString& name, int language, const QString& listFile,
                                          const QDateTime& now) const
{
    QStringList out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    // For each word that went badly, when it last went badly; then the good solves since.
    q.prepare(QStringLiteral(
        "WITH mine AS (SELECT w.* FROM players p JOIN words w ON w.id = p.word_id"
        "              WHERE p.name = :n AND w.language = :lang AND w.list_file = :list),"
        " bad AS (SELECT word, max(ended_at) AS last_bad FROM mine"
        "         WHERE player_count = 1 AND (outcome = 1 OR misses >= 5) AND ended_at >= :since AND ended_at <= :now"
        "         GROUP BY word)"
        " SELECT bad.word, (SELECT max(ended_at) FROM mine WHERE mine.word = bad.word) AS last_seen FROM bad"
        " WHERE (SELECT count(*) FROM mine WHERE mine.word = bad.word AND mine.solver = :n"
        "        AND mine.misses <= 2 AND mine.ended_at > bad.last_bad) < 2"
        " ORDER BY last_seen, bad.word"));
    q.bindValue(QStringLiteral(":n"), name);
    q.bindValue(QStringLiteral(":lang"), language);
    q.bindValue(QStringLiteral(":list"), listFile);
    q.bindValue(QStringLiteral(":since"), stamp(now.addDays(-30)));
    q.bindValue(QStringLiteral(":now"), stamp(now));
    if (!q.exec())
        return out;
    while (q.next())
        out.push_back(q.value(0).toString());
    return out;
}

QString csvField(const QString& text)
{
    QString t = text;
    // A spreadsheet would run a cell beginning like this as a formula.
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t[0]))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))
        || t.contains(QLatin1Char('\r')) || t.contains(QLatin1Char(';')))
        t = QLatin1Char('"') + t.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return t;
}

QString ProgressReader::exportCsv(QIODevice& out) const
{
    auto put = [&](const QString& line) { return out.write((line + QStringLiteral("\r\n")).toUtf8()) >= 0; };
    if (!put(QStringLiteral("date,time,language,list,word,outcome,misses,hints,seconds,solved_by,players,letters")))
        return out.errorString();
    if (!m_open)
        return {};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT w.ended_at, w.language, w.list_file, w.word, w.outcome, w.misses, w.hints, w.seconds, w.solver,"
            " (SELECT group_concat(name, ' ') FROM (SELECT name FROM players WHERE word_id = w.id ORDER BY turn)),"
            " (SELECT group_concat(t, ' ') FROM (SELECT player || ':' || letter || iif(hit, '+', '-') AS t"
            "   FROM letters WHERE word_id = w.id ORDER BY seq))"
            " FROM words w ORDER BY w.ended_at, w.id")))
        return q.lastError().text();
    while (q.next()) {
        const QString at = q.value(0).toString();
        const QStringList row = {at.left(10),
                                 at.mid(11),
                                 QLatin1String(languageCode(q.value(1).toInt())),
                                 csvField(q.value(2).toString()),
                                 csvField(q.value(3).toString()),
                                 QLatin1String(outcomeName(q.value(4).toInt())),
                                 q.value(5).toString(),
                                 q.value(6).toString(),
                                 q.value(7).toString(),
                                 csvField(q.value(8).toString()),
                                 csvField(q.value(9).toString()),
                                 csvField(q.value(10).toString())};
        if (!put(row.join(QLatin1Char(','))))
            return out.errorString();
    }
    return {};
}

} // namespace record
