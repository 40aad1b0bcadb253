// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The draw of the next word through the window: the repetition setting reaches the draw, an empty
// pool is filled again from the file, each draw is seeded from the clock, and a word of twenty
// letters gets its twenty tiles. The draw itself is tst_round's.
#include "GameSession.h"

class WordDrawTest : public QObject {
    Q_OBJECT
private slots:
    void drawsFollowTheRepetitionRule_data()
    {
        QTest::addColumn<bool>("allWords");
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QStringList>("drawn");
        QTest::addColumn<QStringList>("poolAfter");
        // Drawn words leave the pool; once it runs empty it is filled again from the file.
        QTest::newRow("unguessed words") << false << QList<double>{0.5, 0.0, 0.99} << QStringList{"BIENE", "AFFE", "DACHS"}
                                         << QStringList{"Affe", "Biene", "Dachs"};
        QTest::newRow("all words, the same at once") << true << QList<double>{0.1, 0.2} << QStringList{"AFFE", "AFFE"}
                                                     << QStringList{"Affe", "Biene", "Dachs"};
    }

    void drawsFollowTheRepetitionRule()
    {
        QFETCH(bool, allWords);
        QFETCH(QList<double>, numbers);
        GameSession s({QStringLiteral("Affe"), QStringLiteral("Biene"), QStringLiteral("Dachs")},
                      QStringLiteral("[Einstellungen]\nWiederholung=%1\n").arg(allWords ? -1 : 0));
        QStringList drawn;
        for (double r : numbers) {
            s.env.random.numbers.enqueue(r);
            // Each draw is a new game: the question before it is answered Yes.
            if (!drawn.isEmpty())
                s.env.dialogs.answers.enqueue(Answer::Yes);
            s.startGame();
            drawn << s.window->round().word();
        }
        QTEST(drawn, "drawn");
        QTEST(s.window->pool().words(), "poolAfter");
        QCOMPARE(s.env.random.seeds, QList<double>(numbers.size(), s.env.clock.now));
    }

    void twentyLetterWordGetsTwentyTiles()
    {
        GameSession s({QStringLiteral("Schneeballschlachten")});
        s.startGame();
        auto& w = *s.window;
        QCOMPARE(w.board().fieldCount(), 20);
        for (int i = 2; i <= 20; ++i)
            QVERIFY(std::abs(w.board().tile(i)->x() - w.board().tile(i - 1)->x() - 30 * w.board().scale()) <= 1);
        // With sound on, one pop per tile after the jingle.
        QCOMPARE(s.env.sound.played.count(104), 20);
        QCOMPARE(s.env.sound.played.first(), 100);
    }
};

QTEST_MAIN(WordDrawTest)
#include "tst_word_draw.moc"
