// The board in the real window: minimum size, minimizing, motifs and the growing first picture.
#include "GameDriver.h"
#include "common/Pacing.h"
#include "game/Layout.h"

#include <QFrame>

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void normalWindowSnapsBackToTheMinimum();
    void elementsStandWhereTheLayoutSays();
    void minimizingChangesNothing();
    void motifChangeSwitchesStagesAndTokens();
    void firstPictureGrowsIntoView();
};

namespace {
std::unique_ptr<wupp> normalWindow(TestEnvironment& env)
{
    env.writeIni(QStringLiteral("[Window]\nStatus= 0\nLeft= 150\nTop= 150\nWidth= 12000\nHeight= 9000\n"));
    return env.start();
}
} // namespace

void BoardTest::normalWindowSnapsBackToTheMinimum()
{
    TestEnvironment env;
    auto w = normalWindow(env);
    w->setOuterTwips(150, 150, 6000, 3000);
    QCoreApplication::processEvents();
    QCOMPARE(w->outerTwips().width(), layout::MinWidth);
    QCOMPARE(w->outerTwips().height(), layout::MinHeight);
    w->setOuterTwips(150, 150, 15000, 4000);
    QCoreApplication::processEvents();
    QCOMPARE(w->outerTwips().width(), 15000);
    QCOMPARE(w->outerTwips().height(), layout::MinHeight);
    w->close();
}

void BoardTest::elementsStandWhereTheLayoutSays()
{
    TestEnvironment env;
    auto w = normalWindow(env);
    GameDriver d{env, *w};
    d.start();
    const QRect outer = w->outerTwips();
    const layout::Board b = layout::arrange(outer.width(), outer.height());
    using layout::toPixels;
    QCOMPARE(w->B_Folge[3]->pos(), QPoint(toPixels(b.picture.left), toPixels(b.picture.top)));
    QCOMPARE(w->Picture1->pos(), QPoint(toPixels(b.strip.left), toPixels(b.strip.top)));
    QCOMPARE(w->fraNamen->pos(), QPoint(toPixels(b.names.left), toPixels(b.names.top)));
    QCOMPARE(w->PicBut[1]->pos(), QPoint(toPixels(b.picButtons[1].left), toPixels(b.picButtons[1].top)));
    const int n = w->fieldCount();
    // A new word's tiles stand 50 twips right of where a re-layout puts them.
    QCOMPARE(w->Feld[1]->x(), toPixels(double(layout::newTileLeft(outer.width(), 1, n))));
    QCOMPARE(w->Feld[1]->y(), toPixels(b.tileTop));
    QCOMPARE(w->Feld[n]->x() - w->Feld[1]->x(), toPixels((n - 1) * 450.0));
    // Letter A hangs at its place on the strip.
    QCOMPARE(w->alpha[0]->pos(), QPoint(toPixels(170), toPixels(200)));
    QCOMPARE(w->alpha[0]->size(), QSize(25, 30));
    w->close();
}

void BoardTest::minimizingChangesNothing()
{
    TestEnvironment env;
    auto w = normalWindow(env);
    const QPoint before = w->Picture1->pos();
    w->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(w->Picture1->pos(), before);
    w->close();
}

void BoardTest::motifChangeSwitchesStagesAndTokens()
{
    TestEnvironment env;
    GameDriver::writeWords(env, QStringLiteral("deutsch"), QStringLiteral("wupp.dat"), {QStringLiteral("Rabe")});
    auto w = env.start();
    GameDriver d{env, *w};
    d.start();
    d.typeText(QStringLiteral("RABXY"));
    QCOMPARE(d.visibleStage(), 2);
    d.typeText(QStringLiteral("E"));
    // Two misses passed the turn twice: player 3 scored.
    QVERIFY(!w->Punkt[16]->isHidden());
    const QImage stage2Before = w->B_Folge[2]->pixmap().toImage();
    g().MotivNr = 3;
    w->Motiv_Wahl();
    QCOMPARE(d.visibleStage(), 2);
    QCOMPARE(w->B_Folge[2]->pixmap().toImage(), QImage(QStringLiteral(":/pictures/stage133.bmp")).convertToFormat(stage2Before.format()));
    QVERIFY(w->B_Folge[2]->pixmap().toImage() != stage2Before);
    for (QLabel* token : w->Punkt)
        QCOMPARE(token->pixmap().toImage(), w->Symbol[3].toImage());
    QVERIFY(!w->Punkt[16]->isHidden());
    w->close();
}

void BoardTest::firstPictureGrowsIntoView()
{
    TestEnvironment env;
    auto w = env.start();
    Pacing::setScale(1);
    QList<int> heights;
    w->mnuStart->trigger();
    for (int i = 0; i < 12 && w->busy(); ++i) {
        QTest::qWait(100);
        heights << w->B_Folge[0]->height();
    }
    settle(*w);
    Pacing::setScale(0);
    // One step of 300 twips (20 pixels) every 0.1 seconds, up to the full 160 pixels.
    QVERIFY(heights.size() >= 6);
    for (int i = 1; i < heights.size(); ++i)
        QVERIFY(heights[i] >= heights[i - 1]);
    QVERIFY(heights.first() < 80);
    QCOMPARE(w->B_Folge[0]->height(), 160);
    w->close();
}

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
