// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A week of play by two children, kept in a record, then the progress window as a picture and
// the record as CSV: `progress_shot <folder> <language 0..3>` writes progress.png and
// progress.csv there.
#include "RecordTestData.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "record/ProgressReader.h"
#include "record/ProgressWindow.h"
#include "record/RecordStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace record;

namespace {
class QuietDialogs final : public Dialogs {
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, bool) override { return {}; }
};

// Letters as a child tries them: the word's own letters, with `misses` wrong ones among them.
QString tries(const QString& word, int misses)
{
    static const QString wrong = QStringLiteral("QXYJVWCDFGKP");
    QString out;
    int m = 0;
    QString seen;
    for (QChar c : word) {
        if (m < misses && !wrong.contains(c)) {
            out += wrong[m++];
            out += QLatin1Char('-');
        }
        if (!seen.contains(c)) {
            seen += c;
            out += c;
            out += QLatin1Char('+');
        }
    }
    while (m < misses) {
        out += wrong[m++];
        out += QLatin1Char('-');
    }
    return out;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QuietDialogs dialogs;
    platform().dialogs = &dialogs;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    g().SprachOffset = qint16(1000 * (argc > 2 ? QString::fromLatin1(argv[2]).toInt() : 1));
    const QString path = QDir(folder).filePath(QStringLiteral("Wupple.db"));
    QFile::remove(path);
    const QStringList words{"APFEL", "BIRNE", "ELEFANT", "GIRAFFE", "HAUS", "KATZE", "MAUS", "SCHMETTERLING",
                            "TOMATE", "ZEBRA", "FAHRRAD", "BLUME", "SONNE", "WOLKE"};
    const QDate today = QDate::currentDate();
    QDir().mkpath(folder);
    RecordStore store(path);
    {
        int n = 0;
        for (int day = 6; day >= 0; --day) {
            // Anna plays alone every afternoon; Ben joins her on some days and plays alone on others.
            for (int i = 0; i < 5 + (day % 3) * 2; ++i, ++n) {
                const QString w = words[(n * 5) % words.size()];
                const int misses = (w.size() > 6 ? 4 : 1) + (n % 4 == 0 ? 5 : n % 3);
                const QDateTime at(today.addDays(-day), QTime(15, 0).addSecs(i * 240));
                WordRecord played = recordtest::word(w, misses >= 9 ? Outcome::Lost : Outcome::Solved, {"Anna"},
                                                     tries(w, std::min(misses, 9)), at);
                played.seconds = 25 + 9 * misses;
                played.hints = misses > 6 ? 1 : 0;
                store.record(played);
            }
            for (int i = 0; i < (day % 2 ? 6 : 3); ++i, ++n) {
                const QString w = words[(n * 3) % words.size()];
                const int misses = n % 5 + (w.contains(QLatin1Char('F')) ? 3 : 0);
                const bool together = day % 2 == 0;
                const QStringList players = together ? QStringList{"Ben", "Anna"} : QStringList{"Ben"};
                const QDateTime at(today.addDays(-day), QTime(17, 0).addSecs(i * 300));
                store.record(recordtest::word(w, misses >= 9 ? Outcome::Lost : Outcome::Solved, players,
                                              tries(w, std::min(misses, 9)), at, together ? n % 2 : 0));
            }
        }
        store.flush();
    }
    QFile csv(QDir(folder).filePath(QStringLiteral("progress.csv")));
    csv.open(QIODevice::WriteOnly);
    ProgressReader(path).exportCsv(csv);
    csv.close();

    ProgressWindow::setChartFolder(qEnvironmentVariable("WUPPLE_RUNTIME_DIR"));
    ProgressWindow window(path, &store);
    window.show();
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QStringLiteral("progress.png")));
    return 0;
}
