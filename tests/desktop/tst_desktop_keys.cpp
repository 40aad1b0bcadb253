// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game played with real keys through the X server and a window manager: the window opens with
// the focus on the board as a whole, Tab goes to the buttons and the cards with a frame around
// the one that has it, at the design size and maximized, Space and Enter press it, letters typed
// meanwhile are the letters typed; the settings dialog's spinners count by the arrow keys and its
// access keys lead to them.
#include "Desktop.h"
#include "GameSession.h"
#include "game/BoardFocus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
const QString ini = QStringLiteral("[Window]\nStatus= 0\nLeft= 300\nTop= 300\nWidth= 10500\nHeight= 7500\n"
                                   "[Optionen]\nAnpassen= 0\n[Einstellungen]\nAnzahl= 1\nTipps= 2\nSound= 0\n");

bool tab(int times)
{
    QStringList keys;
    for (int i = 0; i < times; ++i)
        keys << QStringLiteral("Tab");
    return desktop::typeKeys(keys);
}

bool focused(QWidget* w)
{
    return QTest::qWaitFor([w] { return QApplication::focusWidget() == w; }, 3000);
}
} // namespace

class DesktopKeysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Wupple")); }

    void theBoardByTabSpaceAndEnter()
    {
        GameSession s({QStringLiteral("Ball"), QStringLiteral("Igel")}, ini);
        wupp& w = *s.window;
        QVERIFY(desktop::waitFramed(&w));
        QVERIFY(desktop::waitActive(&w));
        s.startGame();
        auto* ring = w.board().findChild<FocusRing*>();
        QVERIFY(ring);
        // Nothing on the board has the focus until Tab is pressed: Space presses nothing.
        QCOMPARE(QApplication::focusWidget(), &w);
        QVERIFY(desktop::typeKeys({QStringLiteral("space")}));
        QTest::qWait(300);
        QCOMPARE(s.env.dialogs.shown.size(), 0);
        QVERIFY(ring->isHidden());

        QVERIFY(tab(1));
        QVERIFY(focused(w.board().button(0)));
        QVERIFY(ring->isVisible());
        desktop::screenshot(QStringLiteral("keys-focus-start-scale-1"));
        // After the buttons on show, the cards from A.
        int buttons = 0;
        for (QAbstractButton* b : {w.board().button(0), w.board().button(1), w.board().button(2), w.board().speakButton(), w.board().button(3)})
            buttons += b->isVisible() ? 1 : 0;
        const QString word = w.round().word().toUpper();
        const QChar first = word[0];
        QVERIFY(tab(buttons - 1 + 1 + rules::indexOf(first)));
        QVERIFY(focused(w.board().card(rules::indexOf(first))));
        QCOMPARE(ring->target(), w.board().card(rules::indexOf(first)));
        desktop::screenshot(QStringLiteral("keys-focus-card-scale-1"));
        QVERIFY(desktop::typeKeys({QStringLiteral("space")}));
        QVERIFY(QTest::qWaitFor([&] { return w.round().guessed(first); }, 3000));
        settle(w);
        // A card taken is gone from the line: the focus has moved on to the next card that can be
        // taken, and Enter takes that one.
        auto* next = qobject_cast<PictureButton*>(QApplication::focusWidget());
        QVERIFY(next && next->isEnabled() && next->isVisible());
        QCOMPARE(ring->target(), next);
        const QChar following = next->tag;
        QVERIFY(desktop::typeKeys({QStringLiteral("Return")}));
        QVERIFY(QTest::qWaitFor([&] { return w.round().guessed(following); }, 3000));
        settle(w);
        // A letter typed with a card in focus is the letter typed.
        QVERIFY(desktop::typeText(QStringLiteral("z")));
        QVERIFY(QTest::qWaitFor([&] { return w.round().guessed(u'Z'); }, 3000));
        settle(w);

        // Maximized with the board fitted to the window, the frame grows with the cards.
        w.menu().mnuAnpassen->trigger();
        w.showMaximized();
        QVERIFY(QTest::qWaitFor([&] { return w.isMaximized(); }, 5000));
        QTest::qWait(300);
        settle(w);
        QVERIFY(desktop::waitActive(&w));
        QVERIFY(QTest::qWaitFor([&] { return w.board().scale() > 1.5; }, 3000));
        w.board().card(rules::indexOf(u'M'))->setFocus(Qt::TabFocusReason);
        QVERIFY(tab(1));
        QVERIFY(focused(w.board().card(rules::indexOf(u'N'))));
        QTest::qWait(200);
        const QRect card(w.board().card(rules::indexOf(u'N'))->mapTo(&w.board(), QPoint(0, 0)), w.board().card(rules::indexOf(u'N'))->size());
        QVERIFY(ring->geometry().contains(card));
        qInfo("maximized: card %dx%d, frame %d + %d pixels", card.width(), card.height(),
              FocusRing::darkWidth(card.height()), FocusRing::lightWidth(card.height()));
        desktop::screenshot(QStringLiteral("keys-focus-card-maximized"));
        w.board().button(2)->setFocus(Qt::TabFocusReason);
        QTest::qWait(200);
        desktop::screenshot(QStringLiteral("keys-focus-hint-maximized"));
    }

    void settingsSpinnersByKeys()
    {
        GameSession s({QStringLiteral("Ball")}, ini);
        wupp& w = *s.window;
        QVERIFY(desktop::waitFramed(&w));
        Einst& d = s.open();
        QVERIFY(desktop::waitFramed(&d));
        QVERIFY(desktop::waitActive(&d));
        QVERIFY(focused(d.Spieler_Name[0]));
        // Alt and the access key of the players' count lead to its spinner (German: "&Teilnehmer:").
        QVERIFY(desktop::typeKeys({QStringLiteral("alt+t")}));
        QVERIFY(focused(d.plumin[0]));
        QVERIFY(desktop::typeKeys({QStringLiteral("Up"), QStringLiteral("Up")}));
        QVERIFY(QTest::qWaitFor([&] { return d.Zahl[0]->text().trimmed() == QLatin1String("3"); }, 3000));
        QTest::qWait(200);
        desktop::screenshot(QStringLiteral("keys-settings-spinner"));
        QVERIFY(desktop::typeKeys({QStringLiteral("Tab"), QStringLiteral("Next")}));
        QVERIFY(QTest::qWaitFor([&] { return d.Zahl[1]->text().trimmed() == QLatin1String("0"); }, 3000));
        // Escape cancels: the counts go back.
        QVERIFY(desktop::typeKeys({QStringLiteral("Escape")}));
        QVERIFY(QTest::qWaitFor([&] { return !d.isVisible(); }, 3000));
        s.finish();
        QCOMPARE(g().AnzahlSpieler, qint16(1));
        QCOMPARE(g().AnzahlTipps, qint16(2));
    }
};

QTEST_MAIN(DesktopKeysTest)
#include "tst_desktop_keys.moc"
