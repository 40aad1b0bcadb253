// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a child who cannot rely on colour or sight is given: names and roles for the board's
// controls in the current language, a status line that names each outcome, a star beside the
// name of the player whose turn it is, and a stroke across the cards left when a word is over.
// Asked through Qt's accessibility interfaces, the ones the screen-reader bridge reads.
#include "GameSession.h"
#include "game/BoardColours.h"

#include <QAccessible>
#include <cmath>

namespace {
QString nameOf(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(none)");
}
QAccessible::Role roleOf(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->role() : QAccessible::NoRole;
}
const QString twoPlayers = QStringLiteral("[Einstellungen]\nAnzahl= 2\nSpieler1=Vaduza\nSpieler2=Nils\nSound= 0\n");
} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    // Every name of the board, and the latest news, told again in the language switched to.
    void namesFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        // empty tile, uncovered tile, picture, active row, waiting row, hint button, status
        QTest::addColumn<QStringList>("names");
        QTest::newRow("German") << 0
            << QStringList{"Buchstabe 1 von 4: leer", "Buchstabe 2 von 4: A", "Bild: 1 von 9 Fehlern",
                           "Nils, 0 Punkte, du bist dran", "Vaduza, 0 Punkte", "Buchstaben anzeigen",
                           "X ist nicht im Wort. Nils ist dran."};
        QTest::newRow("English") << 1
            << QStringList{"letter 1 of 4: empty", "letter 2 of 4: A", "picture: 1 of 9 misses",
                           "Nils, 0 points, your turn", "Vaduza, 0 points", "Show hint",
                           "X is not in the word. It is Nils's turn."};
        QTest::newRow("Swedish") << 2
            << QStringList{"bokstav 1 av 4: tom", "bokstav 2 av 4: A", "bild: 1 av 9 missar",
                           "Nils, 0 poäng, din tur", "Vaduza, 0 poäng", "Visa bokstav",
                           "X finns inte i ordet. Nils är på tur."};
        QTest::newRow("Italian") << 3
            << QStringList{"lettera 1 di 4: vuota", "lettera 2 di 4: A", "immagine: 1 di 9 errori",
                           "Nils, 0 punti, tocca a te", "Vaduza, 0 punti", "Mostrare la consonante",
                           "X non è nella parola. Tocca a Nils."};
    }
    void namesFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, names);
        GameSession s({QStringLiteral("Ball")}, twoPlayers);
        wupp& w = *s.window;
        s.startGame();
        s.click(u'A');
        s.click(u'X');
        // The re-labelling the language menu does once the game's question is answered.
        g().SprachOffset = qint16(language * 1000);
        w.Sprache();
        QCOMPARE(nameOf(w.board().tile(1)), names[0]);
        QCOMPARE(nameOf(w.board().tile(2)), names[1]);
        QCOMPARE(nameOf(w.board().stage(1)), names[2]);
        QCOMPARE(nameOf(w.board().nameRow(1)), names[3]);
        QCOMPARE(nameOf(w.board().nameRow(0)), names[4]);
        QCOMPARE(nameOf(w.board().button(2)), names[5]);
        QCOMPARE(nameOf(w.board().statusLine()), names[6]);
        // Cards are buttons named by their letter; a reader can press them.
        QCOMPARE(roleOf(w.board().card(1)), QAccessible::Button);
        QCOMPARE(nameOf(w.board().card(1)), QStringLiteral("B"));
        QCOMPARE(roleOf(w.board().statusLine()), QAccessible::StatusBar);
    }

    void aCardIsPressedThroughItsAccessibleAction()
    {
        GameSession s({QStringLiteral("Ball")}, twoPlayers);
        s.startGame();
        QAccessibleInterface* card = QAccessible::queryAccessibleInterface(s.window->board().card(1));
        QVERIFY(card && card->actionInterface());
        card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        settle(*s.window);
        QCOMPARE(s.board(), QStringLiteral("B___"));
        QCOMPARE(nameOf(s.window->board().statusLine()), QStringLiteral("B ist im Wort."));
    }

    // Each outcome is named as it is shown: a hit, a miss with the turn passed, a lost word with
    // its solution, a solved word, and the winner of the game.
    void outcomesAreAnnounced()
    {
        GameSession lost({QStringLiteral("Ball")}, twoPlayers);
        wupp& w = *lost.window;
        QCOMPARE(nameOf(w.board().statusLine()), QStringLiteral("Mit \u201eSpiel starten\u201c geht es los."));
        lost.startGame();
        QCOMPARE(nameOf(w.board().statusLine()), QStringLiteral("Vaduza ist dran."));
        lost.click(u'L');
        QCOMPARE(nameOf(w.board().statusLine()), QStringLiteral("L ist im Wort."));
        lost.typeText(QStringLiteral("CDEFGHIJ"));
        QCOMPARE(nameOf(w.board().statusLine()), QStringLiteral("J ist nicht im Wort. Vaduza ist dran."));
        lost.click(u'K');
        QCOMPARE(nameOf(w.board().statusLine()),
                 QStringLiteral("K ist nicht im Wort. Das Wort ist verloren. Nils ist dran. Das Wort war BALL."));

        const QStringList words{"Anna", "Otto", "Ebbe", "Mama", "Papa", "Lulu", "Kiki", "Gaga"};
        GameSession won(words, QStringLiteral("[Einstellungen]\nAnzahl= 1\nSpieler1=Vaduza\nSound= 0\n"));
        won.startGame();
        for (int i = 0; i < int(words.size()); ++i) {
            const QString word = won.window->round().word().toUpper();
            QVERIFY(!word.isEmpty());
            won.click(word[0]);
            won.click(word[1]);
            if (i + 1 < int(words.size())) {
                QCOMPARE(nameOf(won.window->board().statusLine()), QStringLiteral("Gelöst: %1!").arg(word));
                won.next();
            } else {
                QCOMPARE(nameOf(won.window->board().statusLine()),
                         QStringLiteral("Gelöst: %1! Vaduza hat gewonnen!").arg(word));
            }
        }
    }

    // The star stands beside the active name only, and moves with the turn; the struck cards
    // wait with the board for the next word.
    void turnStarAndStruckCards()
    {
        GameSession s({QStringLiteral("Ball")}, twoPlayers);
        wupp& w = *s.window;
        s.startGame();
        QVERIFY(w.board().nameRow(0)->marked());
        QVERIFY(!w.board().nameRow(1)->marked());
        // The room for the star is kept on every row, so a name never moves.
        QCOMPARE(w.board().nameRow(0)->indent(), w.board().nameRow(1)->indent());
        QVERIFY(w.board().nameRow(0)->indent() >= 20);
        s.click(u'X');
        QVERIFY(!w.board().nameRow(0)->marked());
        QVERIFY(w.board().nameRow(1)->marked());
        // The star is drawn: gold pixels in the indent of the active row.
        const QImage row = w.board().nameRow(1)->grab().toImage();
        int gold = 0;
        for (int y = 0; y < row.height(); ++y)
            for (int x = 0; x < w.board().nameRow(1)->indent(); ++x)
                gold += row.pixelColor(x, y) == QColor::fromRgb(0xffd700);
        QVERIFY2(gold > 20, qPrintable(QString::number(gold)));
        QVERIFY(!w.board().card(2)->struck());
        s.typeText(QStringLiteral("CDEFGHI"));
        QVERIFY(!w.board().card(2)->struck());
        s.click(u'K');
        for (int i = 0; i < 26; ++i)
            QCOMPARE(w.board().card(i)->struck(), true);
        s.next();
        for (int i = 0; i < 26; ++i)
            QCOMPARE(w.board().card(i)->struck(), false);
    }

    // Deutlich= 0 gives the classic look back: the old colours, no star, no stroke.
    void classicLookSwitchesBack()
    {
        GameSession s({QStringLiteral("Ball")}, twoPlayers + QStringLiteral("[Optionen]\nDeutlich= 0\n"));
        wupp& w = *s.window;
        s.startGame();
        QCOMPARE(w.board().nameRow(0)->background(), fromBgr(0x0000FF));
        QCOMPARE(w.board().nameRow(0)->textColour(), fromBgr(0xFFFFFF));
        QCOMPARE(w.board().nameRow(1)->background(), fromBgr(0xFF0000));
        QCOMPARE(w.board().nameRow(1)->textColour(), fromBgr(0xC0C0C0));
        QVERIFY(!w.board().nameRow(0)->marked());
        QCOMPARE(w.board().nameRow(0)->indent(), int(std::lround(4 * w.board().scale())));
        s.typeText(QStringLiteral("CDEFGHIJK"));
        QVERIFY(!w.board().card(2)->struck());
        // The names and the news are there all the same.
        QCOMPARE(nameOf(w.board().nameRow(0)), QStringLiteral("Vaduza, 0 Punkte"));
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
