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

    void stripStaysInsideTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("framePixels"); // title bar, menu and borders above and below the board
        QTest::addColumn<double>("scale");
        QTest::newRow("minimum, a desktop's frame") << 9600 << 6975 << 56 << 1.0;
        QTest::newRow("minimum, a tall frame") << 9600 << 6975 << 70 << 1.0;
        QTest::newRow("short and wide") << 30000 << 6975 << 56 << 1.0;
        QTest::newRow("maximized, short and wide") << 57600 << 7500 << 72 << 1.0;
    }

    // The formulas were made for a frame and menu of about 46 pixels; with a taller one the strip's
    // bottom would stand below the window's edge. The board then keeps its proportions for a
    // slightly shorter window, and every element inside the client area, none over another.
    void stripStaysInsideTheWindow()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, framePixels);
        QFETCH(double, scale);
        const double client = height - framePixels * TwipsPerPixel;
        // The formulas alone cut the strip off.
        QVERIFY(arrange(width, height).strip.top + StripHeight > client);
        Room room;
        room.clientHeight = client;
        for (bool grow : {false, true}) {
            room.growTiles = grow;
            for (int letters : {4, 11, LongestWord}) {
                room.wordLength = letters;
                const Board b = arrange(width, height, scale, room);
                QVERIFY(b.strip.top + b.size(StripHeight) <= client);
                QVERIFY(b.strip.top + b.size(StripHeight) > client - 2);
                const auto rects = elementRects(b, letters);
                for (std::size_t i = 0; i < rects.size(); ++i) {
                    QVERIFY2(QRectF(0, 0, width, client).contains(rects[i]), qPrintable(QString::number(i)));
                    for (std::size_t j = i + 1; j < rects.size(); ++j)
                        QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
                }
            }
        }
        // With room enough the formulas stand as they are.
        room.clientHeight = height - 40 * TwipsPerPixel;
        room.growTiles = false;
        const Board roomy = arrange(width, height, 1, room), plain = arrange(width, height);
        QCOMPARE(roomy.strip.top, plain.strip.top);
        QCOMPARE(roomy.picture.top, plain.picture.top);
        QCOMPARE(roomy.tileTop, plain.tileTop);
    }

    // On a fitted board the word's tiles take the band between the picture and the strip: larger
    // than the cards wherever there is room, never outside the window or over another element.
    void tilesGrowIntoTheFreeBand()
    {
        struct Window {
            int width, height;
        };
        for (const Window& win : {Window{9600, 6975}, Window{12000, 9000}, Window{19200, 15360}, Window{28800, 16200},
                                  Window{57600, 32400}, Window{57600, 7500}}) {
            const QSizeF client = clientOf(win.width, win.height);
            const double s = boardScale(QSizeF(win.width, win.height), client);
            for (int letters = 4; letters <= LongestWord; ++letters) {
                Room room;
                room.clientHeight = client.height();
                room.wordLength = letters;
                room.growTiles = true;
                const Board b = arrange(win.width, win.height, s, room);
                const QString where = QStringLiteral("%1 letters at %2x%3").arg(letters).arg(win.width).arg(win.height);
                QVERIFY2(b.tileScale >= s, qPrintable(where));
                const auto rects = elementRects(b, letters);
                for (std::size_t i = 0; i < rects.size(); ++i) {
                    QVERIFY2(QRectF(QPointF(), client).contains(rects[i]), qPrintable(where));
                    for (std::size_t j = i + 1; j < rects.size(); ++j)
                        QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(where));
                }
                // The tiles stay in one row with the same gaps as the cards.
                QCOMPARE(b.tileLeft(2, letters) - b.tileLeft(1, letters), TilePitch * b.tileScale);
                // Off, the tiles are the cards' size, where the formulas put them.
                room.growTiles = false;
                const Board plain = arrange(win.width, win.height, s, room);
                QCOMPARE(plain.tileScale, s);
                QCOMPARE(plain.tileTop, arrange(win.width, win.height, s).tileTop);
            }
        }
        // A maximized window on a 1920 x 1080 screen: an eight-letter word's tiles are the largest
        // letters on the board, a third larger than the cards.
        Room room;
        room.clientHeight = clientOf(28800, 16200).height();
        room.wordLength = 8;
        room.growTiles = true;
        const Board b = arrange(28800, 16200, 2.25, room);
        QCOMPARE(b.scale, 2.25);
        QCOMPARE(b.tileScale, 3.0);
    }

    // With the voice on, the loudspeaker stands under the hint button: a word long enough to reach
    // under it stands below it, grown or not, and every element stays clear of every other.
    void tilesStandClearOfTheLoudspeaker()
    {
        for (const auto& [width, height] : {std::pair{9600, 6975}, {11940, 11940}, {12000, 9000}, {19200, 15360},
                                            {28800, 16200}}) {
            const QSizeF client = clientOf(width, height);
            for (const bool fitted : {false, true}) {
                const double s = fitted ? boardScale(QSizeF(width, height), client) : 1;
                for (int letters = 1; letters <= LongestWord; ++letters) {
                    Room room;
                    room.clientHeight = client.height();
                    room.wordLength = letters;
                    room.growTiles = fitted;
                    room.speaker = true;
                    const Board b = arrange(width, height, s, room);
                    const QString where = QStringLiteral("%1 letters at %2x%3%4")
                                              .arg(letters).arg(width).arg(height).arg(fitted ? " fitted" : "");
                    auto rects = elementRects(b, letters);
                    rects.emplace_back(b.speaker.left, b.speaker.top, b.size(PicButSize), b.size(PicButSize));
                    for (std::size_t i = 0; i < rects.size(); ++i)
                        for (std::size_t j = i + 1; j < rects.size(); ++j)
                            QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(where));
                    // A word that stays clear of the loudspeaker stands where it stands without it.
                    room.speaker = false;
                    const Board without = arrange(width, height, s, room);
                    if (without.newTileLeft(letters, letters) + without.tileSize().width() < b.speaker.left)
                        QCOMPARE(b.tileTop, without.tileTop);
                }
            }
        }
    }

    // The winner's box stands over the strip, clear of the word and the picture, however large the
    // board has grown (the box at its design size, 170 x 86 pixels, grown with the board).
    void noticeStandsClearOfTheWord()
    {
        for (const auto& [width, height] : {std::pair{9600, 6975}, {19200, 15360}, {28800, 16200}}) {
            const QSizeF client = clientOf(width, height);
            const double s = boardScale(QSizeF(width, height), client);
            Room room;
            room.clientHeight = client.height();
            room.wordLength = LongestWord;
            room.growTiles = true;
            const Board b = arrange(width, height, s, room);
            QRectF box(0, 0, 170 * TwipsPerPixel * s, 86 * TwipsPerPixel * s);
            box.moveCenter(noticeCentre(b));
            QVERIFY(QRectF(QPointF(), client).contains(box));
            const auto rects = elementRects(b, LongestWord);
            QVERIFY(!box.intersects(rects[0])); // the picture
            for (int i = 1; i <= LongestWord; ++i)
                QVERIFY(!box.intersects(rects[rects.size() - 1 - i]));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
