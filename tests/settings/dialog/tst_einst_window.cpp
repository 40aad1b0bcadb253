// The settings dialog as a window: its raised frames, the number labels, and the spinners pressed
// and held with the mouse.
#include "GameSession.h"
#include "common/NumberForm.h"
#include "common/RuntimeError.h"
#include "settings/Frame3D.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

class EinstWindowTest : public QObject {
    Q_OBJECT
private slots:
    void framesAreRaised_data();
    void framesAreRaised();
    void frameEdgesLieOutsideTheRectangle();
    void numberLabelsFitTheirSpinners();
    void spinnerHalves_data();
    void spinnerHalves();
    void heldSpinnerRepeatsUpToTheLimit_data();
    void heldSpinnerRepeatsUpToTheLimit();
};

namespace {
constexpr QRgb white = 0xFFFFFF, darkGrey = 0x808080, background = 0xC0C0C0;
}

void EinstWindowTest::framesAreRaised_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<uint>("colour");
    // Names: frame 200, 2100, 650, 2300 twips; repetition: 2600, 2600, 650, 1300.
    QTest::newRow("names, top edge") << QPoint(80, 42) << uint(white);
    QTest::newRow("names, left edge") << QPoint(12, 120) << uint(white);
    QTest::newRow("names, bottom edge") << QPoint(80, 197) << uint(darkGrey);
    QTest::newRow("names, right edge") << QPoint(153, 120) << uint(darkGrey);
    QTest::newRow("names, outside the top") << QPoint(80, 40) << uint(background);
    QTest::newRow("names, outside the bottom") << QPoint(80, 199) << uint(background);
    QTest::newRow("repetition, top edge") << QPoint(260, 42) << uint(white);
    QTest::newRow("repetition, left edge") << QPoint(172, 90) << uint(white);
    QTest::newRow("repetition, bottom edge") << QPoint(260, 130) << uint(darkGrey);
    QTest::newRow("repetition, right edge") << QPoint(347, 90) << uint(darkGrey);
    QTest::newRow("repetition, outside the right") << QPoint(349, 90) << uint(background);
}

void EinstWindowTest::framesAreRaised()
{
    QFETCH(QPoint, pixel);
    QFETCH(uint, colour);
    GameSession session;
    Einst& dialog = session.open();
    const QImage picture = dialog.grab().toImage();
    QCOMPARE(picture.pixel(pixel) & 0xFFFFFF, colour);
}

void EinstWindowTest::frameEdgesLieOutsideTheRectangle()
{
    // Two nested frames around a 20 x 20 pixel square at (10, 10): light lines one and two
    // pixels outside at the top and left, dark lines on the bottom and right boundary (row and
    // column 30) and one pixel beyond.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        links_oben(150, 300, 150, 300, painter, 15, 2);
        rechts_unten(150, 300, 150, 300, painter, 8, 2);
    }
    const auto at = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    QCOMPARE(at(20, 9), QRgb(white));
    QCOMPARE(at(20, 8), QRgb(white));
    QCOMPARE(at(9, 20), QRgb(white));
    QCOMPARE(at(8, 20), QRgb(white));
    QCOMPARE(at(20, 30), QRgb(darkGrey));
    QCOMPARE(at(20, 31), QRgb(darkGrey));
    QCOMPARE(at(30, 20), QRgb(darkGrey));
    QCOMPARE(at(31, 20), QRgb(darkGrey));
    QCOMPARE(at(20, 20), QRgb(0));
    QCOMPARE(at(20, 7), QRgb(0));
    QCOMPARE(at(20, 32), QRgb(0));
    QCOMPARE(QBColor(7).rgb() & 0xFFFFFF, QRgb(background));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, QBColor(16));
}

void EinstWindowTest::numberLabelsFitTheirSpinners()
{
    GameSession session;
    Einst& dialog = session.open();
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(dialog.plumin[i]->size(), QSize(20, 20));
        QCOMPARE(dialog.plumin[i]->picture(), 0);
        // Nine tenths of the spinner's 300 twips; the 9.75 pt font already fits into 270 twips.
        QCOMPARE(dialog.Zahl[i]->height(), 18);
        QCOMPARE(dialog.Zahl[i]->font().pointSizeF(), 9.75);
    }
}

void EinstWindowTest::spinnerHalves_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("start");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("shown");
    QTest::newRow("players, upper-left half") << 0 << 2 << QPoint(5, 5) << "3";
    QTest::newRow("players, lower-right half") << 0 << 2 << QPoint(15, 15) << "1";
    QTest::newRow("top-right corner counts up") << 0 << 2 << QPoint(19, 0) << "3";
    QTest::newRow("bottom-left corner counts up") << 0 << 2 << QPoint(0, 19) << "3";
    QTest::newRow("one pixel above the diagonal") << 0 << 2 << QPoint(10, 9) << "3";
    QTest::newRow("on the diagonal counts down") << 0 << 2 << QPoint(10, 10) << "1";
    QTest::newRow("players stay at 4") << 0 << 4 << QPoint(5, 5) << " 4";
    QTest::newRow("players stay at 1") << 0 << 1 << QPoint(15, 15) << " 1";
    QTest::newRow("hints, upper-left half") << 1 << 1 << QPoint(5, 5) << "2";
    QTest::newRow("hints down to 0") << 1 << 1 << QPoint(15, 15) << "0";
    QTest::newRow("hints stay at 3") << 1 << 3 << QPoint(5, 5) << " 3";
    QTest::newRow("hints stay at 0") << 1 << 0 << QPoint(15, 15) << " 0";
}

void EinstWindowTest::spinnerHalves()
{
    QFETCH(int, index);
    QFETCH(int, start);
    QFETCH(QPoint, pixel);
    QFETCH(QString, shown);
    GameSession session;
    Einst& dialog = session.open();
    dialog.setZahl(index, numberForm(start));
    g().EinstGeaendert = False;
    const bool up = (pixel.x() + pixel.y()) * 15 < 300;

    pressSpinner(dialog, index, pixel);
    QCOMPARE(dialog.Zahl[index]->text(), shown);
    QCOMPARE(dialog.plumin[index]->picture(), up ? 1 : 2);
    QVERIFY(dialog.Timer1->isActive());
    const int value = shown.trimmed().toInt();
    QCOMPARE(index == 0 ? g().AnzahlSpieler : g().AnzahlTipps, value);
    // Only a real step counts as a change.
    QCOMPARE(g().EinstGeaendert, flag(value != start));
    if (index == 0)
        for (int i = 0; i < 4; ++i)
            QCOMPARE(dialog.Spieler_Name[i]->isEnabled(), i < value);

    releaseSpinner(dialog, index, pixel);
    QCOMPARE(dialog.plumin[index]->picture(), 0);
    QVERIFY(!dialog.Timer1->isActive());
}

void EinstWindowTest::heldSpinnerRepeatsUpToTheLimit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("start");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("afterPress");
    QTest::addColumn<QString>("held");
    QTest::newRow("players up from 1") << 0 << 1 << upperLeft << "2" << "4";
    QTest::newRow("hints down from 3") << 1 << 3 << lowerRight << "2" << "0";
}

void EinstWindowTest::heldSpinnerRepeatsUpToTheLimit()
{
    QFETCH(int, index);
    QFETCH(int, start);
    QFETCH(QPoint, pixel);
    QFETCH(QString, afterPress);
    QFETCH(QString, held);
    GameSession session;
    Einst& dialog = session.open();
    dialog.setZahl(index, numberForm(start));

    pressSpinner(dialog, index, pixel);
    QCOMPARE(dialog.Zahl[index]->text(), afterPress);
    // Two more steps at 200 and 400 ms reach the limit; the tick at 600 ms finds it there.
    QTest::qWait(650);
    QCOMPARE(dialog.Zahl[index]->text(), held);
    QCOMPARE(dialog.plumin[index]->picture(), pixel == upperLeft ? 1 : 2);
    releaseSpinner(dialog, index, pixel);
    QCOMPARE(dialog.plumin[index]->picture(), 0);

    // Released, nothing steps any more, not even after a change by hand.
    dialog.setZahl(index, QStringLiteral("2"));
    QTest::qWait(450);
    QCOMPARE(dialog.Zahl[index]->text(), QStringLiteral("2"));
}

QTEST_MAIN(EinstWindowTest)
#include "tst_einst_window.moc"
