// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board in the real window: minimum size, motifs and the growing first picture (minimizing is
// tried on a real desktop, tests/desktop).
#include "GameSession.h"
#include "common/Pacing.h"
#include "game/BoardColours.h"
#include "game/Layout.h"

#include <QFrame>

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void normalWindowSnapsBackToTheMinimum()
    {
        GameSession s({}, QStringLiteral("[Window]\nStatus= 0\nLeft= 150\nTop= 150\nWidth= 12000\nHeight= 9000\n"));
        auto& w = s.window;
        w->placement().setOuterTwips({150, 150, 6000, 3000});
        QCoreApplication::processEvents();
        QCOMPARE(w->placement().outerTwips().width(), layout::MinWidth);
        QCOMPARE(w->placement().outerTwips().height(), layout::MinHeight);
        w->placement().setOuterTwips({150, 150, 15000, 4000});
        QCoreApplication::processEvents();
        QCOMPARE(w->placement().outerTwips().width(), 15000);
        QCOMPARE(w->placement().outerTwips().height(), layout::MinHeight);
    }

    void elementsStandWhereTheLayoutSays_data()
    {
        QTest::addColumn<bool>("fit");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (bool fit : {false, true}) {
            const char* option = fit ? "fitted" : "design size";
            QTest::addRow("%s, minimum", option) << fit << 9600 << 6975;
            QTest::addRow("%s, 800x600", option) << fit << 12000 << 9000;
            QTest::addRow("%s, 1280x1024", option) << fit << 19200 << 15360;
        }
    }

    // The positions themselves are tst_layout's; here, that the window puts its controls there.
    void elementsStandWhereTheLayoutSays()
    {
        QFETCH(bool, fit);
        QFETCH(int, width);
        QFETCH(int, height);
        GameSession session({}, QStringLiteral("[Window]\nStatus= 0\nLeft= 150\nTop= 150\nWidth= %1\nHeight= %2\n[Optionen]\nAnpassen=%3\n")
                                    .arg(width).arg(height).arg(fit ? -1 : 0));
        auto [env, w] = std::tie(session.env, session.window);
        session.startGame();
        const QRect outer = w->placement().outerTwips();
        const QSizeF client(layout::toTwips(w->board().width()), layout::toTwips(w->board().height()));
        const double s = fit ? layout::boardScale(QSizeF(outer.size()), client) : 1.0;
        QCOMPARE(w->board().scale(), s);
        const int n = w->board().fieldCount();
        QVERIFY2(n > 0, qPrintable(env.dialogs.texts().join(u'|')));
        layout::Room room;
        room.clientHeight = client.height();
        room.wordLength = n;
        room.growTiles = fit;
        const layout::Board b = layout::arrange(outer.width(), outer.height(), s, room);
        using layout::toPixels;
        const std::pair<QWidget*, layout::Point> placed[] = {
            {w->board().stage(3), b.picture},     {w->board().cardStrip(), b.strip},         {w->board().namesFrame(), b.names},
            {w->board().button(1), b.picButtons[1]}, {w->board().button(3), b.nextWord},
            // A new word's tiles stand 50 twips right of where a re-layout puts them.
            {w->board().tile(1), {b.newTileLeft(1, n), b.tileTop}},
        };
        for (const auto& [widget, at] : placed)
            QCOMPARE(widget->pos(), QPoint(toPixels(at.left), toPixels(at.top)));
        // Letter A hangs at its place on the strip; the cards and tokens grow with the board.
        QCOMPARE(w->board().card(0)->geometry(), QRect(toPixels(170 * s), toPixels(200 * s), toPixels(375 * s), toPixels(450 * s)));
        QCOMPARE(w->board().tile(1)->size(), QSize(toPixels(b.tileSize().width()), toPixels(b.tileSize().height())));
        // Fitted, the word's letters are at least as large as the cards; else just as large.
        QVERIFY(fit ? w->board().tile(1)->height() >= w->board().card(0)->height() : w->board().tile(1)->size() == w->board().card(0)->size());
        // The player whose turn it is keeps the colours of the turn on a grown board.
        QCOMPARE(w->board().nameRow(0)->palette().color(QPalette::Window), QColor::fromRgb(colours::clear().activeBack));
        QCOMPARE(w->board().nameRow(0)->font().pointSizeF(), 12 * s);
        QCOMPARE(w->board().token(1, 1)->geometry(), QRect(toPixels(2790 * s), toPixels(985 * s), toPixels(390 * s), toPixels(405 * s)));
        // Nothing of the board reaches outside the window or into another element.
        QList<QRect> rects{w->board().stage(3)->geometry(), w->board().cardStrip()->geometry(), w->board().namesFrame()->geometry(),
                           w->board().button(3)->geometry()};
        for (int i = 0; i < 3; ++i)
            rects << w->board().button(i)->geometry();
        for (int i = 1; i <= n; ++i)
            rects << w->board().tile(i)->geometry();
        for (int i = 0; i < rects.size(); ++i) {
            QVERIFY(w->board().rect().contains(rects[i]));
            for (int j = i + 1; j < rects.size(); ++j)
                QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        }
        // Switching the option re-lays the board at once and is kept in the settings file.
        w->menu().mnuAnpassen->trigger();
        QCOMPARE(w->board().scale(), fit ? 1.0 : layout::boardScale(QSizeF(outer.size()), client));
        QVERIFY(env.ini().contains(fit ? "Anpassen= 0" : "Anpassen=-1"));
    }

    void motifChangeSwitchesStagesAndTokens()
    {
        // At the design size the pictures are the shipped ones.
        GameSession s({QStringLiteral("Rabe")}, QStringLiteral("[Optionen]\nAnpassen= 0\n"));
        auto& w = s.window;
        s.startGame();
        s.typeText(QStringLiteral("RABXY"));
        QCOMPARE(s.visibleStage(), 2);
        s.typeText(QStringLiteral("E"));
        // Two misses passed the turn twice: player 3 scored.
        QVERIFY(!w->board().token(2, 0)->isHidden());
        g().MotivNr = 3;
        w->Motiv_Wahl();
        QCOMPARE(s.visibleStage(), 2);
        const QImage stage = w->board().stage(2)->pixmap().toImage();
        QCOMPARE(stage, QImage(QStringLiteral(":/pictures/stage133.bmp")).convertToFormat(stage.format()));
        QVERIFY(w->board().token(2, 0)->picture() == (BoardPicture{PictureKind::Token, 3}));
        QVERIFY(!w->board().token(2, 0)->isHidden());
    }

    void firstPictureGrowsIntoView()
    {
        GameSession s;
        auto& w = s.window;
        Pacing::setScale(1);
        QList<int> heights;
        w->menu().mnuStart->trigger();
        for (int i = 0; i < 12 && w->busy(); ++i) {
            QTest::qWait(100);
            heights << w->board().stage(0)->height();
        }
        settle(*w);
        Pacing::setScale(0);
        // One step of 300 twips (20 pixels) every 0.1 seconds, up to the full 160 pixels.
        QVERIFY(heights.size() >= 6);
        for (int i = 1; i < heights.size(); ++i)
            QVERIFY(heights[i] >= heights[i - 1]);
        QVERIFY(heights.first() < w->board().stage(1)->height() / 2);
        QCOMPARE(w->board().stage(0)->height(), layout::toPixels(2400 * w->board().scale()));
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
