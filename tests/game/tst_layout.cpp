// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board's elements stand for a given window size, in twips.
#include "game/Layout.h"

#include <QTest>

#include <cmath>

using namespace layout;

namespace {
// A maximized window's frame on the desktop: a title bar and the menu bar above the board.
constexpr int FrameHeight = 48 * TwipsPerPixel;
QSizeF clientOf(int width, int height) { return QSizeF(width, height - FrameHeight); }
} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void roundingHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("halved");
        QTest::newRow("even") << 8888.0 << 4444;
        QTest::newRow("odd drops the remainder") << 8887.0 << 4443;
        QTest::newRow("half to even down") << 8886.5 << 4443;
        QTest::newRow("half to even up") << 8887.5 << 4444;
        QTest::newRow("negative truncates") << -451.0 << -225;
    }

    void roundingHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, halved);
        QCOMPARE(int(halve(value)), halved);
    }

    void boardFollowsTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("pictureLeft");
        QTest::addColumn<double>("pictureTop");
        QTest::addColumn<double>("buttonLeft");
        QTest::addColumn<double>("stripLeft");
        QTest::addColumn<double>("stripTop");
        QTest::addColumn<double>("namesLeft");
        QTest::addColumn<double>("tileTop");
        QTest::addColumn<double>("nextWordLeft");
        // The smallest normal window.
        QTest::newRow("minimum") << 9600 << 6975 << 5760.0 << 488.25 << 8605.0 << 300.0 << 4443.0 << 52.0 << 3177.0 << 3650.0;
        // A maximized window on a 1920 x 1080 screen.
        QTest::newRow("1920x1080") << 28800 << 16200 << 17280.0 << 1134.0 << 23965.0 << 9900.0 << 8733.0 << 5812.0 << 4999.0
                                   << 13250.0;
    }

    void boardFollowsTheWindow()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const Board b = arrange(width, height);
        QTEST(b.picture.left, "pictureLeft");
        QTEST(b.picture.top, "pictureTop");
        QTEST(b.picButtons[0].left, "buttonLeft");
        QCOMPARE(b.picButtons[2].top - b.picButtons[0].top, 2 * 825.0);
        QTEST(b.strip.left, "stripLeft");
        QTEST(b.strip.top, "stripTop");
        QTEST(b.names.left, "namesLeft");
        QCOMPARE(b.names.top, height * 0.04);
        QTEST(b.tileTop, "tileTop");
        QTEST(b.nextWord.left, "nextWordLeft");
        QCOMPARE(b.nextWord.top, b.tileTop + 800);
    }

    void tilesOfAWordAreCentred()
    {
        const Board b = arrange(9600, 6975);
        // Before the first word only the template is placed, one pitch left of the centre.
        QCOMPARE(b.tileLeft(0, 0), 4800.0 - 450);
        // A 20-letter word fills 9000 twips: the first new tile at (W - 9000) / 2 + 50.
        QCOMPARE(newTileLeft(9600, 1, 20), 300LL + 50);
        QCOMPARE(newTileLeft(9600, 20, 20), 300LL + 50 + 19 * 450);
        QCOMPARE(b.tileLeft(1, 20), 300.0);
        QCOMPARE(newTileLeft(9601, 1, 3), (9601LL - 1350) / 2 + 50);
    }

    void scaleFollowsTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("minimum") << 9600 << 6975 << 1.0;
        QTest::newRow("just above the minimum") << 11999 << 8700 << 1.0;
        QTest::newRow("1024x768") << 15360 << 11520 << 1.5;
        QTest::newRow("1280x1024") << 19200 << 15360 << 2.0;
        QTest::newRow("1920x1080") << 28800 << 16200 << 2.25;
        QTest::newRow("3840x2160") << 57600 << 32400 << 4.5;
        QTest::newRow("wide and low") << 57600 << 7200 << 1.0;
    }

    void scaleFollowsTheWindow()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QTEST(boardScale(QSizeF(width, height), clientOf(width, height)), "scale");
        // A client area too short for the grown strip keeps the scale down.
        QCOMPARE(boardScale(QSizeF(19200, 15360), QSizeF(19200, 8000)), 1.0);
    }

    void scaledBoardFitsWithoutOverlap()
    {
        // Every window from the minimum to a 4K screen, in steps of 37 by 29 pixels.
        for (int w = MinWidth; w <= 57600; w += 37 * TwipsPerPixel) {
            const int h = MinHeight + (w - MinWidth) * 29 / 37 * 25 / 40;
            const QSizeF client = clientOf(w, h);
            const double s = boardScale(QSizeF(w, h), client);
            QVERIFY(s >= 1);
            QCOMPARE(std::fmod(s, ScaleStep), 0.0);
            const Board b = arrange(w, h, s);
            QCOMPARE(b.size(LetterWidth), LetterWidth * s);
            for (int letters : {4, LongestWord}) {
                const auto rects = elementRects(b, letters);
                for (std::size_t i = 0; i < rects.size(); ++i) {
                    QVERIFY2(QRectF(QPointF(), client).contains(rects[i]),
                             qPrintable(QStringLiteral("element %1 outside at %2x%3").arg(i).arg(w).arg(h)));
                    for (std::size_t j = i + 1; j < rects.size(); ++j)
                        QVERIFY2(!rects[i].intersects(rects[j]),
                                 qPrintable(QStringLiteral("elements %1 and %2 overlap at %3x%4").arg(i).arg(j).arg(w).arg(h)));
                }
            }
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
