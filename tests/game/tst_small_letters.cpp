// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small letters: the cards a..z with the language's ä ö ü å, the tiles as the list writes the word
// (a German noun keeps its capital), the keys as before, and capitals when the option is off.
#include "GameSession.h"
#include "LetterCards.h"
#include "Pictures.h"

#include <QFontDatabase>
#include <QMenu>

namespace {

int letter(QChar c) { return rules::indexOf(c); }

// A picture of the window, saved when WUPPLE_SHOTS names a folder.
void shot(QWidget& window, const QString& name)
{
    if (const QString folder = qEnvironmentVariable("WUPPLE_SHOTS"); !folder.isEmpty())
        window.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

// Each tile as the letter it shows, small or capital, '_' when empty.
QString tiles(const wupp& w)
{
    QString shown;
    for (int i = 1; i <= w.board().fieldCount(); ++i) {
        const BoardPicture p = w.board().tile(i)->picture();
        if (p.kind != PictureKind::Letter) {
            shown += u'_';
            continue;
        }
        const QChar c = rules::letterOf(p.index);
        shown += p.small ? c.toLower() : c;
    }
    return shown;
}

} // namespace

class SmallLettersTest : public QObject {
    Q_OBJECT

private slots:
    void capitalsByDefault()
    {
        GameSession game({QStringLiteral("Elefant")});
        auto& w = *game.window;
        QVERIFY(!w.menu().mnuKlein->isChecked());
        QVERIFY(w.menu().mnuOption->actions().contains(w.menu().mnuKlein));
        for (int i = 0; i < w.board().cardCount(); ++i)
            QVERIFY(!w.board().card(i)->picture().small);
        game.startGame();
        game.typeText(QStringLiteral("elfant"));
        QCOMPARE(tiles(w), QStringLiteral("ELEFANT"));
        QCOMPARE(game.board(), QStringLiteral("ELEFANT"));
        QVERIFY(!game.env.ini().contains("Klein"));
    }

    // German: the noun keeps its capital, the keys work in either case.
    void germanNounKeepsItsCapital()
    {
        GameSession game({QStringLiteral("Elefant")}, QStringLiteral("[Optionen]\nKlein= -1\n"));
        auto& w = *game.window;
        QVERIFY(w.menu().mnuKlein->isChecked());
        for (QChar c : letters::current())
            QVERIFY2(w.board().card(letter(c))->picture().small, qPrintable(QString(c)));
        game.startGame();
        QVERIFY(w.board().card(letter(u'Ä'))->isVisible());
        game.typeText(QStringLiteral("E"));
        QCOMPARE(tiles(w), QStringLiteral("E_e____"));
        shot(w, QStringLiteral("small-letters-deutsch"));
        game.typeText(QStringLiteral("lFaNt"));
        QCOMPARE(tiles(w), QStringLiteral("Elefant"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
    }

    // Swedish: å and ä on the cards and in the tiles, typed as before.
    void swedishLetters()
    {
        GameSession game({}, QStringLiteral("[Optionen]\nSprache= 2000\nKlein= -1\n"), GameSession::Window::None);
        game.writeWords(QStringLiteral("wuppla.dat"), {QStringLiteral("åsna"), QStringLiteral("äpple")}, QStringLiteral("svenska"));
        game.start();
        auto& w = *game.window;
        game.startGame();
        QVERIFY(w.board().card(letter(u'Å'))->isVisible());
        QVERIFY(w.board().card(letter(u'Å'))->picture().small);
        QVERIFY(w.board().card(letter(u'Ü'))->isHidden());
        game.typeText(QStringLiteral("åSn"));
        QCOMPARE(tiles(w), QStringLiteral("åsn_"));
        shot(w, QStringLiteral("small-letters-svenska"));
        game.typeText(QStringLiteral("A"));
        QCOMPARE(tiles(w), QStringLiteral("åsna"));
    }

    // Switched during a word: the cards and the letters found so far change at once.
    void itemSwitchesCardsAndTiles()
    {
        GameSession game({QStringLiteral("Elefant")});
        auto& w = *game.window;
        game.startGame();
        game.typeText(QStringLiteral("el"));
        w.menu().mnuKlein->trigger();
        QVERIFY(w.menu().mnuKlein->isChecked());
        QCOMPARE(tiles(w), QStringLiteral("Ele____"));
        QVERIFY(w.board().card(letter(u'Z'))->picture().small);
        QVERIFY(game.env.ini().contains("Klein=-1"));
        w.menu().mnuKlein->trigger();
        QCOMPARE(tiles(w), QStringLiteral("ELE____"));
        QVERIFY(game.env.ini().contains("Klein= 0"));
    }

    void itemSpeaksTheLanguage()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Optionen]\nSprache= 3000\n"));
        QCOMPARE(game.window->menu().mnuKlein->text(), QStringLiteral("Lettere &minuscole"));
    }

    // The small cards are drawn in Andika, sharp at every scale, and differ from the capitals.
    void smallCardsAreDrawn()
    {
        QVERIFY(art::loadLetterFont());
        if (!art::loadSmallLetterFont())
            QSKIP("Andika (fonts-sil-andika) is not installed");
        for (qreal scale : {1.0, 2.0, 3.5}) {
            for (int i : {0, 6, 26, 29}) {
                const QImage small = art::drawSmallLetterCard(i, scale);
                QCOMPARE(small.size(), QSize(qRound(art::kCardWidth * scale), qRound(art::kCardHeight * scale)));
                QVERIFY(small != art::drawLetterCard(i, scale));
            }
            // a and ä, o and ö: the dots are drawn.
            QVERIFY(art::drawSmallLetterCard(0, scale) != art::drawSmallLetterCard(26, scale));
        }
    }
};

QTEST_MAIN(SmallLettersTest)
#include "tst_small_letters.moc"
