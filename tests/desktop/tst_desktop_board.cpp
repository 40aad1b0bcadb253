// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board in a window framed by a window manager, whose title bar and menu take their real
// room: at the minimum size, short and wide, and maximized on the screen this run has
// (1280 x 1024 or 1920 x 1080), with the winner's box over a grown board.
#include "Desktop.h"
#include "GameSession.h"
#include "common/MessageBoxes.h"
#include "common/Platform.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>

namespace {
constexpr int TwipsPerPixel = 15;

// The real boxes, in place of the scripted ones, for as long as a test runs.
struct RealBoxes {
    MessageBoxes boxes;
    Dialogs* before = platform().dialogs;
    RealBoxes() { platform().dialogs = &boxes; }
    ~RealBoxes() { platform().dialogs = before; }
};

QString screenName()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The elements of the board on show, none reaching outside the board or into another one.
QList<QRect> shownElements(const wupp& w)
{
    QList<QRect> rects{w.board().stage(w.round().stage())->geometry(), w.board().cardStrip()->geometry(), w.board().namesFrame()->geometry()};
    for (int i = 0; i < 4; ++i)
        if (!w.board().button(i)->isHidden())
            rects << w.board().button(i)->geometry();
    for (int i = 1; i <= w.board().fieldCount(); ++i)
        rects << w.board().tile(i)->geometry();
    return rects;
}

QString faultIn(const wupp& w)
{
    const QList<QRect> rects = shownElements(w);
    for (int i = 0; i < rects.size(); ++i) {
        if (!w.board().rect().contains(rects[i]))
            return QStringLiteral("element %1 %2,%3 %4x%5 outside the board %6x%7")
                .arg(i).arg(rects[i].x()).arg(rects[i].y()).arg(rects[i].width()).arg(rects[i].height())
                .arg(w.board().width()).arg(w.board().height());
        for (int j = i + 1; j < rects.size(); ++j)
            if (rects[i].intersects(rects[j]))
                return QStringLiteral("elements %1 and %2 overlap").arg(i).arg(j);
    }
    return {};
}

QString placement(int width, int height, bool fit)
{
    return QStringLiteral("[Window]\nStatus= 0\nLeft= 300\nTop= 300\nWidth= %1\nHeight= %2\n[Optionen]\nAnpassen=%3\n"
                          "[Einstellungen]\nAnzahl= 1\nWiederholung=-1\n")
        .arg(width).arg(height).arg(fit ? -1 : 0);
}

bool waitSized(const wupp& w, QSize pixels)
{
    return QTest::qWaitFor([&] { return desktop::outerOnScreen(&w).size() == pixels; }, 5000);
}
} // namespace

class DesktopBoardTest : public QObject {
    Q_OBJECT
private slots:
    void smallWindowsShowTheWholeBoard_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<int>("menuPoints"); // a larger font makes the menu bar taller
        QTest::newRow("minimum") << 9600 << 6975 << false << 0;
        QTest::newRow("minimum, fitted") << 9600 << 6975 << true << 0;
        QTest::newRow("short and wide") << 18000 << 6975 << true << 0;
        QTest::newRow("minimum, large menu font") << 9600 << 6975 << false << 16;
        QTest::newRow("short and wide, large menu font") << 18000 << 6975 << true << 16;
    }

    // The frame and menu of this desktop are taller than the ones the layout's formulas were made
    // for: still the washing line stands whole inside the window, above its bottom edge.
    void smallWindowsShowTheWholeBoard()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, fit);
        QFETCH(int, menuPoints);
        const QFont before = QApplication::font();
        if (menuPoints) {
            QFont large = before;
            large.setPointSize(menuPoints);
            QApplication::setFont(large);
        }
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        GameSession s({QStringLiteral("Schmetterlingsnetz")}, placement(width, height, fit));
        auto& w = s.window;
        QVERIFY(desktop::waitFramed(w.get()));
        QVERIFY(waitSized(*w, QSize(width, height) / TwipsPerPixel));
        s.startGame();
        QVERIFY(QTest::qWaitFor([&] { return faultIn(*w).isEmpty(); }, 3000));
        QVERIFY2(faultIn(*w).isEmpty(), qPrintable(faultIn(*w)));
        const QRect frame = desktop::outerOnScreen(w.get());
        qInfo("frame and menu above and below the board: %d pixels; strip ends %d pixels above the board's bottom",
              frame.height() - w->board().height(), w->board().height() - w->board().cardStrip()->geometry().bottom() - 1);
        desktop::screenshot(QStringLiteral("board-%1x%2%3%4").arg(width / 15).arg(height / 15).arg(fit ? "-fitted" : "")
                                .arg(menuPoints ? "-large-menu" : ""));
    }

    // A lost word's solution in each language: the letters nobody found stand apart from the found
    // ones (shown only), whatever the language's cards and texts.
    void lostWordInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("de") << 0 << "deutsch" << "wupp.dat";
        QTest::newRow("en") << 1000 << "english" << "wupple.dat";
        QTest::newRow("sv") << 2000 << "svenska" << "wuppla.dat";
        QTest::newRow("it") << 3000 << "italiano" << "wuppino.dat";
    }

    void lostWordInEveryLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QString ini = placement(10500, 7500, false);
        ini.replace(QStringLiteral("[Optionen]\n"), QStringLiteral("[Optionen]\nSprache= %1\n").arg(language));
        GameSession s({}, ini, GameSession::Window::None);
        s.writeWords(file, {QStringLiteral("Elefant")}, folder);
        s.start();
        auto& w = s.window;
        QVERIFY(desktop::waitFramed(w.get()));
        s.startGame();
        s.typeText(QStringLiteral("E"));
        s.typeText(QStringLiteral("BCDGHIJKM"));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        QVERIFY(w->board().tile(2)->shownOnly() && !w->board().tile(1)->shownOnly());
        desktop::screenshot(QStringLiteral("lost-word-%1").arg(QString::fromLatin1(QTest::currentDataTag())));
    }

    // Maximized with the board fitted: the word's tiles are the largest letters on the board, a lost
    // word's solution stands apart, and the winner's box grows with the board, clear of the word.
    void maximizedAndFitted()
    {
        GameSession s({QStringLiteral("Elefant")}, placement(10500, 7500, true));
        RealBoxes real;
        auto& w = s.window;
        QVERIFY(desktop::waitFramed(w.get()));
        w->showMaximized();
        const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
        QVERIFY(QTest::qWaitFor([&] { return w->isMaximized() && desktop::outerOnScreen(w.get()).width() == screenWidth; }, 5000));
        QTest::qWait(200);
        s.startGame();
        QVERIFY2(faultIn(*w).isEmpty(), qPrintable(faultIn(*w)));
        QVERIFY(w->board().scale() > 1);
        QVERIFY2(w->board().tile(1)->height() > w->board().card(0)->height(),
                 qPrintable(QStringLiteral("tile %1, card %2").arg(w->board().tile(1)->height()).arg(w->board().card(0)->height())));
        qInfo("board scale %.2f: cards %dx%d, tiles %dx%d", w->board().scale(), w->board().card(0)->width(), w->board().card(0)->height(),
              w->board().tile(1)->width(), w->board().tile(1)->height());
        s.typeText(QStringLiteral("E"));
        desktop::screenshot(QStringLiteral("maximized-%1-word").arg(screenName()));

        s.typeText(QStringLiteral("BCDGHIJKM"));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        QVERIFY(w->board().tile(2)->shownOnly() && !w->board().tile(1)->shownOnly());
        desktop::screenshot(QStringLiteral("maximized-%1-lost").arg(screenName()));

        // Eight words solved: the winner's box.
        QRect box;
        double fontGrowth = 0;
        bool answered = false;
        desktop::whenModal("QMessageBox", [&](QWidget* shown) {
            if (shown) {
                box = shown->frameGeometry();
                fontGrowth = shown->font().pointSizeF() / QApplication::font().pointSizeF();
                desktop::screenshot(QStringLiteral("maximized-%1-winner").arg(screenName()));
                // Another game: Yes.
                desktop::whenModal("QMessageBox", [&](QWidget* again) {
                    if (again)
                        static_cast<QMessageBox*>(again)->button(QMessageBox::Yes)->click();
                    answered = true;
                });
                static_cast<QMessageBox*>(shown)->button(QMessageBox::Ok)->click();
            }
        });
        QList<QRect> tiles; // where the last word's tiles stand (their hop lifts them a moment)
        for (int word = 1; word <= 8 && !answered; ++word) {
            s.next();
            tiles.clear();
            for (int i = 1; i <= w->board().fieldCount(); ++i)
                tiles << QRect(w->board().tile(i)->mapToGlobal(QPoint()), w->board().tile(i)->size());
            s.typeText(QStringLiteral("ELFANT"));
        }
        QVERIFY(QTest::qWaitFor([&] { return answered; }, 20000));
        QVERIFY(box.isValid());
        qInfo("winner's box %dx%d at board scale %.2f", box.width(), box.height(), w->board().scale());
        QCOMPARE(fontGrowth, w->board().scale());
        QVERIFY(box.width() >= int(170 * w->board().scale() * 0.75));
        QVERIFY(box.height() >= int(86 * w->board().scale() * 0.75));
        for (const QRect& tile : tiles)
            QVERIFY2(!tile.intersects(box), "the winner's box stands over the word");
    }
};

QTEST_MAIN(DesktopBoardTest)
#include "tst_desktop_board.moc"
