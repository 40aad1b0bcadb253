// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps words in a record file as fast as it can until it is killed. Every run keeps the same
// words in the same order, so a run after a kill hands in again what the last one kept.
// Prints the number of each word once it is committed.
#include "record/RecordDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (const QString why = record::openForWriting(path, QStringLiteral("looper")); !why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("looper"));
    std::printf("ready\n");
    std::fflush(stdout);
    const QDateTime start(QDate(2026, 12, 7), QTime(8, 0));
    for (int i = 0;; ++i) {
        record::WordRecord w;
        w.key = QStringLiteral("word-%1").arg(i);
        w.endedAt = start.addSecs(i);
        w.listFile = QStringLiteral("wupp.dat");
        w.word = QStringLiteral("SCHMETTERLING");
        w.outcome = record::Outcome::Lost;
        w.players = {QStringLiteral("Anna"), QStringLiteral("Ben")};
        for (int k = 0; k < 26; ++k)
            w.letters.push_back({QChar(u'A' + k), k % 3 == 0, w.players[k % 2]});
        w.misses = 9;
        if (const QString why = record::writeWord(db, w); !why.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
