// The pictures compiled into the program: each one is there, in exactly the file format and
// size the board expects, and loads as an image.
#include <QFile>
#include <QImage>
#include <QTest>

#include <cstdint>

namespace {

std::uint32_t le32(const QByteArray &bytes, int at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

std::uint16_t le16(const QByteArray &bytes, int at)
{
    return std::uint16_t(std::uint8_t(bytes[at]) | (std::uint8_t(bytes[at + 1]) << 8));
}

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class PictureFiles : public QObject {
    Q_OBJECT

private slots:
    void bitmapHasTheGameFormat_data();
    void bitmapHasTheGameFormat();
    void pngHasItsSizeAndTransparency_data();
    void pngHasItsSizeAndTransparency();
    void stagePicturesStandUpright_data();
    void stagePicturesStandUpright();
};

void PictureFiles::bitmapHasTheGameFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int id = 101; id <= 140; ++id)
        QTest::addRow("stage%d", id) << QStringLiteral("stage%1.bmp").arg(id) << 160 << 160;
    QTest::addRow("strip") << QStringLiteral("strip.bmp") << 600 << 120;
    for (int i = 0; i < 30; ++i)
        QTest::addRow("letter%02d", i) << QStringLiteral("letter%1.bmp").arg(i, 2, 10, QChar(u'0')) << 25 << 30;
    QTest::addRow("tile") << QStringLiteral("tile.bmp") << 25 << 30;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("symbol%d", i) << QStringLiteral("symbol%1.bmp").arg(i) << 26 << 27;
    for (int i = 0; i < 3; ++i)
        QTest::addRow("spin%d", i) << QStringLiteral("spin%1.bmp").arg(i) << 20 << 20;
}

void PictureFiles::bitmapHasTheGameFormat()
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
    QCOMPARE(le32(bytes, 2), std::uint32_t(bytes.size()));
    QCOMPARE(le32(bytes, 10), std::uint32_t(14 + 40 + 64)); // pixels follow the palette
    QCOMPARE(le32(bytes, 14), 40u);                         // BITMAPINFOHEADER
    QCOMPARE(int(le32(bytes, 18)), width);
    QCOMPARE(int(le32(bytes, 22)), height); // positive: bottom-up rows
    QCOMPARE(le16(bytes, 26), 1);           // planes
    QCOMPARE(le16(bytes, 28), 4);           // bits per pixel
    QCOMPARE(le32(bytes, 30), 0u);          // BI_RGB, uncompressed
    QCOMPARE(int(le32(bytes, 34)), rowBytes * height);
    QCOMPARE(le32(bytes, 46), 16u); // palette entries
    for (int entry = 0; entry < 16; ++entry)
        QCOMPARE(int(bytes[54 + entry * 4 + 3]), 0); // reserved byte of each RGBQUAD
    if (name.startsWith(u"stage"))
        QCOMPARE(dibSize, 12904);

    const QImage image = QImage::fromData(bytes, "BMP");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));
    QVERIFY(image.colorCount() <= 16);
    QCOMPARE(QImage(QStringLiteral(":/pictures/") + name).size(), QSize(width, height));
}

void PictureFiles::pngHasItsSizeAndTransparency_data()
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

void PictureFiles::pngHasItsSizeAndTransparency()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparentCorners);
    const QByteArray bytes = resource(name);
    QVERIFY2(bytes.startsWith("\x89PNG"), qPrintable(name + QStringLiteral(" is missing or not a PNG")));
    const QImage image = QImage::fromData(bytes, "PNG");
    QCOMPARE(image.size(), size);
    const QRgb centre = image.pixel(size.width() / 2, size.height() / 2);
    QCOMPARE(qAlpha(centre), 255);
    if (!transparentCorners)
        return;
    QVERIFY(image.hasAlphaChannel());
    for (const QPoint &corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                 QPoint(size.width() - 1, size.height() - 1)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
}

// Rows stored in the wrong order would turn a picture upside down: the sky is above the ground.
void PictureFiles::stagePicturesStandUpright_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("apple tree") << QStringLiteral("stage101.bmp");
    QTest::newRow("Wupple") << QStringLiteral("stage111.bmp");
    QTest::newRow("ship") << QStringLiteral("stage121.bmp");
}

void PictureFiles::stagePicturesStandUpright()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/pictures/") + name);
    QVERIFY(!image.isNull());
    const auto blueness = [&image](int y) {
        int sum = 0;
        for (int x = 0; x < image.width(); ++x)
            sum += qBlue(image.pixel(x, y)) - qRed(image.pixel(x, y));
        return sum / image.width();
    };
    QVERIFY2(blueness(2) > 60, "the top row is sky");
    QVERIFY2(blueness(image.height() - 3) < 20, "the bottom row is ground");
}

QTEST_GUILESS_MAIN(PictureFiles)
#include "tst_PictureFiles.moc"
