// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the word on the board: after a solved word, after a lost word whose solution is
// shown, never for a word the table does not know, and not at all with the option off.
#include "GameSession.h"
#include "game/WordPicture.h"
#include "vocabulary/WordPictures.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QImage>
#include <QItemSelectionModel>
#include <QListWidget>

namespace {

// Pixels of clear colour (not grey, not the card's cream) in a picture.
int colouredPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.hsvSaturation() > 120 && c.value() > 60)
                ++n;
        }
    return n;
}

} // namespace

class WordPictureTest : public QObject {
    Q_OBJECT

private slots:
    void solvedWordShowsItsPictureUntilTheNextWord()
    {
        GameSession game({QStringLiteral("Igel")});
        auto& w = *game.window;
        game.startGame();
        QVERIFY(w.board().wordPicture()->isHidden());
        game.typeText(QStringLiteral("ige"));
        QVERIFY(w.board().wordPicture()->isHidden());
        game.typeText(QStringLiteral("l"));
        QVERIFY(w.board().wordPicture()->isVisible());
        QCOMPARE(w.board().wordPicture()->picture(), QStringLiteral("\U0001F994"));
        // Over the stage picture, at its size.
        QCOMPARE(w.board().wordPicture()->geometry(), w.board().stage(1)->geometry());
        game.next();
        QVERIFY(w.board().wordPicture()->isHidden());
    }

    void lostWordShowsItsPictureWithItsSolution()
    {
        GameSession game({QStringLiteral("Ball")}, QStringLiteral("[Einstellungen]\nSound= 0\n"));
        auto& w = *game.window;
        game.startGame();
        game.typeText(QStringLiteral("CDEFGHIJ"));
        QVERIFY(w.board().wordPicture()->isHidden());
        game.typeText(QStringLiteral("K"));
        QCOMPARE(game.board(), QStringLiteral("BALL"));
        QVERIFY(w.board().wordPicture()->isVisible());
        QCOMPARE(w.board().wordPicture()->picture(), pictures::of(QStringLiteral("Ball"), 0));
    }

    // A solution kept hidden is not given away by its picture.
    void hiddenSolutionShowsNoPicture()
    {
        GameSession game({QStringLiteral("Ball")}, QStringLiteral("[Einstellungen]\nSound= 0\nAnzeige= 0\n"));
        auto& w = *game.window;
        game.startGame();
        game.typeText(QStringLiteral("CDEFGHIJK"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QVERIFY(w.board().wordPicture()->isHidden());
    }

    void unknownWordShowsNoPicture()
    {
        GameSession game({QStringLiteral("Quatsch")});
        auto& w = *game.window;
        game.startGame();
        game.typeText(QStringLiteral("quatsch"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QVERIFY(w.board().wordPicture()->isHidden());
    }

    // Off, nothing is shown; the item keeps the choice in Wupple.ini.
    void optionOffShowsNothing()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Optionen]\nBild= 0\n"));
        auto& w = *game.window;
        QVERIFY(!w.menu().mnuBild->isChecked());
        game.startGame();
        game.typeText(QStringLiteral("igel"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QVERIFY(w.board().wordPicture()->isHidden());
        w.menu().mnuBild->trigger();
        QVERIFY(w.menu().mnuBild->isChecked());
        QVERIFY(game.env.ini().contains("Bild=-1"));
        game.next();
        game.typeText(QStringLiteral("igel"));
        QVERIFY(w.board().wordPicture()->isVisible());
        // Switched off while a picture shows, it goes at once.
        w.menu().mnuBild->trigger();
        QVERIFY(w.board().wordPicture()->isHidden());
        QVERIFY(game.env.ini().contains("Bild= 0"));
    }

    // With the clue, the draw takes only words with a picture once ten of the list have one, and
    // the picture stands small beside the misses from the start; after the word it grows.
    void clueShowsFromTheStart()
    {
        const QStringList words{QStringLiteral("Quatsch"), QStringLiteral("Igel"),  QStringLiteral("Hund"),
                                QStringLiteral("Katze"),   QStringLiteral("Maus"),  QStringLiteral("Pferd"),
                                QStringLiteral("Schaf"),   QStringLiteral("Ziege"), QStringLiteral("Hase"),
                                QStringLiteral("Ente"),    QStringLiteral("Gans"),  QStringLiteral("Kamel")};
        GameSession game(words, QStringLiteral("[Einstellungen]\nBildhinweis= -1\n"));
        auto& w = *game.window;
        game.startGame();
        // The scripted random number 0 would draw the first word, which has no picture.
        QCOMPARE(w.round().word(), QStringLiteral("IGEL"));
        const WordPictureCard& card = *w.board().wordPicture();
        QVERIFY(card.isVisible());
        QVERIFY(card.isClue());
        QCOMPARE(card.picture(), QStringLiteral("\U0001F994"));
        QVERIFY(w.board().stage(1)->geometry().contains(card.geometry()));
        QVERIFY(card.width() < w.board().stage(1)->width() / 2);
        if (const QString folder = qEnvironmentVariable("WUPPLE_SHOTS"); !folder.isEmpty())
            w.grab().save(folder + QStringLiteral("/picture-clue.png"));
        game.typeText(QStringLiteral("igel"));
        QVERIFY(!card.isClue());
        QCOMPARE(card.geometry(), w.board().stage(1)->geometry());
        game.next();
        QCOMPARE(w.round().word(), QStringLiteral("HUND"));
        QVERIFY(card.isVisible() && card.isClue());
    }

    // The picture clue as the software centres show it (the metainfo's third screenshot): an
    // English game of two children, the elephant beside two misses, three letters found. Saved
    // as wupple-picture-clue.png when WUPPLE_SHOTS names a folder; the build target
    // `screenshots` runs it.
    void screenshotOfTheClue()
    {
        const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
        if (folder.isEmpty())
            QSKIP("set WUPPLE_SHOTS to a folder to get the screenshot");
        GameSession game({},
                         QStringLiteral("[Optionen]\nSprache= 1000\n[Einstellungen]\nBildhinweis= -1\nAnzahl= 2\n"
                                        "Spieler1=Mia\nSpieler2=Leo\nSound= 0\n"
                                        "[Window]\nStatus= 0\nLeft= 0\nTop= 0\nWidth= 15360\nHeight= 11520\n"),
                         GameSession::Window::None);
        QStringList words{QStringLiteral("elephant"), QStringLiteral("giraffe"), QStringLiteral("rabbit"),
                          QStringLiteral("penguin"),  QStringLiteral("tiger"),   QStringLiteral("zebra"),
                          QStringLiteral("monkey"),   QStringLiteral("parrot"),  QStringLiteral("hedgehog"),
                          QStringLiteral("squirrel"), QStringLiteral("butterfly")};
        game.writeWords(QStringLiteral("wupple.dat"), words, QStringLiteral("english"));
        game.start();
        auto& w = *game.window;
        game.startGame();
        QCOMPARE(w.round().word(), QStringLiteral("ELEPHANT"));
        game.typeText(QStringLiteral("eolsa"));
        QVERIFY(w.board().wordPicture()->isVisible() && w.board().wordPicture()->isClue());
        QVERIFY(w.grab().save(folder + QStringLiteral("/wupple-picture-clue.png")));
    }

    void clueNeedsTenPicturedWords()
    {
        GameSession game({QStringLiteral("Quatsch"), QStringLiteral("Igel")},
                         QStringLiteral("[Einstellungen]\nBildhinweis= -1\n"));
        auto& w = *game.window;
        game.startGame();
        QCOMPARE(w.round().word(), QStringLiteral("QUATSCH"));
        QVERIFY(w.board().wordPicture()->isHidden());
        game.typeText(QStringLiteral("quatsch"));
        game.next();
        QCOMPARE(w.round().word(), QStringLiteral("IGEL"));
        QVERIFY(w.board().wordPicture()->isVisible() && w.board().wordPicture()->isClue());
    }

    // Without the clue the draw is the list's as always: the first word for the number 0.
    void withoutClueTheDrawIsUnchanged()
    {
        GameSession game({QStringLiteral("Quatsch"), QStringLiteral("Igel"), QStringLiteral("Hund"),
                          QStringLiteral("Katze"), QStringLiteral("Maus"), QStringLiteral("Pferd"),
                          QStringLiteral("Schaf"), QStringLiteral("Ziege"), QStringLiteral("Hase"),
                          QStringLiteral("Ente"), QStringLiteral("Gans")});
        game.startGame();
        QCOMPARE(game.window->round().word(), QStringLiteral("QUATSCH"));
        QVERIFY(game.window->board().wordPicture()->isHidden());
    }

    // The settings dialog's box, in the language of the game, kept in Wupple.ini on OK.
    void clueBoxInTheSettings()
    {
        GameSession game({QStringLiteral("Igel")});
        game.startGame();
        QVERIFY(game.window->board().wordPicture()->isHidden());
        Einst& dialog = game.open();
        QVERIFY(dialog.chkBildhinweis->isVisible());
        QVERIFY(!dialog.chkBildhinweis->isChecked());
        QCOMPARE(dialog.chkBildhinweis->caption(), QStringLiteral("Bild als Hinweis"));
        QVERIFY(!game.env.ini().contains("Bildhinweis"));
        dialog.chkBildhinweis->setChecked(true);
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
        game.finish();
        QVERIFY(game.env.ini().contains("Bildhinweis=-1"));
        // The word in play shows its clue at once.
        QVERIFY(game.window->board().wordPicture()->isVisible());
        QVERIFY(game.window->board().wordPicture()->isClue());
        // Switched off again, the clue goes.
        game.open().chkBildhinweis->setChecked(false);
        QTest::mouseClick(Einst::instance().OK, Qt::LeftButton);
        game.finish();
        QVERIFY(game.window->board().wordPicture()->isHidden());
        QVERIFY(game.env.ini().contains("Bildhinweis= 0"));
    }

    // The words of the menu item follow the language.
    void itemSpeaksTheLanguage()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Optionen]\nSprache= 2000\n"));
        QCOMPARE(game.window->menu().mnuBild->text(), QStringLiteral("&Bild till ordet"));
    }

    // Every picture of the table is in the colour emoji font, so none draws as an empty box.
    void emojiFontHasEveryPicture()
    {
        const QFont font(WordPictureCard::emojiFamily());
        if (QFontInfo(font).family() != WordPictureCard::emojiFamily())
            QSKIP("the colour emoji font (fonts-noto-color-emoji) is not installed");
        const QFontMetricsF metrics(font);
        for (const pictures::Row& row : pictures::table().rows) {
            for (char32_t c : row.picture.toUcs4()) {
                if (c == 0x200D || c == 0xFE0F)
                    continue; // joiners and the emoji presentation selector
                QVERIFY2(metrics.inFontUcs4(c), qPrintable(QStringLiteral("line %1: U+%2").arg(row.line).arg(uint(c), 0, 16)));
            }
        }
    }

    // The editor shows a word's picture at the end of its row; a word without one has none.
    void editorShowsPictures()
    {
        if (QFontInfo(QFont(WordPictureCard::emojiFamily())).family() != WordPictureCard::emojiFamily())
            QSKIP("the colour emoji font (fonts-noto-color-emoji) is not installed");
        EditorSession session({QStringLiteral("Apfel"), QStringLiteral("Quatsch")});
        WEdit* editor = session.open();
        QListWidget* list = editor->List1;
        QCOMPARE(list->count(), 2);
        list->selectionModel()->clear(); // the selection's colour is not the picture's
        const QImage shown = list->viewport()->grab().toImage();
        auto rowEnd = [&](int row) {
            const QRect r = list->visualItemRect(list->item(row));
            return shown.copy(QRect(r.right() - r.height() - 4, r.top(), r.height() + 4, r.height()));
        };
        QVERIFY(colouredPixels(rowEnd(0)) > 10);
        QCOMPARE(colouredPixels(rowEnd(1)), 0);
        if (const QString folder = qEnvironmentVariable("WUPPLE_SHOTS"); !folder.isEmpty())
            editor->grab().save(folder + QStringLiteral("/editor-pictures.png"));
    }

    // The card draws the emoji in colour, quickly, at the board's largest size.
    void cardDrawsInColour()
    {
        if (QFontInfo(QFont(WordPictureCard::emojiFamily())).family() != WordPictureCard::emojiFamily())
            QSKIP("the colour emoji font (fonts-noto-color-emoji) is not installed");
        QWidget parent;
        WordPictureCard card(&parent);
        card.setPicture(QStringLiteral("\U0001F34E"));
        const QImage empty = [&] {
            WordPictureCard blank(&parent);
            blank.resize(160, 160);
            blank.setPicture(QStringLiteral("\U0001F418"));
            blank.setPicture(QString());
            return blank.grab().toImage();
        }();
        QCOMPARE(colouredPixels(empty), 0);
        // 2400 twips at the scale of a maximized 1920 x 1080 window.
        card.resize(400, 400);
        QElapsedTimer clock;
        clock.start();
        const QImage shown = card.grab().toImage();
        const qint64 ms = clock.elapsed();
        qInfo("one picture drawn at 400 x 400 in %lld ms", ms);
        QVERIFY(colouredPixels(shown) > 400 * 400 / 20);
        QVERIFY2(ms < 300, qPrintable(QString::number(ms)));
    }
};

QTEST_MAIN(WordPictureTest)
#include "tst_word_picture.moc"
