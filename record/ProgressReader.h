// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the progress window and the words that come back for practice, read from the
// record through a read-only connection of their own.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace record {

struct ChildFigures {
    QString name;
    int weekPlayed = 0;
    int weekSolved = 0;
    int played = 0;
    int solved = 0;
    bool operator==(const ChildFigures&) const = default;
};

struct TrickyWord {
    QString word;
    int plays = 0;
    int lost = 0;
    double averageMisses = 0;
};

struct MissedLetter {
    QString letter;
    int count = 0;
};

// Words from one to nine misses, or lost, count as played; a word left behind counts only when
// a letter was tried in it.
class ProgressReader final {
public:
    explicit ProgressReader(const QString& path);
    ~ProgressReader();
    ProgressReader(const ProgressReader&) = delete;
    ProgressReader& operator=(const ProgressReader&) = delete;

    // Empty when the record could be read or does not exist yet.
    const QString& error() const { return m_error; }
    bool hasRecord() const { return m_open; }

    // Every child with a word in the record, by name; the week begins on Monday.
    QList<ChildFigures> children(QDate today) const;
    // Words solved on each of the last `days` days, the oldest first, today last.
    QList<int> solvedPerDay(const QString& name, QDate today, int days = 30) const;
    // The words that took the most misses on average (a lost word counts nine).
    QList<TrickyWord> trickiestWords(const QString& name, int limit = 10) const;
    // The letters this child tried most often in vain.
    QList<MissedLetter> missedLetters(const QString& name, int limit = 10) const;

    // The words of this list that `name`, playing alone, lost or needed five or more misses for
    // within the 30 days before `now`, and has not solved twice with two misses or fewer since.
    // The one practised longest ago comes first.
    QStringList practiseWords(const QString& name, int language, const QString& listFile, const QDateTime& now) const;

    // One row per word, UTF-8 with a header. Returns why it failed, or an empty string.
    QString exportCsv(QIODevice& out) const;

private:
    QString m_name;
    QString m_error;
    bool m_open = false;
};

// A text made safe for one field of a CSV row: quoted where needed, and never read as a formula.
QString csvField(const QString& text);

} // namespace record
