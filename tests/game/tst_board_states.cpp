// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows between the steps of a game: the tiles after the settings were changed at
// any moment, the cards before the first word, a lost word's solution and the hints left.
#include "GameSession.h"
#include "common/Pacing.h"

namespace {
// One tile per letter of the word on the board, all shown and in one row; the cards take guesses
// exactly while the word does.
void boardMatchesTheWord(const GameSession& s)
{
    const wupp& w = *s.window;
    const QString& word = w.round().word();
    QCOMPARE(w.board().fieldCount(), int(word.size()));
    // No tile of an earlier word is left on the board.
    int shownTiles = 0;
    for (const PictureLabel* label : w.board().findChildren<PictureLabel*>())
        if (label->objectName().startsWith(QLatin1String("Feld_")) && label->isVisible())
            ++shownTiles;
    QCOMPARE(shownTiles, w.board().fieldCount());
    QVERIFY(word.size() >= 4);
    for (int i = 1; i <= w.board().fieldCount(); ++i) {
        QVERIFY(!w.board().tile(i)->isHidden());
        QCOMPARE(w.board().tile(i)->y(), w.board().tile(1)->y());
    }
    QVERIFY(w.round().takesGuesses());
    for (QChar c : letters::current())
        QCOMPARE(w.board().card(rules::indexOf(c))->isEnabled(), !w.round().guessed(c));
}

QStringList visibleCards(const wupp& w)
{
    QStringList shown;
    for (int i = 0; i < rules::LetterCount; ++i)
        if (!w.board().card(i)->isHidden())
            shown << QString(rules::letterOf(i));
    return shown;
}
} // namespace

class BoardStatesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Pacing::setScale(0); }

    void settingsChangedAtAnyMoment_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("before the first word") << "idle" << 0;
        for (int ms : {0, 150, 450, 900, 1000, 1100, 1250, 1500})
            QTest::addRow("while the word is set up, after %d ms", ms) << "draw" << ms;
        QTest::newRow("waiting after a solved word") << "solved" << 0;
        QTest::newRow("while the solution is shown") << "solution" << 380;
        QTest::newRow("waiting after a lost word") << "lost" << 0;
    }

    // OK with a change deals a new word: whatever the game was doing, the board then holds that
    // word's tiles and nothing else, and its cards take guesses.
    void settingsChangedAtAnyMoment()
    {
        QFETCH(QString, moment);
        QFETCH(int, waitMs);
        GameSession s({QStringLiteral("Elefant"), QStringLiteral("Zitrone"), QStringLiteral("Maus")},
                      QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto& w = s.window;
        if (moment == "draw") {
            // A long word is being laid out, tile by tile with its sound.
            s.startGame();
            s.typeText(QStringLiteral("ELFANTZIROMUS"));
            Pacing::setScale(1);
            w->menu().mnuWeiter->trigger();
            QTest::qWait(waitMs);
        } else if (moment == "solved" || moment == "lost" || moment == "solution") {
            s.startGame();
            const QString word = w->round().word();
            QString misses;
            for (QChar c : QStringLiteral("BCDGHJKQVWXY"))
                if (!word.contains(c) && misses.size() < 8)
                    misses += c;
            if (moment == "solved") {
                s.typeText(word);
            } else {
                s.typeText(misses);
                Pacing::setScale(moment == "solution" ? 0.2 : 0);
                w->board().card(rules::indexOf(u'P'))->clicked();
                if (moment == "solution")
                    QTest::qWait(waitMs);
                else
                    settle(*w);
            }
        }
        // The next draw brings a shorter word.
        s.env.random.numbers.enqueue(0.99);
        Einst& d = s.open();
        // A name changed as a parent types it.
        typeText(d.Spieler_Name[0], QStringLiteral("x"));
        QVERIFY(g().EinstGeaendert);
        QTest::mouseClick(d.OK, Qt::LeftButton);
        Pacing::setScale(0);
        s.finish();
        QVERIFY(!w->busy());
        boardMatchesTheWord(s);
    }

    // A list without a word to play, chosen in the options (a new list not filled yet): the players
    // are told, and no tile of the word before stays on the board, nor can its cards be played.
    void listWithoutWordsLeavesNoTiles_data()
    {
        QTest::addColumn<bool>("waiting");
        QTest::newRow("word in play") << false;
        QTest::newRow("word solved, waiting") << true;
    }

    void listWithoutWordsLeavesNoTiles()
    {
        QFETCH(bool, waiting);
        GameSession s({QStringLiteral("Elefant")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        s.writeWords(QStringLiteral("leer.dat"), {});
        auto& w = s.window;
        s.startGame();
        s.typeText(waiting ? QStringLiteral("ELFANT") : QStringLiteral("E"));
        Einst& d = s.open();
        clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("leer.dat")));
        QVERIFY(g().EinstGeaendert);
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
        QVERIFY(s.env.dialogs.texts().join(u' ').contains(QStringLiteral("leer.dat")));
        QCOMPARE(w->board().fieldCount(), 0);
        for (const PictureLabel* label : w->board().findChildren<PictureLabel*>())
            QVERIFY2(!label->objectName().startsWith(QLatin1String("Feld_")) || !label->isVisible(), qPrintable(label->objectName()));
        QVERIFY(!w->round().takesGuesses());
        QVERIFY(!w->menu().mnuWeiter->isEnabled() && w->board().button(3)->isHidden());
        for (QChar c : letters::current())
            QVERIFY(!w->board().card(rules::indexOf(c))->isEnabled());
        s.typeText(QStringLiteral("L"));
        QCOMPARE(w->board().fieldCount(), 0);
    }

    // Before the first word the line holds every card of the language: the umlauts of German, the
    // Swedish Å in the place of the Ü, no umlaut in English.
    void cardsOfTheLanguageBeforeTheFirstWord()
    {
        GameSession s;
        auto& w = s.window;
        const QString german = QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z Ä Ö Ü");
        QCOMPARE(visibleCards(*w).join(u' '), german);
        QVERIFY(!w->board().card(26)->isEnabled());
        w->menu().mnuLang[2]->trigger();
        settle(*w);
        QCOMPARE(visibleCards(*w).join(u' '), QString(german).replace(QStringLiteral("Ü"), QStringLiteral("Å")));
        w->menu().mnuLang[1]->trigger();
        settle(*w);
        QCOMPARE(visibleCards(*w).join(u' '), german.left(51));
        // The first word finds them as they are.
        s.startGame();
        QCOMPARE(visibleCards(*w).join(u' '), german.left(51));
    }

    // The letters nobody found stand apart from the found ones; a solved word has none of them.
    void lostWordsSolutionStandsApart()
    {
        GameSession s({QStringLiteral("Anna")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto& w = s.window;
        s.startGame();
        s.typeText(QStringLiteral("A"));
        s.typeText(QStringLiteral("BCDEFGHIJ"));
        QCOMPARE(s.board(), QStringLiteral("ANNA"));
        QList<bool> apart;
        for (int i = 1; i <= 4; ++i)
            apart << w->board().tile(i)->shownOnly();
        QCOMPARE(apart, (QList<bool>{false, true, true, false}));
        // A found letter and a shown one look different on the screen, not in colour only.
        const QImage found = w->board().tile(1)->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        const QImage shown = w->board().tile(2)->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(found.size(), shown.size());
        QVERIFY(found != shown);
        s.next();
        s.typeText(QStringLiteral("AN"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!w->board().tile(i)->shownOnly());
    }

    // The hint button counts down the hints left for the word.
    void hintButtonShowsTheHintsLeft()
    {
        GameSession s({QStringLiteral("Zebra")}, QStringLiteral("[Einstellungen]\nTipps= 3\nWiederholung=-1\n"));
        auto& w = s.window;
        QCOMPARE(w->board().hintsShown(), 0);
        s.startGame();
        QCOMPARE(w->board().hintsShown(), 3);
        const QImage three = w->board().button(2)->icon().pixmap(w->board().button(2)->iconSize()).toImage();
        w->menu().mnuTipp->trigger();
        settle(*w);
        QCOMPARE(w->board().hintsShown(), 2);
        QVERIFY(w->board().button(2)->icon().pixmap(w->board().button(2)->iconSize()).toImage() != three);
        w->menu().mnuTipp->trigger();
        settle(*w);
        QCOMPARE(w->board().hintsShown(), 1);
        w->menu().mnuTipp->trigger();
        settle(*w);
        QCOMPARE(w->board().hintsShown(), 0);
        QVERIFY(w->board().button(2)->isHidden());
        // The next word has its three again.
        s.typeText(QStringLiteral("ZEBRA"));
        s.next();
        QCOMPARE(w->board().hintsShown(), 3);
    }
};

QTEST_MAIN(BoardStatesTest)
#include "tst_board_states.moc"
