// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record of play with 100,000 words: how long the progress window takes to open, and what
// handing a word to the record costs the board.
#include "Bench.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "record/PlayRecorder.h"
#include "record/ProgressWindow.h"
#include "record/RecordDatabase.h"
#include "record/RecordStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
class QuietDialogs final : public Dialogs {
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, bool) override { return {}; }
};

// Five children over a year and a half, alone or two by two, about nine letters a word.
void fill(const QString& path, int words)
{
    record::openForWriting(path, QStringLiteral("fill"));
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("fill"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        const QStringList children{"Anna", "Ben", "Clara", "David", "Emil"};
        const QStringList list{"APFEL", "BIRNE", "ELEFANT", "GIRAFFE", "HAUS", "KATZE", "MAUS", "SCHMETTERLING",
                               "TOMATE", "ZEBRA", "FAHRRAD", "BLUME", "SONNE", "WOLKE", "REGEN", "SCHNEE"};
        auto* random = QRandomGenerator::global();
        const QDateTime now = QDateTime::currentDateTime();
        QSqlQuery w(db), p(db), l(db);
        w.prepare("INSERT INTO words (key, ended_at, language, list_file, word, outcome, misses, hints, seconds, solver,"
                  " player_count, tried) VALUES (?,?,0,'wupp.dat',?,?,?,0,?,?,?,?)");
        p.prepare("INSERT INTO players (word_id, turn, name) VALUES (?,?,?)");
        l.prepare("INSERT INTO letters (word_id, seq, letter, hit, player) VALUES (?,?,?,?,?)");
        for (int i = 0; i < words; ++i) {
            const int players = 1 + random->bounded(2);
            const int first = random->bounded(5);
            const QString word = list[random->bounded(int(list.size()))];
            const int misses = random->bounded(10);
            const bool lost = misses == 9;
            const int tried = misses + 5;
            const QString solver = lost ? QString() : children[(first + misses % players) % 5];
            w.addBindValue(QStringLiteral("bench-%1").arg(i));
            w.addBindValue(now.addSecs(-qint64(random->bounded(550 * 86400))).toString(Qt::ISODate).left(19));
            w.addBindValue(word);
            w.addBindValue(lost ? 1 : 0);
            w.addBindValue(misses);
            w.addBindValue(random->bounded(300));
            w.addBindValue(solver);
            w.addBindValue(players);
            w.addBindValue(tried);
            w.exec();
            const QVariant id = w.lastInsertId();
            for (int t = 0; t < players; ++t) {
                p.addBindValue(id);
                p.addBindValue(t + 1);
                p.addBindValue(children[(first + t) % 5]);
                p.exec();
            }
            for (int k = 0; k < tried; ++k) {
                l.addBindValue(id);
                l.addBindValue(k + 1);
                l.addBindValue(QString(QChar(u'A' + random->bounded(26))));
                l.addBindValue(k < misses ? 0 : 1);
                l.addBindValue(children[(first + k % players) % 5]);
                l.exec();
            }
        }
        q.exec(QStringLiteral("COMMIT"));
    }
    record::closeDatabase(QStringLiteral("fill"));
}

double openWindow(const QString& path)
{
    QElapsedTimer t;
    t.start();
    auto* window = new record::ProgressWindow(path, nullptr);
    window->show();
    QApplication::processEvents();
    (void)window->grab();
    const double ms = t.nsecsElapsed() / 1e6;
    delete window;
    return ms;
}

void progress()
{
    QuietDialogs dialogs;
    platform().dialogs = &dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Wupple.db"));
    QElapsedTimer t;
    t.start();
    fill(path, 100000);
    const double filled = t.elapsed() / 1000.0;
    bench::report(QStringLiteral("record: 100,000 words written in one go"), filled, QStringLiteral("s"), QStringLiteral("-"));
    record::ProgressWindow::setChartFolder(QApplication::applicationDirPath() + QStringLiteral("/.."));
    bench::report(QStringLiteral("progress window, 100,000 words, first opening (chart library loaded)"), openWindow(path),
                  QStringLiteral("ms"), QStringLiteral("<= 300 ms"));
    double worst = 0;
    for (int i = 0; i < 5; ++i)
        worst = std::max(worst, openWindow(path));
    bench::report(QStringLiteral("progress window, 100,000 words, slowest of five more openings"), worst,
                  QStringLiteral("ms"), QStringLiteral("<= 300 ms"));

    // What the board pays when a word ends: the word made whole and handed to the writing thread.
    record::RecordStore store(path);
    record::PlayRecorder recorder([&](const record::WordRecord& w) { store.record(w); });
    double slowest = 0;
    for (int i = 0; i < 200; ++i) {
        recorder.begin(QStringLiteral("SCHMETTERLING"), 0, QStringLiteral("wupp.dat"), {QStringLiteral("Anna")});
        for (int k = 0; k < 20; ++k)
            recorder.letterTried(QChar(u'A' + k), k % 2, 0);
        QElapsedTimer e;
        e.start();
        recorder.end(record::Outcome::Solved, 9, 0);
        slowest = std::max(slowest, e.nsecsElapsed() / 1e6);
    }
    store.flush();
    bench::report(QStringLiteral("a word handed to the record, slowest of 200, on the board's thread"), slowest,
                  QStringLiteral("ms"), QStringLiteral("<= 2 ms"));
    platform().dialogs = nullptr;
}
} // namespace

WUPPLE_BENCHMARK("record", progress);
