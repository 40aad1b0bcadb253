// What the pictures show: every miss changes the stage picture visibly, every letter card can be
// told from the others and from the empty tile, the spinner shows which half is pressed, and the
// washing lines of the strip run through the top of every card at its place.
#include <QImage>
#include <QTest>

#include <cstdlib>

namespace {

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

QString letterName(int index)
{
    return QStringLiteral("letter%1.bmp").arg(index, 2, 10, QChar(u'0'));
}

// A change of colour that the eye notices, not a shade one step off.
bool visiblyDifferent(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 30;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += visiblyDifferent(a.pixel(x, y), b.pixel(x, y)) ? 1 : 0;
    return count;
}

// Top-left corner of each letter card on the strip, in twips.
constexpr int kCardPlaces[30][2] = {
    {170, 200},  {590, 270},  {1030, 320}, {1450, 345}, {1900, 280}, {2460, 260},
    {2950, 320}, {3470, 340}, {4050, 345}, {4680, 270}, {5710, 330}, {6210, 420},
    {6780, 470}, {7320, 500}, {7950, 470}, {520, 980},  {940, 1070}, {1350, 1170},
    {1810, 1200}, {2290, 1220}, {2750, 1160}, {3180, 1080}, {3860, 1080}, {4420, 1150},
    {4930, 1210}, {5470, 1250}, {6010, 1220}, {6540, 1190}, {7050, 1110}, {7050, 1120},
};

} // namespace

class PictureContent : public QObject {
    Q_OBJECT

private slots:
    void everyMissChangesThePicture_data();
    void everyMissChangesThePicture();
    void lettersCanBeToldApart();
    void spinnerShowsThePressedHalf_data();
    void spinnerShowsThePressedHalf();
    void linesRunThroughEveryCardTop_data();
    void linesRunThroughEveryCardTop();
};

void PictureContent::everyMissChangesThePicture_data()
{
    QTest::addColumn<int>("motif");
    QTest::addColumn<int>("stage");
    const char *motifs[] = {"apple tree", "Wupple", "ship", "bird"};
    for (int motif = 0; motif < 4; ++motif)
        for (int stage = 1; stage < 10; ++stage)
            QTest::addRow("%s %d", motifs[motif], stage) << motif << stage;
}

void PictureContent::everyMissChangesThePicture()
{
    QFETCH(int, motif);
    QFETCH(int, stage);
    const QImage before = picture(QStringLiteral("stage%1.bmp").arg(101 + stage - 1 + 10 * motif));
    const QImage after = picture(QStringLiteral("stage%1.bmp").arg(101 + stage + 10 * motif));
    QCOMPARE(before.size(), QSize(160, 160));
    QCOMPARE(after.size(), QSize(160, 160));
    const int changed = differingPixels(before, after);
    QVERIFY2(changed > 160 * 160 * 2 / 100,
             qPrintable(QStringLiteral("only %1 pixels change").arg(changed)));
}

void PictureContent::lettersCanBeToldApart()
{
    QList<QImage> cards;
    for (int i = 0; i < 30; ++i) {
        cards.append(picture(letterName(i)));
        QCOMPARE(cards.last().size(), QSize(25, 30));
    }
    const QImage tile = picture(QStringLiteral("tile.bmp"));
    for (int i = 0; i < 30; ++i) {
        // Even U and Ü differ by two dots of a few pixels each.
        for (int j = i + 1; j < 30; ++j)
            QVERIFY2(differingPixels(cards[i], cards[j]) >= 8,
                     qPrintable(QStringLiteral("letters %1 and %2 look alike").arg(i).arg(j)));
        QVERIFY2(differingPixels(cards[i], tile) >= 60,
                 qPrintable(QStringLiteral("letter %1 looks like the empty tile").arg(i)));
    }
}

void PictureContent::spinnerShowsThePressedHalf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("upperLeftPressed");
    QTest::newRow("up pressed") << QStringLiteral("spin1.bmp") << true;
    QTest::newRow("down pressed") << QStringLiteral("spin2.bmp") << false;
}

// The diagonal from the top right to the bottom left divides the square: x + y = 19 on it.
void PictureContent::spinnerShowsThePressedHalf()
{
    QFETCH(QString, name);
    QFETCH(bool, upperLeftPressed);
    const QImage raised = picture(QStringLiteral("spin0.bmp"));
    const QImage pressed = picture(name);
    int upperLeft = 0;
    int lowerRight = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (pressed.pixel(x, y) != raised.pixel(x, y))
                ++(x + y < 19 ? upperLeft : lowerRight);
    QVERIFY2((upperLeftPressed ? upperLeft : lowerRight) >= 40, "the pressed half looks pressed");
    QCOMPARE(upperLeftPressed ? lowerRight : upperLeft, 0);
}

void PictureContent::linesRunThroughEveryCardTop_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    for (int i = 0; i < 30; ++i)
        QTest::addRow("card %d", i) << qRound(kCardPlaces[i][0] / 15.0) << qRound(kCardPlaces[i][1] / 15.0);
}

void PictureContent::linesRunThroughEveryCardTop()
{
    QFETCH(int, left);
    QFETCH(int, top);
    const QImage strip = picture(QStringLiteral("strip.bmp"));
    QCOMPARE(strip.size(), QSize(600, 120));
    const QRgb ground = strip.pixel(300, 119);
    // A peg waits above the card's top centre, so a picked letter leaves it on the line.
    QVERIFY(strip.pixel(left + 12, top - 3) != ground);
    QVERIFY(strip.pixel(left + 12, top + 3) != ground);
    // The light line crosses the card's width right at its top edge.
    for (int x : {left + 3, left + 21}) {
        bool line = false;
        for (int y = top - 4; y <= top + 3; ++y)
            line = line || qGray(strip.pixel(x, y)) > 150;
        QVERIFY2(line, qPrintable(QStringLiteral("no line at x = %1").arg(x)));
    }
}

QTEST_GUILESS_MAIN(PictureContent)
#include "tst_PictureContent.moc"
