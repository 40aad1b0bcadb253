// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog as a parent uses it; its values without a window: tst_settings_value.
#include "GameSession.h"
#include "common/NumberForm.h"
#include "common/RuntimeError.h"
#include "i18n/ExtraTexts.h"
#include "settings/Frame3D.h"
#include "settings/SettingsValue.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QLabel>
#include <QTimer>
#include <functional>

namespace {
// Buttons with a text beside them are clicked on their indicator.
void clickIndicator(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2)); }

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}
} // namespace

class EinstTest : public QObject {
    Q_OBJECT
private slots:
    void okWritesEveryEntryInOrder()
    {
        GameSession s;
        s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
        Einst& d = s.open();
        clickSpinner(d, 0, lowerRight);
        clickSpinner(d, 0, lowerRight);
        clickSpinner(d, 1, lowerRight);
        clickSpinner(d, 1, lowerRight);
        // A click into a name box selects the name, ready to be typed over.
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::mouseClick(d.Spieler_Name[1], Qt::LeftButton, {}, QPoint(4, d.Spieler_Name[1]->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(d.Spieler_Name[1]->selectedText(), QStringLiteral("Vaduza"));
        retype(d.Spieler_Name[1], QStringLiteral("Tim"));
        clickIndicator(d.wiederh[0]);
        clickIndicator(d.chkAnzeige);
        clickRow(d.Motiv, 3);
        clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        s.finish();

        QCOMPARE(s.env.ini(), QByteArray("[Optionen]\r\nSprache= 0\r\n"
                                         "[Einstellungen]\r\nAnzahl= 2\r\nAnzeige= 0\r\nWiederholung=-1\r\nTipps= 1\r\n"
                                         "Spieler1=Vivur\r\nSpieler2=Tim\r\nSpieler3=Viredaz\r\nSpieler4=Doreru\r\n"
                                         "Datei0=tiere.dat\r\nMotiv= 3\r\n"));
        // The game took it in: the new list and the two named rows.
        QCOMPARE(s.window->pool().words(), QStringList({QStringLiteral("Hund"), QStringLiteral("Katze")}));
        QCOMPARE(s.window->board().nameRow(1)->text(), QStringLiteral("Tim"));
        QVERIFY(s.window->board().nameRow(2)->isHidden());
    }

    // What marks the settings as changed, so that OK starts the game again. The number of players
    // counts too: see spinnerHalves.
    void whatCountsAsAChange()
    {
        GameSession s;
        s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund")});
        Einst& d = s.open();
        const std::pair<std::function<void()>, bool> actions[] = {
            {[&] { d.Spieler_Name[0]->setText(QStringLiteral("Tim")); }, false}, // set by the program
            {[&] { clickRow(d.Motiv, 0); }, false},
            {[&] { clickIndicator(d.chkAnzeige); }, false},
            {[&] { QTest::keyClicks(d.Spieler_Name[0], QStringLiteral("x")); }, true},
            {[&] { clickIndicator(d.wiederh[0]); }, true},
            {[&] { clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat"))); }, true},
        };
        for (int i = 0; i < int(std::size(actions)); ++i) {
            g().EinstGeaendert = False;
            actions[i].first();
            QVERIFY2(g().EinstGeaendert == flag(actions[i].second), qPrintable(QString::number(i)));
        }
    }

    void nameChangeStartsAgain_data()
    {
        QTest::addColumn<bool>("solved");
        QTest::newRow("during a word") << false;
        QTest::newRow("while the solved word waits") << true;
    }

    void nameChangeStartsAgain()
    {
        QFETCH(bool, solved);
        GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche")});
        // The first word, the cheer when it is solved, the next word.
        s.env.random.numbers.append(solved ? QList<double>{0.0, 0.5, 0.99} : QList<double>{0.0, 0.99});
        s.startGame();
        if (solved) {
            s.typeText(QStringLiteral("APFEL"));
            QCOMPARE(s.window->round().score(0), 1);
            QVERIFY(s.window->menu().mnuWeiter->isEnabled());
            QVERIFY(!s.window->board().button(3)->isHidden());
        }
        Einst& d = s.open();
        retype(d.Spieler_Name[0], QStringLiteral("Tim"));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
        QVERIFY(!s.window->menu().mnuWeiter->isEnabled());
        QVERIFY(s.window->board().button(3)->isHidden());
        QCOMPARE(s.window->round().score(0), 0);
        QVERIFY(s.window->board().token(0, 0)->isHidden());
        QCOMPARE(s.window->board().nameRow(0)->text(), QStringLiteral("Tim"));
        QVERIFY(s.window->round().running());
        // The list is read again (all three words) and one new word drawn, with the last number:
        // a second draw would find no number left and take the first word.
        QVERIFY(s.env.random.numbers.isEmpty());
        QCOMPARE(s.window->round().word(), QStringLiteral("KIRSCHE"));
    }

    void cancelLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }

    // Every control touched, then the dialog cancelled: the word, the board, the points and the
    // turn stay, nothing is written, and the next opening shows the settings in play.
    void cancelLeavesEverythingAsItWas()
    {
        QFETCH(QString, way);
        GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche")},
                      QStringLiteral("[Einstellungen]\nAnzahl= 3\nTipps= 2\nWiederholung= 0\nAnzeige= 0\nMotiv= 2\n"
                                     "Spieler1=Anna\nSpieler2=Ben\nSpieler3=Cleo\n"));
        s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
        s.startGame();
        s.typeText(QStringLiteral("AX"));
        const auto scores = [&] { return QList<int>{s.window->round().score(0), s.window->round().score(1), s.window->round().score(2)}; };
        const QList<int> scoresBefore = scores();
        const QString word = s.window->round().word(), board = s.board();
        const int stage = s.visibleStage(), player = s.activePlayer();
        const qsizetype draws = s.env.random.seeds.size();
        QCOMPARE(player, 1);
        const QByteArray file = s.env.ini();

        Einst& d = s.open();
        clickSpinner(d, 0, lowerRight);
        clickSpinner(d, 1, upperLeft);
        retype(d.Spieler_Name[0], QStringLiteral("Tim"));
        clickIndicator(d.wiederh[0]);
        clickIndicator(d.chkAnzeige);
        clickRow(d.Motiv, 0);
        clickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
        if (way == QLatin1String("Cancel"))
            QTest::mouseClick(d.Abbruch, Qt::LeftButton);
        else if (way == QLatin1String("Escape"))
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();
        QVERIFY(!d.isVisible());
        s.finish();

        QCOMPARE(s.env.ini(), file);
        QCOMPARE(s.window->round().word(), word);
        QCOMPARE(s.board(), board);
        QCOMPARE(s.visibleStage(), stage);
        QCOMPARE(s.activePlayer(), player);
        QCOMPARE(scores(), scoresBefore);
        QCOMPARE(s.env.random.seeds.size(), draws);
        QCOMPARE(g().AnzahlSpieler, 3);
        QCOMPARE(g().AnzahlTipps, 2);
        QCOMPARE(g().MotivNr, 2);
        QCOMPARE(g().WortDatei, QString());
        QCOMPARE(s.window->board().nameRow(0)->text(), QStringLiteral("Anna"));
        QVERIFY(s.window->board().token(0, 0)->picture() == (BoardPicture{PictureKind::Token, 2}));

        Einst& again = s.open();
        QCOMPARE(&again, &d);
        QCOMPARE(again.Zahl[0]->text(), QStringLiteral(" 3"));
        QCOMPARE(again.Zahl[1]->text(), QStringLiteral(" 2"));
        QCOMPARE(again.Spieler_Name[0]->text(), QStringLiteral("Anna"));
        QVERIFY(again.Spieler_Name[2]->isEnabled() && !again.Spieler_Name[3]->isEnabled());
        QVERIFY(again.wiederh[1]->isChecked());
        QVERIFY(!again.chkAnzeige->isChecked());
        QCOMPARE(again.Motiv->currentRow(), 2);
        QCOMPARE(again.wortsch->currentRow(), rowOf(again.wortsch, QStringLiteral("wupp.dat")));
        // OK without a change writes the settings in play and keeps the word.
        QTest::mouseClick(again.OK, Qt::LeftButton);
        s.finish();
        for (const char* entry : {"Anzahl= 3\r\n", "Tipps= 2\r\n", "Wiederholung= 0\r\n", "Anzeige= 0\r\n", "Motiv= 2\r\n",
                                  "Spieler1=Anna\r\n", "Datei0=\r\n"})
            QVERIFY2(s.env.ini().contains(entry), s.env.ini().constData());
        QCOMPARE(s.window->round().word(), word);
    }

    // A name with letters Wupple.ini cannot hold would come back as question marks: OK refuses
    // it, says which letters, and keeps the dialog open.
    void aNameTheFileCannotHoldIsRefused()
    {
        GameSession s;
        Einst& d = s.open();
        const QString name = QStringLiteral("\u0141ukasz \u0394\u03b7\u03bc\u03ae\u03c4\u03c1\u03b7\u03c2");
        d.Spieler_Name[1]->selectAll();
        typeText(d.Spieler_Name[1], name);
        QCOMPARE(d.Spieler_Name[1]->text(), name);
        QTest::mouseClick(d.OK, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(s.env.dialogs.texts(),
                 QStringList{extraText(Extra::NameNotStorable).arg(name, QStringLiteral("\u0141\u0394\u03b7\u03bc\u03ae\u03c4\u03c1\u03c2"))});
        QVERIFY(!s.env.ini().contains("Spieler"));
        d.Spieler_Name[1]->selectAll();
        typeText(d.Spieler_Name[1], QStringLiteral("Lukasz J\u00f6rg"));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        s.finish();
        QVERIFY2(s.env.ini().contains("Spieler2=Lukasz J\xf6rg\r\n"), s.env.ini().constData());
    }

    // A megabyte pasted into a name box once froze the game for minutes and wrote 32 KB into
    // Wupple.ini; a name keeps the length that is stored.
    void aPastedMegabyteIsCutToANamesLength()
    {
        GameSession s;
        Einst& d = s.open();
        QGuiApplication::clipboard()->setText(QStringLiteral("Kunigunde") + QString(1'000'000, u'x'));
        d.Spieler_Name[0]->selectAll();
        d.Spieler_Name[0]->paste();
        QCOMPARE(d.Spieler_Name[0]->text().size(), MaxNameLength);
        QVERIFY(g().EinstGeaendert);
        QTest::mouseClick(d.OK, Qt::LeftButton);
        s.finish();
        QVERIFY2(s.env.ini().contains("Spieler1=Kunigunde" + QByteArray(MaxNameLength - 9, 'x') + "\r\n"), s.env.ini().left(400).constData());
        QVERIFY(s.window->board().nameRow(0)->text().startsWith(QStringLiteral("Kunigunde")));
    }

    // A double click on a list confirms the dialog as OK does. The motif alone is no change: the
    // word stays, nothing is drawn, the tokens show the new motif.
    void doubleClickConfirms()
    {
        GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche")});
        s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund"), QStringLiteral("Katze")});
        s.startGame();
        const QString word = s.window->round().word();
        const qsizetype draws = s.env.random.seeds.size();
        doubleClickRow(s.open().Motiv, 3);
        QVERIFY(!Einst::instance().isVisible());
        s.finish();
        QCOMPARE(s.window->round().word(), word);
        QCOMPARE(s.env.random.seeds.size(), draws);
        QVERIFY(s.window->board().token(0, 0)->picture() == (BoardPicture{PictureKind::Token, 3}));
        QVERIFY2(s.env.ini().contains("Anzahl= 4\r\n") && s.env.ini().contains("Motiv= 3\r\n"), s.env.ini().constData());
        Einst& d = s.open();
        doubleClickRow(d.wortsch, rowOf(d.wortsch, QStringLiteral("tiere.dat")));
        QVERIFY(!d.isVisible());
        s.finish();
        QVERIFY2(s.env.ini().contains("Datei0=tiere.dat\r\n"), s.env.ini().constData());
    }

    void captionsAndFilesFollowTheLanguage()
    {
        GameSession s;
        s.writeWords(QStringLiteral("tiere.dat"), {QStringLiteral("Hund")});
        s.window->menu().mnuLang[1]->trigger();
        settle(*s.window);
        Einst* d = &s.open();
        // The English folder's lists, themes included; nothing of the German folder.
        QVERIFY(files(d->wortsch).contains(QStringLiteral("animals.dat")));
        QVERIFY(!files(d->wortsch).contains(QStringLiteral("tiere.dat")));
        QCOMPARE(d->wortsch->currentRow(), rowOf(d->wortsch, QStringLiteral("wupple.dat")));
        QTest::mouseClick(d->OK, Qt::LeftButton);
        s.finish();
        // Each language keeps its own file.
        QVERIFY(s.env.ini().contains("Datei1000=wupple.dat\r\n"));
        QVERIFY(!s.env.ini().contains("Datei0="));
    }

    // A parent picks a list by its title, the language's own list first; the nine lists each
    // language comes with are all in view, and no title is cut: a long one wraps.
    void wordListsByTitle()
    {
        GameSession s;
        Einst* d = &s.open();
        QCOMPARE(rows(d->wortsch),
                 QStringList({"Grundwortschatz", "Berufe", "Essen", "Fahrzeuge", QString::fromUtf8("Körper und Kleidung"),
                              "Natur und Wetter", "Schule und Spielzeug", "Tiere", "Zuhause"}));
        QCOMPARE(files(d->wortsch).mid(0, 2), QStringList({"wupp.dat", "berufe.dat"}));
        const QFontMetrics metrics(d->wortsch->font());
        for (int i = 0; i < d->wortsch->count(); ++i) {
            const QRect row = d->wortsch->visualItemRect(d->wortsch->item(i));
            QVERIFY2(d->wortsch->viewport()->rect().contains(row), qPrintable(d->wortsch->item(i)->text()));
            QVERIFY2(metrics.horizontalAdvance(d->wortsch->item(i)->text()) < row.width(), qPrintable(d->wortsch->item(i)->text()));
        }
        QTest::mouseClick(d->OK, Qt::LeftButton);
        s.finish();

        s.writeWords(QStringLiteral("Wörter der Klasse 3b aus dem Sachunterricht.dat"), {QStringLiteral("Hund")});
        d = &s.open();
        const int row = rowOf(d->wortsch, QStringLiteral("Wörter der Klasse 3b aus dem Sachunterricht.dat"));
        QCOMPARE(d->wortsch->item(row)->text(), QStringLiteral("Wörter der Klasse 3b aus dem Sachunterricht"));
        QVERIFY(d->wortsch->visualItemRect(d->wortsch->item(row)).height() >= 2 * metrics.height());
        clickRow(d->wortsch, row);
        QCOMPARE(g().WortDatei, QStringLiteral("Wörter der Klasse 3b aus dem Sachunterricht.dat"));
    }

    // Names: frame 200, 2100, 650, 2300 twips; repetition: 2600, 2600, 650, 1300. The light edges
    // lie one pixel outside the frame, the dark ones on its boundary.
    void framesAreRaised()
    {
        constexpr QRgb white = 0xFFFFFF, darkGrey = 0x808080, background = 0xC0C0C0;
        // Names: top, left, bottom and right edges, just outside the bottom; repetition: just outside.
        const std::pair<QPoint, QRgb> expected[] = {{{80, 42}, white},      {{12, 120}, white},     {{80, 197}, darkGrey},
                                                    {{153, 120}, darkGrey}, {{80, 199}, background}, {{349, 90}, background}};
        GameSession session;
        const QImage picture = session.open().grab().toImage();
        for (const auto& [pixel, colour] : expected)
            QCOMPARE(picture.pixel(pixel) & 0xFFFFFF, colour);
        // The frames' colours come from the sixteen-colour table; a colour past it is an error.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, QBColor(16));
    }

    // A press steps up in the upper-left half, down in the lower-right one (with the diagonal), within
    // 1..4 players and 0..3 hints; each tick of the timer while it is held repeats the press.
    void spinnerHalves()
    {
        GameSession session;
        Einst& dialog = session.open();
        const struct {
            int index, start;
            QPoint pixel;
            int picture;
            const char *shown, *ticked;
        } presses[] = {
            {0, 2, {5, 5}, 1, "3", "4"},      {0, 2, {15, 15}, 2, "1", "1"},    {0, 2, {19, 0}, 1, "3", "4"},
            {0, 2, {0, 19}, 1, "3", "4"},     {0, 2, {10, 9}, 1, "3", "4"},     {0, 2, {10, 10}, 2, "1", "1"},
            {0, 4, {5, 5}, 1, " 4", " 4"},    {0, 1, {15, 15}, 2, " 1", " 1"},  {1, 1, {5, 5}, 1, "2", "3"},
            {1, 2, {15, 15}, 2, "1", "0"},    {1, 3, {5, 5}, 1, " 3", " 3"},    {1, 0, {15, 15}, 2, " 0", " 0"},
        };
        for (const auto& [index, start, pixel, picture, shown, ticked] : presses) {
            const QByteArray row = QStringLiteral("spinner %1 at %2 pressed at %3,%4").arg(index).arg(start).arg(pixel.x()).arg(pixel.y()).toLatin1();
            dialog.setZahl(index, numberForm(start));
            g().EinstGeaendert = False;
            pressSpinner(dialog, index, pixel);
            QVERIFY2(dialog.Zahl[index]->text() == QLatin1String(shown), row);
            QVERIFY2(dialog.plumin[index]->picture() == picture, row);
            const int value = QString::fromLatin1(shown).trimmed().toInt();
            QVERIFY2((index == 0 ? g().AnzahlSpieler : g().AnzahlTipps) == value, row);
            // Only a real step counts as a change; boxes of players not in the game are disabled.
            QVERIFY2(g().EinstGeaendert == flag(value != start), row);
            for (int i = 0; index == 0 && i < 4; ++i)
                QVERIFY2(dialog.Spieler_Name[i]->isEnabled() == (i < value), row);
            QVERIFY2(dialog.Timer1->isActive() && dialog.Timer1->interval() == 200, row);
            dialog.Timer1_Timer();
            QVERIFY2(dialog.Zahl[index]->text() == QLatin1String(ticked), row);
            releaseSpinner(dialog, index, pixel);
            QVERIFY2(dialog.plumin[index]->picture() == 0 && !dialog.Timer1->isActive(), row);
        }
        // Held for real, the timer does the repeating: up from 1 to the limit.
        dialog.setZahl(0, numberForm(1));
        pressSpinner(dialog, 0, upperLeft);
        QVERIFY(QTest::qWaitFor([&] { return dialog.Zahl[0]->text() == QStringLiteral("4"); }, 2000));
        releaseSpinner(dialog, 0, upperLeft);
    }
};

QTEST_MAIN(EinstTest)
#include "tst_einst.moc"
