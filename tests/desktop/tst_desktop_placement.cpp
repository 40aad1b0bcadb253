// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's placement as a window manager frames it: what closing stores must be what
// the window really had on screen, outer size included, start after start.
#include "Desktop.h"
#include "TestEnvironment.h"
#include "game/wupp.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {
constexpr int TwipsPerPixel = 15;

QRect twips(const QRect& pixels)
{
    return {pixels.x() * TwipsPerPixel, pixels.y() * TwipsPerPixel, pixels.width() * TwipsPerPixel,
            pixels.height() * TwipsPerPixel};
}

QRect stored()
{
    return {GetIniInt(keys::Window, keys::Left, -1), GetIniInt(keys::Window, keys::Top, -1),
            GetIniInt(keys::Window, keys::Width, -1), GetIniInt(keys::Window, keys::Height, -1)};
}

// The outer rectangle on screen in twips once it has become `expected` (or after a timeout).
QRect settledOn(const wupp& w, const QRect& expected)
{
    (void)QTest::qWaitFor([&] { return twips(desktop::outerOnScreen(&w)) == expected; }, 5000);
    return twips(desktop::outerOnScreen(&w));
}

const QString NormalIni = QStringLiteral("[Window]\nStatus= 0\nLeft= 1500\nTop= 1200\nWidth= 10500\nHeight= 7500\n");
const QRect Placement(1500, 1200, 10500, 7500);

// Where the board's parts stand in the window.
QList<QPoint> boardLayout(const wupp& w)
{
    return {w.board().cardStrip()->pos(), w.board().stage(0)->pos(), w.board().button(0)->pos(), w.board().button(3)->pos(), w.board().namesFrame()->pos(), w.board().tile(0)->pos()};
}

// Minimizes the window the way its title-bar button does, through the window manager.
bool minimize(const wupp& w)
{
    return desktop::windowCommand(QStringLiteral("windowminimize"), &w) &&
           QTest::qWaitFor([&] { return desktop::iconified(&w) && w.isMinimized(); }, 5000);
}
} // namespace

class DesktopPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void fiveStartsKeepTheSamePlacement()
    {
        TestEnvironment env;
        env.writeIni(NormalIni);
        for (int start = 1; start <= 5; ++start) {
            auto w = env.start();
            QVERIFY(desktop::waitFramed(w.get()));
            const QRect onScreen = settledOn(*w, Placement);
            w->close();
            QCOMPARE(stored(), onScreen);
            QCOMPARE(onScreen, Placement);
        }
        QCOMPARE(GetIniInt(keys::Window, keys::Status, -1), 0);
    }

    void moveMaximizeAndRestore()
    {
        TestEnvironment env;
        env.writeIni(NormalIni);
        auto w = env.start();
        QVERIFY(desktop::waitFramed(w.get()));
        const QRect before = desktop::outerOnScreen(w.get());

        // The player drags the window elsewhere.
        QVERIFY(desktop::windowCommand(QStringLiteral("windowmove"), w.get(), {QStringLiteral("400"), QStringLiteral("250")}));
        QVERIFY(QTest::qWaitFor([&] {
            const QRect now = desktop::outerOnScreen(w.get());
            return now.isValid() && now.topLeft() != before.topLeft() && w->frameGeometry() == now;
        }, 5000));
        const QRect moved = twips(desktop::outerOnScreen(w.get()));
        QCOMPARE(moved.size(), twips(before).size());

        w->showMaximized();
        const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
        QVERIFY(QTest::qWaitFor([&] { return w->isMaximized() && desktop::outerOnScreen(w.get()).width() == screenWidth; }, 5000));
        w->showNormal();
        QCOMPARE(settledOn(*w, moved), moved);
        w->close();
        QCOMPARE(stored(), moved);
        QCOMPARE(GetIniInt(keys::Window, keys::Status, -1), 0);

        // Closed maximized: only the state is stored; the next start opens maximized and restores
        // to the stored placement.
        w = env.start();
        QVERIFY(desktop::waitFramed(w.get()));
        w->showMaximized();
        QVERIFY(QTest::qWaitFor([&] { return w->isMaximized() && desktop::outerOnScreen(w.get()).width() == screenWidth; }, 5000));
        w->close();
        QCOMPARE(GetIniInt(keys::Window, keys::Status, -1), 2);
        QCOMPARE(stored(), moved);
        w = env.start();
        QVERIFY(desktop::waitFramed(w.get()));
        QVERIFY(QTest::qWaitFor([&] { return w->isMaximized(); }, 5000));
        w->showNormal();
        QCOMPARE(settledOn(*w, moved), moved);

    }

    // Minimized by the window manager, the window changes nothing: it comes back where it was, laid
    // out as before, and closed while minimized it stores nothing. Started minimized, it stays
    // minimized and comes back at the stored placement.
    void minimizedByTheWindowManager()
    {
        TestEnvironment env;
        env.writeIni(NormalIni);
        auto w = env.start();
        QVERIFY(desktop::waitFramed(w.get()));
        QCOMPARE(settledOn(*w, Placement), Placement);
        const QList<QPoint> laidOut = boardLayout(*w);
        QVERIFY(minimize(*w));
        QCOMPARE(boardLayout(*w), laidOut);
        QVERIFY(desktop::windowCommand(QStringLiteral("windowactivate"), w.get()));
        QCOMPARE(settledOn(*w, Placement), Placement);
        QCOMPARE(boardLayout(*w), laidOut);
        QVERIFY(minimize(*w));
        const QByteArray ini = env.ini();
        w->close();
        QCOMPARE(env.ini(), ini);

        env.writeIni(QString(NormalIni).replace(QStringLiteral("Status= 0"), QStringLiteral("Status= 1")));
        w = env.start();
        QVERIFY(QTest::qWaitFor([&] { return desktop::iconified(w.get()) && w->isMinimized(); }, 5000));
        QVERIFY(desktop::windowCommand(QStringLiteral("windowactivate"), w.get()));
        QCOMPARE(settledOn(*w, Placement), Placement);
        QVERIFY(QTest::qWaitFor([&] { return boardLayout(*w) == laidOut; }, 5000));
    }
};

QTEST_MAIN(DesktopPlacementTest)
#include "tst_desktop_placement.moc"
