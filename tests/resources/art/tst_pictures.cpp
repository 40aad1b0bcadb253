// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures compiled into the program: each is there in exactly the file format and size the
// board expects, and shows what the game needs: every miss changes the stage picture visibly,
// every letter card can be told from the others and from the empty tile, the spinner shows which
// half is pressed, and the washing lines of the strip run through the top of every card.
#include "game/Layout.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

namespace {

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/pictures/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

QImage picture(const QString& name)
{
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

QString letterName(int index) { return QStringLiteral("letter%1.bmp").arg(index, 2, 10, QChar(u'0')); }

// A change of colour that the eye notices, not a shade one step off.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 30;
        }
    return count;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void bitmapHasTheGameFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (int id = 101; id <= 140; ++id)
            QTest::addRow("stage%d", id) << QStringLiteral("stage%1.bmp").arg(id) << 160 << 160;
        QTest::addRow("strip") << QStringLiteral("strip.bmp") << 600 << 120;
        for (int i = 0; i < 30; ++i)
            QTest::addRow("letter%02d", i) << letterName(i) << 25 << 30;
        QTest::addRow("tile") << QStringLiteral("tile.bmp") << 25 << 30;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("symbol%d", i) << QStringLiteral("symbol%1.bmp").arg(i) << 26 << 27;
        for (int i = 0; i < 3; ++i)
            QTest::addRow("spin%d", i) << QStringLiteral("spin%1.bmp").arg(i) << 20 << 20;
    }

    void bitmapHasTheGameFormat()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        const QByteArray bytes = resource(name);
        QVERIFY2(!bytes.isEmpty(), qPrintable(name + QStringLiteral(" is missing")));

        const int rowBytes = ((width * 4 + 31) / 32) * 4;
        const int dibSize = 40 + 16 * 4 + rowBytes * height; // the bitmap without its file header
        QCOMPARE(bytes.size(), 14 + dibSize);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(u32(bytes, 2), quint32(bytes.size()));
        QCOMPARE(u32(bytes, 10), quint32(14 + 40 + 64)); // pixels follow the palette
        QCOMPARE(u32(bytes, 14), 40u);                   // BITMAPINFOHEADER
        QCOMPARE(int(u32(bytes, 18)), width);
        QCOMPARE(int(u32(bytes, 22)), height); // positive: bottom-up rows
        QCOMPARE(u16(bytes, 26), 1);           // planes
        QCOMPARE(u16(bytes, 28), 4);           // bits per pixel
        QCOMPARE(u32(bytes, 30), 0u);          // BI_RGB, uncompressed
        QCOMPARE(int(u32(bytes, 34)), rowBytes * height);
        QCOMPARE(u32(bytes, 46), 16u); // palette entries
        for (int entry = 0; entry < 16; ++entry)
            QCOMPARE(int(bytes[54 + entry * 4 + 3]), 0); // reserved byte of each RGBQUAD
        if (name.startsWith(u"stage"))
            QCOMPARE(dibSize, 12904);

        const QImage image = QImage::fromData(bytes, "BMP");
        QCOMPARE(image.size(), QSize(width, height));
        QVERIFY(image.colorCount() <= 16);
    }

    void pngHasItsSizeAndTransparency_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparentCorners");
        QTest::newRow("start") << QStringLiteral("button_start.png") << QSize(32, 32) << true;
        QTest::newRow("end") << QStringLiteral("button_end.png") << QSize(32, 32) << true;
        QTest::newRow("hint") << QStringLiteral("button_hint.png") << QSize(32, 32) << true;
        QTest::newRow("icon") << QStringLiteral("icon.png") << QSize(256, 256) << true;
        QTest::newRow("splash") << QStringLiteral("splash.png") << QSize(320, 200) << false;
    }

    void pngHasItsSizeAndTransparency()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, transparentCorners);
        const QByteArray bytes = resource(name);
        QVERIFY2(bytes.startsWith("\x89PNG"), qPrintable(name + QStringLiteral(" is missing or not a PNG")));
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
        if (!transparentCorners)
            return;
        QVERIFY(image.hasAlphaChannel());
        for (const QPoint& corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                     QPoint(size.width() - 1, size.height() - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }

    // Rows stored in the wrong order would turn a picture upside down: the sky is above the ground.
    void stagePicturesStandUpright_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("apple tree") << QStringLiteral("stage101.bmp");
        QTest::newRow("Wupple") << QStringLiteral("stage111.bmp");
        QTest::newRow("ship") << QStringLiteral("stage121.bmp");
    }

    void stagePicturesStandUpright()
    {
        QFETCH(QString, name);
        const QImage image = picture(name);
        const auto blueness = [&image](int y) {
            int sum = 0;
            for (int x = 0; x < image.width(); ++x)
                sum += qBlue(image.pixel(x, y)) - qRed(image.pixel(x, y));
            return sum / image.width();
        };
        QVERIFY2(blueness(2) > 60, "the top row is sky");
        QVERIFY2(blueness(image.height() - 3) < 20, "the bottom row is ground");
    }

    void everyMissChangesThePicture_data()
    {
        QTest::addColumn<int>("before"); // the picture's number before the miss
        const char* motifs[] = {"apple tree", "Wupple", "ship", "bird"};
        for (int motif = 0; motif < 4; ++motif)
            for (int stage = 1; stage < 10; ++stage)
                QTest::addRow("%s %d", motifs[motif], stage) << 100 + stage + 10 * motif;
    }

    void everyMissChangesThePicture()
    {
        QFETCH(int, before);
        const int changed = differingPixels(picture(QStringLiteral("stage%1.bmp").arg(before)),
                                            picture(QStringLiteral("stage%1.bmp").arg(before + 1)));
        QVERIFY2(changed > 160 * 160 * 2 / 100, qPrintable(QStringLiteral("only %1 pixels change").arg(changed)));
    }

    void lettersCanBeToldApart()
    {
        QList<QImage> cards;
        for (int i = 0; i < 30; ++i)
            cards.append(picture(letterName(i)));
        const QImage tile = picture(QStringLiteral("tile.bmp"));
        for (int i = 0; i < 30; ++i) {
            // Even U and Ü differ by two dots of a few pixels each.
            for (int j = i + 1; j < 30; ++j)
                QVERIFY2(differingPixels(cards[i], cards[j]) >= 8, qPrintable(QStringLiteral("letters %1 and %2 look alike").arg(i).arg(j)));
            QVERIFY2(differingPixels(cards[i], tile) >= 60, qPrintable(QStringLiteral("letter %1 looks like the empty tile").arg(i)));
        }
    }

    void spinnerShowsThePressedHalf_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("upperLeftPressed");
        QTest::newRow("up pressed") << QStringLiteral("spin1.bmp") << true;
        QTest::newRow("down pressed") << QStringLiteral("spin2.bmp") << false;
    }

    // The diagonal from the top right to the bottom left divides the square: x + y = 19 on it.
    void spinnerShowsThePressedHalf()
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

    // The places are those where the game puts the cards on the strip.
    void linesRunThroughEveryCardTop_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        for (int i = 0; i < 30; ++i)
            QTest::addRow("card %d", i) << qRound(layout::letterPlaces[i].left / 15.0) << qRound(layout::letterPlaces[i].top / 15.0);
    }

    void linesRunThroughEveryCardTop()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        const QImage strip = picture(QStringLiteral("strip.bmp"));
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
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
