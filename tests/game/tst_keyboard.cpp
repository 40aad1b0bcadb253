// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game without a mouse: Tab goes through the board's buttons and cards in reading order,
// skipping the cards that cannot be taken; a frame shows where the focus is at any size of the
// board; Space and Enter press what has the focus, while typed letters and Enter for the next word
// work as they always have. In the settings dialog the spinners count by the arrow keys, Tab goes
// in reading order and every access key leads to its own control.
#include "GameSession.h"
#include "game/BoardColours.h"
#include "game/BoardFocus.h"
#include "common/MessageBoxes.h"
#include "game/RecordKeeper.h"
#include "i18n/Catalogue.h"
#include "record/ProgressWindow.h"
#include "record/RecordStore.h"

#include <QApplication>
#include <QInputDialog>
#include <QTableWidget>
#include <QTimer>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

namespace {
const QString onePlayer = QStringLiteral("[Einstellungen]\nAnzahl= 1\nTipps= 2\nSound= 0\n");

// What has the focus, short: a card by its letter, the window as "window", others by name.
QString focusName(const wupp& w)
{
    QWidget* f = QApplication::focusWidget();
    if (!f)
        return QStringLiteral("(none)");
    if (f == &w)
        return QStringLiteral("window");
    if (auto* card = qobject_cast<PictureButton*>(f))
        return card->tag;
    return f->objectName();
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

// Tab from the window round to it again: what took the focus on the way.
QStringList tabRound(wupp& w)
{
    w.setFocus(Qt::OtherFocusReason);
    QStringList seen;
    for (int i = 0; i < 60; ++i) {
        key(Qt::Key_Tab);
        const QString now = focusName(w);
        if (now == QLatin1String("window"))
            return seen;
        seen << now;
    }
    return seen << QStringLiteral("(no way back)");
}

// The board's buttons on show, in the order Tab must take them.
QStringList shownButtons(const wupp& w)
{
    QStringList names;
    for (QAbstractButton* b : {w.board().button(0), w.board().button(1), w.board().button(2), w.board().speakButton(), w.board().button(3)})
        if (b->isVisible())
            names << b->objectName();
    return names;
}

QStringList each(const QString& cards)
{
    QStringList out;
    for (QChar c : cards)
        out << QString(c);
    return out;
}

void activate(QWidget& window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Tab from the widget with the focus round to it again: every widget that took the focus.
QList<QWidget*> tabRound()
{
    QWidget* start = QApplication::focusWidget();
    QList<QWidget*> seen{start};
    for (int i = 0; i < 40 && start; ++i) {
        key(Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            return seen;
        seen << QApplication::focusWidget();
    }
    return seen << nullptr;
}

// The board as drawn, at the colour of the pixel `outside` pixels beyond the middle of the left
// edge of `control`.
QRgb besideLeftEdge(wupp& w, QWidget* control, int outside)
{
    const QImage board = w.board().grab().toImage();
    const QPoint edge = control->mapTo(&w.board(), QPoint(0, control->height() / 2));
    const qreal ratio = board.devicePixelRatio();
    return board.pixel(QPoint(int((edge.x() - outside) * ratio), int(edge.y() * ratio))) & 0xffffff;
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // The buttons top to bottom, then the cards in the order they hang; a card that cannot be taken
    // is passed over, and Tab comes back to the window after the last.
    void tabGoesThroughTheBoardInReadingOrder()
    {
        GameSession s({QStringLiteral("Ball")}, onePlayer);
        wupp& w = *s.window;
        activate(w);
        // The window opens with the focus on the board as a whole, none of its controls.
        QCOMPARE(focusName(w), QStringLiteral("window"));
        QCOMPARE(tabRound(w), shownButtons(w)); // before the game no card can be taken
        s.startGame();
        QVERIFY(w.board().button(2)->isVisible());
        const QStringList buttons = shownButtons(w);
        QCOMPARE(buttons.first(), QStringLiteral("PicBut_0"));
        QCOMPARE(tabRound(w), buttons + each(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ")));
        s.typeText(QStringLiteral("LX"));
        QCOMPARE(tabRound(w), shownButtons(w) + each(QStringLiteral("ABCDEFGHIJKMNOPQRSTUVWYZÄÖÜ")));
    }

    // Swedish hangs its own letters after Z, in the order of its alphabet, and Tab takes them so.
    void swedishCardsInTheirOrder()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 2000\n") + onePlayer);
        wupp& w = *s.window;
        activate(w);
        s.startGame();
        QCOMPARE(tabRound(w), shownButtons(w) + each(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ")));
    }

    // Space and Enter press the card or button with the focus. A typed letter is still the letter
    // typed, whatever has the focus, and while the board waits for the next word Enter brings it,
    // as it always did, not the button that has the focus.
    void spaceAndEnterPressTheFocusedControl()
    {
        GameSession s({QStringLiteral("Elefant"), QStringLiteral("Elefanten")}, onePlayer);
        wupp& w = *s.window;
        activate(w);
        s.startGame();
        const QString word = w.round().word().toUpper();
        const auto cardOf = [&](QChar c) { return w.board().card(rules::indexOf(c)); };
        const QChar first = word[0], second = word[1];
        cardOf(first)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Space);
        settle(w);
        QVERIFY(w.round().guessed(first));
        cardOf(second)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        settle(w);
        QVERIFY(w.round().guessed(second));
        // A card taken can be taken no more: the focus moves on to the next one that can.
        QVERIFY(!cardOf(second)->isVisible() || !cardOf(second)->isEnabled());
        QVERIFY(qobject_cast<PictureButton*>(QApplication::focusWidget()));
        QVERIFY(QApplication::focusWidget()->isEnabled());
        // A letter typed while a card has the focus is the letter typed.
        cardOf(u'Q')->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cardOf(u'Q'), Qt::Key_Z, Qt::NoModifier);
        settle(w);
        QVERIFY(w.round().guessed(u'Z'));
        QVERIFY(!w.round().guessed(u'Q'));
        // The hint button by Space.
        const int hints = w.round().hintsLeft();
        w.board().button(2)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Space);
        settle(w);
        settle(w);
        QCOMPARE(w.round().hintsLeft(), hints - 1);
        // The rest of the word by keys: the cards can no longer be taken, so none keeps the focus.
        cardOf(word[2])->setFocus(Qt::TabFocusReason);
        s.typeText(word);
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QVERIFY(!qobject_cast<PictureButton*>(QApplication::focusWidget()));
        // Enter on the start button while the next word waits: the next word, no new game.
        w.board().button(0)->setFocus(Qt::TabFocusReason);
        const int asked = int(s.env.dialogs.shown.size());
        key(Qt::Key_Return);
        settle(w);
        QVERIFY(!w.menu().mnuWeiter->isEnabled());
        QCOMPARE(int(s.env.dialogs.shown.size()), asked);
        QVERIFY(w.round().word().toUpper() != word);
    }

    // The frame lies around the control with the focus, on top of the board, dark on its edge and
    // light around that, and grows with the board; it goes when the focus leaves the board's
    // controls.
    void theFrameFollowsTheFocusAtEverySize()
    {
        GameSession s({QStringLiteral("Ball")}, onePlayer);
        wupp& w = *s.window;
        activate(w);
        s.startGame();
        auto* ring = w.board().findChild<FocusRing*>();
        QVERIFY(ring);
        QVERIFY(ring->isHidden());
        const colours::Scheme& c = colours::clear();
        const auto near = [](QRgb a, colours::Rgb b) {
            return std::abs(qRed(a) - int(b >> 16 & 0xff)) + std::abs(qGreen(a) - int(b >> 8 & 0xff))
                + std::abs(qBlue(a) - int(b & 0xff)) < 60;
        };
        int darkBefore = 0;
        for (const QSize size : {QSize(640, 480), QSize(1600, 1200)}) {
            w.resize(size);
            settle(w);
            for (QWidget* control : {static_cast<QWidget*>(w.board().card(0)), static_cast<QWidget*>(w.board().button(0))}) {
                control->setFocus(Qt::TabFocusReason);
                QCOMPARE(ring->target(), control);
                QVERIFY(ring->isVisible());
                QCOMPARE(w.board().children().last(), ring);
                const QRect inBoard(control->mapTo(&w.board(), QPoint(0, 0)), control->size());
                QVERIFY(ring->geometry().contains(inBoard));
                const int dark = FocusRing::darkWidth(control->height());
                const int light = FocusRing::lightWidth(control->height());
                QVERIFY2(near(besideLeftEdge(w, control, dark / 2 + 1), c.focusDark),
                         qPrintable(QString::number(besideLeftEdge(w, control, dark / 2 + 1), 16)));
                QVERIFY2(near(besideLeftEdge(w, control, dark + light / 2 + 1), c.focusLight),
                         qPrintable(QString::number(besideLeftEdge(w, control, dark + light / 2 + 1), 16)));
            }
            const int dark = FocusRing::darkWidth(w.board().card(0)->height());
            QVERIFY(dark > darkBefore);
            darkBefore = dark;
        }
        w.setFocus(Qt::TabFocusReason);
        QVERIFY(ring->isHidden());
    }

    // Up and Right count up, Down and Left down, a page goes to the end; the counts stop at their
    // ends as with the mouse, and what they count reaches the dialog's value.
    void spinnersCountByTheArrowKeys()
    {
        GameSession s({QStringLiteral("Ball")}, onePlayer);
        Einst& d = s.open();
        activate(d);
        const auto players = [&] { return d.Zahl[0]->text().trimmed(); };
        const auto hints = [&] { return d.Zahl[1]->text().trimmed(); };
        d.plumin[0]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Up);
        QCOMPARE(players(), QStringLiteral("2"));
        QVERIFY(d.Spieler_Name[1]->isEnabled());
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Right);
        QCOMPARE(players(), QStringLiteral("4"));
        key(Qt::Key_Down);
        QCOMPARE(players(), QStringLiteral("3"));
        key(Qt::Key_PageDown);
        QCOMPARE(players(), QStringLiteral("1"));
        key(Qt::Key_Left);
        QCOMPARE(players(), QStringLiteral("1"));
        key(Qt::Key_PageUp);
        QCOMPARE(players(), QStringLiteral("4"));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.plumin[1]);
        key(Qt::Key_PageDown);
        QCOMPARE(hints(), QStringLiteral("0"));
        key(Qt::Key_Up);
        QCOMPARE(hints(), QStringLiteral("1"));
        QCOMPARE(g().AnzahlSpieler, qint16(4));
        QCOMPARE(g().AnzahlTipps, qint16(1));
        // The pressed half shows while the key is down.
        QTest::keyPress(d.plumin[1], Qt::Key_Down);
        QCOMPARE(d.plumin[1]->picture(), 2);
        QTest::keyRelease(d.plumin[1], Qt::Key_Down);
        QCOMPARE(d.plumin[1]->picture(), 0);
        d.Abbruch->click();
        s.finish();
    }

    // The dialog opens on the first name; Tab goes the counts, the names, the choices beside them
    // (one stop for the two repetition choices), the lists, the buttons, OK and Cancel last.
    void settingsDialogTabsInReadingOrder()
    {
        GameSession s({QStringLiteral("Ball")}, QStringLiteral("[Einstellungen]\nAnzahl= 4\nSound= 0\n"));
        Einst& d = s.open();
        activate(d);
        QCOMPARE(QApplication::focusWidget(), d.Spieler_Name[0]);
        const QList<QWidget*> order{d.plumin[0],     d.plumin[1],     d.Spieler_Name[0], d.Spieler_Name[1],
                                    d.Spieler_Name[2], d.Spieler_Name[3],
                                    d.wiederh[0],
                                    d.chkAnzeige,    d.chkUeben,      d.wortsch,         d.Motiv,
                                    d.chkBildhinweis, d.EditButt,     d.Password,        d.OK,
                                    d.Abbruch};
        QList<QWidget*> seen{d.Spieler_Name[0]};
        for (int i = 0; i < order.size() * 2 && seen.size() < order.size(); ++i) {
            key(Qt::Key_Tab);
            if (QApplication::focusWidget() == d.Spieler_Name[0])
                break;
            seen << QApplication::focusWidget();
        }
        // Round from the first name: it comes after the counts.
        QList<QWidget*> expected = order.mid(2) + order.mid(0, 2);
        QStringList names;
        for (QWidget* w : seen)
            names << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        for (QWidget* w : expected)
            names << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        QVERIFY2(seen == expected, qPrintable(names.join(u'|')));
        d.Abbruch->click();
        s.finish();
    }

    // A label's access key leads to the control it names, in every language; in German, the
    // dialog's own language, every access key is its own. (English has two pairs that share a key,
    // as its texts are given: the key then goes from one to the other.)
    void settingsAccessKeysAreEachOwn()
    {
        GameSession s({QStringLiteral("Ball")}, onePlayer);
        for (int language = 0; language < 4; ++language) {
            g().SprachOffset = qint16(language * 1000);
            Einst& d = s.open();
            activate(d);
            QMap<QChar, QString> keys;
            QStringList clashes;
            const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
            const auto take = [&](const QString& text) {
                const QRegularExpressionMatch m = mnemonic.match(text);
                if (!m.hasMatch())
                    return;
                const QChar k = m.captured(1)[0].toLower();
                if (keys.contains(k))
                    clashes << keys[k] + QStringLiteral(" / ") + text;
                keys[k] = text;
            };
            for (QLabel* label : d.findChildren<QLabel*>())
                if (label->isVisible() && label->text().contains(u'&')) {
                    take(label->text());
                    QVERIFY2(label->buddy() && label->buddy()->focusPolicy() != Qt::NoFocus, qPrintable(label->text()));
                }
            for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
                if (b->isVisible())
                    take(b->text());
            if (language == 0)
                QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("language %1: %2").arg(language).arg(clashes.join(u'|'))));
            // The players' count: its label's key leads to its spinner.
            for (QLabel* label : d.findChildren<QLabel*>())
                if (label->buddy() == d.plumin[0]) {
                    const QRegularExpressionMatch m = mnemonic.match(label->text());
                    QVERIFY2(m.hasMatch(), qPrintable(label->text()));
                    if (language == 0) {
                        QCOMPARE(m.captured(1), QStringLiteral("T"));
                        QTest::keyClick(&d, Qt::Key_T, Qt::AltModifier);
                        QCOMPARE(QApplication::focusWidget(), d.plumin[0]);
                    }
                }
            d.Abbruch->click();
            s.finish();
        }
    }

    // The editor: the word, the list, the buttons beside it top to bottom, then the two under it.
    void editorTabsInReadingOrder()
    {
        GameSession s({QStringLiteral("Ball")}, onePlayer);
        WEdit* e = s.openEditor();
        activate(*e);
        e->Text1->setFocus(Qt::TabFocusReason);
        const QList<QWidget*> expected{e->List1, e->Hinzuf, e->Loesch, e->Speichern, e->OK, e->Abbruch, e->Importieren, e->NeueListe, e->Text1};
        QList<QWidget*> seen;
        for (int i = 0; i < expected.size(); ++i) {
            key(Qt::Key_Tab);
            seen << QApplication::focusWidget();
        }
        QCOMPARE(seen, expected);
        e->close();
    }

    // The progress window: the children's table (once, not cell by cell), the chart where it can
    // take the focus, the two lists beside it, then the buttons left to right.
    void progressWindowTabsInReadingOrder()
    {
        GameSession s({QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\nSpieler1=Anna\nSound= 0\n"));
        s.startGame();
        s.typeText(QStringLiteral("HAUS"));
        s.window->records().store()->flush();
        QCoreApplication::processEvents();
        record::ProgressWindow::setChartFolder(qEnvironmentVariable("WUPPLE_RUNTIME_DIR"));
        s.window->menu().mnuProgress->trigger();
        QWidget* progress = s.window->records().progressWindow();
        QVERIFY(progress);
        activate(*progress);
        QApplication::setActiveWindow(progress);
        QTRY_COMPARE(QApplication::activeWindow(), progress);
        progress->findChild<QTableWidget*>()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> expected{progress->findChild<QTableWidget*>()};
        if (QWidget* chart = progress->findChild<QWidget*>(QStringLiteral("chart")); chart->focusPolicy() & Qt::TabFocus)
            expected << chart;
        for (QListWidget* list : progress->findChildren<QListWidget*>())
            expected << list;
        for (QPushButton* button : progress->findChildren<QPushButton*>())
            if (button->isEnabled())
                expected << button;
        QCOMPARE(expected.size() >= 6, true);
        QCOMPARE(tabRound(), expected);
        progress->close();
    }

    // The password box: the field, OK, Cancel.
    void passwordBoxTabsInReadingOrder()
    {
        QList<QWidget*> seen, expected;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (QTest::qWaitForWindowActive(box)) {
                const QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
                expected << box->findChild<QLineEdit*>();
                for (const QString& text : {QStringLiteral("OK"), QStringLiteral("Abbrechen")})
                    for (QPushButton* b : buttons)
                        if (QString(b->text()).remove(u'&') == text)
                            expected << b;
                seen = tabRound();
            }
            box->reject();
        });
        MessageBoxes boxes;
        (void)boxes.ask(QStringLiteral("Passwort"), QStringLiteral("Wupple"), true);
        QCOMPARE(expected.size(), 3);
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
