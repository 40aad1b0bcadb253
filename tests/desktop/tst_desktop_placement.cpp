// The main window's placement as a window manager frames it: what closing stores must be what
// the window really had on screen, outer size included, start after start.
#include "Desktop.h"
#include "TestEnvironment.h"
#include "game/wupp.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

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
} // namespace

class DesktopPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void fiveStartsKeepTheSamePlacement();
    void moveMaximizeRestoreAndMinimize();
};

void DesktopPlacementTest::fiveStartsKeepTheSamePlacement()
{
    TestEnvironment env;
    env.writeIni(NormalIni);
    const QRect placement(1500, 1200, 10500, 7500);
    for (int start = 1; start <= 5; ++start) {
        auto w = env.start();
        QVERIFY(desktop::waitFramed(w.get()));
        const QRect onScreen = settledOn(*w, placement);
        w->close();
        QCOMPARE(stored(), onScreen);
        QCOMPARE(onScreen, placement);
    }
    QCOMPARE(GetIniInt(keys::Window, keys::Status, -1), 0);
}

void DesktopPlacementTest::moveMaximizeRestoreAndMinimize()
{
    TestEnvironment env;
    env.writeIni(NormalIni);
    auto w = env.start();
    QVERIFY(desktop::waitFramed(w.get()));
    const QRect before = desktop::outerOnScreen(w.get());

    // The player drags the window elsewhere.
    QVERIFY(desktop::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(w->winId()),
                                                      QStringLiteral("400"), QStringLiteral("250")}));
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

    // Closed minimized: nothing is stored.
    w->showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return w->isMinimized() && !desktop::outerOnScreen(w.get()).isValid(); }, 5000));
    const QByteArray ini = env.ini();
    w->close();
    QCOMPARE(env.ini(), ini);
}

QTEST_MAIN(DesktopPlacementTest)
#include "tst_desktop_placement.moc"
