// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of a solved word as the X server shows it: drawn in colour over the stage picture,
// in a window of its normal size and maximized. CTest runs it on a 1280 x 1024 and on a
// 1920 x 1080 screen.
#include "Desktop.h"
#include "GameSession.h"
#include "game/WordPicture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

// Clearly coloured pixels in the middle of the card as the screen shows it.
int colouredOnScreen(const QWidget& card)
{
    const QRect inner = QRect(card.mapToGlobal(QPoint(0, 0)), card.size()).adjusted(card.width() / 5, card.height() / 5,
                                                                                     -card.width() / 5, -card.height() / 5);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, inner.x(), inner.y(), inner.width(), inner.height()).toImage();
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.hsvSaturation() > 120 && c.value() > 60)
                ++n;
        }
    return n * 100 / std::max(1, shot.width() * shot.height());
}

// The whole screen, saved when WUPPLE_SHOTS names a folder.
void shot(const QString& name)
{
    const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
    if (!folder.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class DesktopWordPictureTest : public QObject {
    Q_OBJECT
private slots:
    void pictureIsDrawnAtEveryScale()
    {
        if (QFontInfo(QFont(WordPictureCard::emojiFamily())).family() != WordPictureCard::emojiFamily())
            QSKIP("the colour emoji font (fonts-noto-color-emoji) is not installed");
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QString size = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
        GameSession game({QStringLiteral("Apfel")},
                         QStringLiteral("[Window]\nStatus= 0\nLeft= 600\nTop= 600\nWidth= 9600\nHeight= 6975\n"));
        auto& w = *game.window;
        QVERIFY(desktop::waitFramed(&w));
        game.startGame();
        game.typeText(QStringLiteral("apfel"));
        const WordPictureCard& card = *w.board().wordPicture();
        QVERIFY(card.isVisible());
        QCOMPARE(w.board().scale(), 1.0);
        QTest::qWait(600); // the hop has settled
        const int normal = colouredOnScreen(card);
        shot(QStringLiteral("word-picture-%1-normal").arg(size));
        QVERIFY2(normal > 10, qPrintable(QString::number(normal)));

        w.showMaximized();
        QVERIFY(QTest::qWaitFor([&] { return w.isMaximized() && w.board().scale() > 1.0; }, 5000));
        QTest::qWait(600);
        QCOMPARE(card.geometry(), w.board().stage(1)->geometry());
        const int maximized = colouredOnScreen(card);
        shot(QStringLiteral("word-picture-%1-maximized").arg(size));
        qInfo("%s: coloured share %d %% at scale 1, %d %% maximized at scale %.2f", qPrintable(size), normal, maximized,
              w.board().scale());
        QVERIFY2(maximized > 10, qPrintable(QString::number(maximized)));
    }
};

QTEST_MAIN(DesktopWordPictureTest)
#include "tst_desktop_word_picture.moc"
