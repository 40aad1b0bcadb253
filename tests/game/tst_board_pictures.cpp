// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's pictures on a dense screen (device pixel ratio 2) and a grown board: each is drawn
// at the pixels it covers, never blown up; at the design size they are the shipped pictures.
#include "GameSession.h"
#include "LetterCards.h"
#include "Pictures.h"
#include "game/BoardPictures.h"
#include "game/Layout.h"
#include "settings/Spinner.h"

#include <QApplication>
#include <QToolButton>

namespace {
// Equal where the pixmap is not cut away.
bool samePicture(const QPixmap& shown, const QImage& drawn)
{
    const QImage a = shown.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qAlpha(a.pixel(x, y)) == 255 && a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

// Height and width of the letter's own colour on a card drawn at `scale`.
QSize letterInk(int index, qreal scale)
{
    const QImage card = art::drawLetterCard(index, scale).convertToFormat(QImage::Format_RGB32);
    const QColor ink = art::letterColour(index);
    QRect box;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x) {
            const QColor c(card.pixel(x, y));
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) < 40)
                box |= QRect(x, y, 1, 1);
        }
    return box.size();
}
} // namespace

class BoardPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void designSizeShowsTheShippedPicture_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("resource");
        QTest::newRow("stage") << int(PictureKind::Stage) << 127 << QStringLiteral("stage127.bmp");
        QTest::newRow("strip") << int(PictureKind::Strip) << 0 << QStringLiteral("strip.bmp");
        QTest::newRow("W") << int(PictureKind::Letter) << 22 << QStringLiteral("letter22.bmp");
        QTest::newRow("button") << int(PictureKind::Button) << 2 << QStringLiteral("button_hint.png");
    }

    void designSizeShowsTheShippedPicture()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, resource);
        const BoardPicture picture{PictureKind(kind), index};
        const QPixmap shown = boardPixmap(picture, designSize(picture), 1);
        QVERIFY(samePicture(shown, QImage(QStringLiteral(":/pictures/") + resource)));
    }

    void grownBoardOnADenseScreenIsDrawnSharp()
    {
        GameSession session({}, QStringLiteral("[Window]\nStatus= 0\nLeft= 0\nTop= 0\nWidth= 19200\nHeight= 15360\n"));
        auto& w = session.window;
        session.startGame();
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        const double s = w->board().scale();
        QVERIFY(s >= 1.75);
        QVERIFY(w->board().fieldCount() > 0);
        w->grab(); // paints every visible control
        const qreal pixels = 2 * s;
        const struct {
            PictureLabel* label;
            QImage drawn;
        } shown[] = {
            {w->board().stage(0), art::drawStage(g().MotivNr, 0, pixels)},
            {w->board().cardStrip(), art::drawLetterStrip(pixels)},
            {w->board().card(12), art::drawLetterCard(12, pixels)},
            // The word's tiles may have grown beyond the cards, in whole pixels of the card's shape.
            {w->board().tile(1), art::drawEmptyTile(2 * w->board().tile(1)->width() / 25.0)},
        };
        for (const auto& [label, drawn] : shown) {
            QCOMPARE(label->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(label->pixmap().size(), label->size() * 2);
            QVERIFY2(samePicture(label->pixmap(), drawn), qPrintable(label->objectName()));
        }
        const QPixmap icon = static_cast<QToolButton*>(w->board().button(0))->icon().pixmap(w->board().button(0)->iconSize(), 2.0);
        QCOMPARE(icon.size(), w->board().button(0)->iconSize() * 2);
        QVERIFY(samePicture(icon, art::drawStartButton(pixels)));
    }

    void spinnerIsDrawnPixelForPixel()
    {
        Spinner spinner;
        spinner.showPicture(2);
        const QImage design(QStringLiteral(":/pictures/spin2.bmp"));
        const QImage shown = spinner.pixmap().toImage();
        QCOMPARE(spinner.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), design.size() * 2);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), design.pixel(x / 2, y / 2));
    }

    void wideLettersKeepTheCapitalHeight_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("design") << qreal(1);
        QTest::newRow("grown board") << qreal(2.25);
        QTest::newRow("grown, dense screen") << qreal(4.5);
    }

    void wideLettersKeepTheCapitalHeight()
    {
        QFETCH(qreal, scale);
        QVERIFY(art::loadLetterFont());
        const QSize e = letterInk(4, scale);
        for (int wide : {12, 22}) { // M, W
            const QSize letter = letterInk(wide, scale);
            QVERIFY2(std::abs(letter.height() - e.height()) <= qCeil(scale), qPrintable(art::letterOf(wide)));
            QVERIFY(letter.width() > e.width());
            QVERIFY(letter.width() <= qCeil(art::kCardWidth * scale));
        }
    }
};

int main(int argc, char* argv[])
{
    // A dense screen: two device pixels to each pixel of the layout.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    BoardPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_board_pictures.moc"
