// Where the board's elements stand for a given window size, in twips.
#include "game/Layout.h"

#include <QTest>

using namespace layout;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void roundingHalvesToEven_data();
    void roundingHalvesToEven();
    void boardFollowsTheWindow_data();
    void boardFollowsTheWindow();
    void tilesOfAWordAreCentred();
};

void LayoutTest::roundingHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("halved");
    QTest::newRow("even") << 8888.0 << 4444;
    QTest::newRow("odd drops the remainder") << 8887.0 << 4443;
    QTest::newRow("half to even down") << 8886.5 << 4443;
    QTest::newRow("half to even up") << 8887.5 << 4444;
    QTest::newRow("negative truncates") << -451.0 << -225;
}

void LayoutTest::roundingHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, halved);
    QCOMPARE(int(halve(value)), halved);
}

void LayoutTest::boardFollowsTheWindow_data()
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

void LayoutTest::boardFollowsTheWindow()
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

void LayoutTest::tilesOfAWordAreCentred()
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

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
