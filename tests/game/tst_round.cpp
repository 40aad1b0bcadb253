// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The round of play without any window: every outcome of a guess and the hint, and the
// small rules of play: the turn, the cheers, names too long for their row.
#include "common/Platform.h"
#include "game/Round.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "i18n/Letters.h"

#include <QTest>

namespace {
const QString German = letters::ofLanguage(Lang::German);

// Plays `guesses` one after another; each outcome as a letter: Hit, Miss, Solved, Won, Lost,
// Ignored.
QString play(Round& round, const QString& guesses)
{
    static const char codes[] = {'I', 'H', 'M', 'S', 'W', 'L'};
    QString kinds;
    for (QChar c : guesses)
        kinds += QLatin1Char(codes[int(round.guess(c).kind)]);
    return kinds;
}

} // namespace

class RoundTest : public QObject {
    Q_OBJECT
private slots:
    void guesses_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("guesses");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("player");
        QTest::newRow("hit keeps the turn, a miss passes it, wrapping")
            << "Apfel" << 3 << "AXYZ" << "HMMM" << 3 << 0;
        QTest::newRow("ninth miss loses; nothing counts after it")
            << "Ball" << 2 << "CDEFGHIJKAB" << "MMMMMMMMLII" << 9 << 1;
        QTest::newRow("last letter solves; a miss behind it is ignored")
            << "Igel" << 2 << "IGELX" << "HHHSI" << 0 << 0;
        QTest::newRow("a letter guessed twice counts once") << "Ball" << 2 << "BBXX" << "HIMI" << 1 << 1;
        QTest::newRow("lower case and umlauts") << "Bär" << 1 << QString::fromUtf8("äbR") << "HHS" << 0 << 0;
        QTest::newRow("a letter the language lacks is ignored") << "Apfel" << 2 << QString::fromUtf8("Å1 ") << "III"
                                                                << 0 << 0;
        QTest::newRow("a character without a button keeps the word open")
            << "Ab-c" << 1 << "ABCDEFGHIJKL" << "HHHMMMMMMMML" << 9 << 0;
    }

    void guesses()
    {
        QFETCH(QString, word);
        QFETCH(int, players);
        QFETCH(QString, guesses);
        QFETCH(QString, kinds);
        QFETCH(int, stage);
        QFETCH(int, player);
        Round round;
        round.newGame(players);
        QCOMPARE(play(round, QStringLiteral("A")), QStringLiteral("I")); // no word in play yet
        round.beginWord(word, German, 3);
        QCOMPARE(play(round, guesses), kinds);
        QCOMPARE(round.stage(), stage);
        QCOMPARE(round.player(), player);
        QCOMPARE(round.takesGuesses(), !kinds.contains(u'S') && !kinds.contains(u'L'));
    }

    void hitUncoversEveryPosition()
    {
        Round round;
        round.newGame(2);
        round.beginWord(QStringLiteral("Puppe"), German, 0);
        const GuessOutcome p = round.guess(u'P');
        QCOMPARE(p.positions, (QList<int>{1, 3, 4}));
        QCOMPARE(round.hits(), 3);
        QCOMPARE(p.word, QStringLiteral("PUPPE"));
        round.guess(u'X');
        round.guess(u'U');
        const GuessOutcome e = round.guess(u'E');
        QCOMPARE(e.kind, Guess::Solved);
        QCOMPARE(e.positions, QList<int>{5});
        // The second player solved it, scores and keeps the turn.
        QCOMPARE(e.player, 1);
        QCOMPARE(e.nextPlayer, 1);
        QCOMPARE(e.score, 1);
        QCOMPARE(round.score(0), 0);
    }

    void eighthPointWinsForTheGuesser()
    {
        Round round;
        round.newGame(1);
        for (int word = 1; word <= 8; ++word) {
            round.beginWord(QStringLiteral("Ei"), German, 0);
            round.guess(u'E');
            const GuessOutcome out = round.guess(u'I');
            QCOMPARE(out.kind, word == 8 ? Guess::Won : Guess::Solved);
            QCOMPARE(out.score, word);
        }
        round.newGame(1);
        QCOMPARE(round.score(0), 0);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("allowed");
        QTest::addColumn<QString>("guessedFirst");
        QTest::addColumn<QString>("hinted"); // letter per hint, '-' no letter left, '!' refused
        QTest::addColumn<QString>("commandOn");
        QTest::newRow("button order, the third hint reaches the limit")
            << "Zebra" << 3 << "" << "ABE!" << "110";
        QTest::newRow("umlauts after Z") << QString::fromUtf8("Ärger") << 2 << "EGR" << QString::fromUtf8("Ä!")
                                         << "1";
        QTest::newRow("no hints allowed") << "Zebra" << 0 << "" << "!" << "";
        QTest::newRow("refused once the word is solved") << "Abba" << 3 << "" << "AB!" << "11";
        QTest::newRow("nothing left to uncover uses the hint") << "Ab-c" << 2 << "ABC" << "--!" << "10";
    }

    void hints()
    {
        QFETCH(QString, word);
        QFETCH(int, allowed);
        QFETCH(QString, guessedFirst);
        QFETCH(QString, hinted);
        QFETCH(QString, commandOn);
        Round round;
        round.newGame(1);
        round.beginWord(word, German, allowed);
        play(round, guessedFirst);
        QString letters, on;
        for (int i = 0; i < hinted.size(); ++i) {
            const HintOutcome h = round.hint();
            if (!h.taken) {
                letters += u'!';
                continue;
            }
            letters += h.letter.isNull() ? QChar(u'-') : h.letter;
            on += h.commandOn ? u'1' : u'0';
            QCOMPARE(round.hintAvailable(), h.commandOn);
            if (!h.letter.isNull())
                QVERIFY(round.guess(h.letter).kind != Guess::Ignored);
        }
        QCOMPARE(letters, hinted);
        QCOMPARE(on, commandOn);
    }

    // The hint picks in the order of the cards: in Swedish, Å before Ä and Ö.
    void swedishHintsFollowTheCards()
    {
        Round round;
        round.newGame(1);
        round.beginWord(QStringLiteral("ÖLÄÅ"), letters::ofLanguage(Lang::Swedish), 3);
        QString hinted;
        for (int i = 0; i < 3; ++i) {
            const QChar letter = round.hint().letter;
            hinted += letter;
            round.guess(letter);
        }
        QCOMPARE(hinted, QStringLiteral("LÅÄ"));
    }

    void turnPassesInRowOrder()
    {
        QCOMPARE(rules::nextPlayer(0, 1), 0);
        QCOMPARE(rules::nextPlayer(2, 3), 0);
        QCOMPARE(rules::nextPlayer(1, 3), 2);
        // A player beyond a reduced count comes back to player 1.
        QCOMPARE(rules::nextPlayer(3, 2), 0);
    }

    void cheersFollowTheirOdds()
    {
        QMap<int, int> counts;
        const int samples = 70000;
        for (int i = 0; i < samples; ++i)
            ++counts[rules::cheerSound((i + 0.5) / samples)];
        QCOMPARE(counts.keys(), (QList<int>{106, 107, 108, 109, 110, 111, 112, 113}));
        for (int id = 108; id <= 113; ++id)
            QVERIFY2(qAbs(counts[id] - samples / 7) <= 2, qPrintable(QString::number(id)));
        QVERIFY(qAbs(counts[106] - samples / 14) <= 2);
        QVERIFY(qAbs(counts[107] - samples / 14) <= 2);
        QCOMPARE(rules::cheerSound(0.0), 107);
        QCOMPARE(rules::cheerSound(0.999999), 106);
    }

    void longNamesAreShortened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << "Anna" << 10 << "Anna";
        QTest::newRow("one cut") << "Maximilian1" << 10 << "Maximilia.";
        QTest::newRow("never below 9") << "Wolfgangus Amadeus" << 3 << "Wolfgang.";
        QTest::newRow("fewer than 10 never cut") << "Friedrich" << 3 << "Friedrich";
        QTest::newRow("cut until it fits") << "Christopherus" << 11 << "Christophe.";
    }

    void longNamesAreShortened()
    {
        QFETCH(QString, name);
        QFETCH(int, room);
        QFETCH(QString, shown);
        // Width measured as one unit per character.
        QCOMPARE(rules::shortenName(name, [room](const QString& s) { return s.size() > room; }), shown);
    }

    // A megabyte pasted into a name box once froze the game for minutes: every character removed
    // measured the whole name again.
    void aHugeNameIsMeasuredAFewTimes()
    {
        const QString name = QStringLiteral("Kunigunde") + QString(100'000, u'x');
        int measured = 0;
        const QString shown = rules::shortenName(name, [&](const QString& s) {
            ++measured;
            return s.size() > 12;
        });
        QCOMPARE(shown, QStringLiteral("Kunigundexx."));
        QVERIFY2(measured <= 30, qPrintable(QString::number(measured)));
    }
};

QTEST_GUILESS_MAIN(RoundTest)
#include "tst_round.moc"
