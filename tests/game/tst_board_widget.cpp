// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board on its own, without a main window or a round: it shows what it is told and reports
// clicks, so every flow can drive it through its interface.
#include "game/Board.h"
#include "game/Rules.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

namespace {
int visibleStages(const Board& b)
{
    int shown = 0;
    for (int i = 0; i < Board::StageCount; ++i)
        shown += b.stage(i)->isHidden() ? 0 : 1;
    return shown;
}

int letter(char c) { return rules::indexOf(QLatin1Char(c)); }
} // namespace

class TestBoardWidget : public QObject {
    Q_OBJECT
private slots:
    // A late flow never takes the picture back, and a new word starts from the first picture.
    void stagesOnlyGoForward()
    {
        Board b(nullptr);
        b.beginStages();
        b.showStage(3);
        b.showStage(2);
        b.showStage(rules::LosingStage + 1);
        QCOMPARE(b.shownStage(), 3);
        QVERIFY(!b.stage(3)->isHidden());
        QCOMPARE(visibleStages(b), 1);
        b.beginStages();
        QCOMPARE(b.shownStage(), 0);
        QVERIFY(!b.stage(0)->isHidden());
        QCOMPARE(visibleStages(b), 1);
    }

    // Tiles come one at a time and go down to the hidden template; a field outside the word is
    // ignored, not a crash.
    void tilesComeAndGo()
    {
        Board b(nullptr);
        const layout::Board at = layout::arrange(layout::DesignWidth, layout::DesignHeight);
        for (int i = 1; i <= 3; ++i)
            b.addTile(at, i, 3);
        QCOMPARE(b.fieldCount(), 3);
        b.uncover(2, letter('E'), false);
        b.uncover(0, letter('E'), false);
        b.uncover(4, letter('E'), false);
        QVERIFY(b.tile(2)->picture() == (BoardPicture{PictureKind::Letter, letter('E')}));
        QVERIFY(b.tile(1)->picture() == b.tile(0)->picture());
        QCOMPARE(b.tile(0)->picture().kind, PictureKind::Tile);
        b.markShownOnly(2);
        b.markShownOnly(7);
        QVERIFY(b.tile(2)->shownOnly());
        QVERIFY(b.removeLastTile());
        b.removeTiles();
        QCOMPARE(b.fieldCount(), 0);
        QVERIFY(!b.removeLastTile());
        QCOMPARE(b.tile(0)->picture().kind, PictureKind::Tile);
    }

    // With small letters a tile keeps the capital its list writes; switching back changes the
    // uncovered tiles with the cards.
    void smallLettersFollowTheList()
    {
        Board b(nullptr);
        const layout::Board at = layout::arrange(layout::DesignWidth, layout::DesignHeight);
        b.setWrittenWord(QStringLiteral("Elefant"));
        for (int i = 1; i <= 7; ++i)
            b.addTile(at, i, 7);
        b.showSmallLetters(true);
        b.uncover(1, letter('E'), true);
        b.uncover(3, letter('E'), true);
        QVERIFY(b.card(letter('E'))->picture().small);
        QVERIFY(!b.tile(1)->picture().small);
        QVERIFY(b.tile(3)->picture().small);
        b.showSmallLetters(false);
        QVERIFY(!b.card(letter('E'))->picture().small);
        QVERIFY(!b.tile(3)->picture().small);
        QCOMPARE(b.tile(2)->picture().kind, PictureKind::Tile);
    }

    // Clicks go out as signals: a card only while it is enabled for the language.
    void clicksAreReported()
    {
        Board b(nullptr);
        QSignalSpy cards(&b, &Board::cardClicked);
        QSignalSpy buttons(&b, &Board::buttonClicked);
        b.setLettersEnabled(true, QStringLiteral("ABC"));
        QTest::mouseClick(b.card(letter('B')), Qt::LeftButton);
        QTest::mouseClick(b.card(letter('D')), Qt::LeftButton);
        QCOMPARE(cards.count(), 1);
        QCOMPARE(cards.at(0).at(0).toInt(), letter('B'));
        b.setLettersEnabled(false, QStringLiteral("ABC"));
        QTest::mouseClick(b.card(letter('B')), Qt::LeftButton);
        QCOMPARE(cards.count(), 1);
        b.button(3)->click();
        QCOMPARE(buttons.count(), 1);
        QCOMPARE(buttons.at(0).at(0).toInt(), 3);
    }

    // The turn and the tokens as told, the hint count as told.
    void turnTokensAndHints()
    {
        Board b(nullptr);
        b.showTurn(1, true);
        QVERIFY(b.nameRow(1)->marked());
        QVERIFY(!b.nameRow(0)->marked());
        QVERIFY(b.nameRow(1)->background() != b.nameRow(0)->background());
        b.showToken(2, 3);
        QVERIFY(!b.token(2, 2)->isHidden());
        QVERIFY(b.token(2, 1)->isHidden());
        b.hideTokens();
        QVERIFY(b.token(2, 2)->isHidden());
        b.showHintCount(2);
        QCOMPARE(b.hintsShown(), 2);
    }
};

QTEST_MAIN(TestBoardWidget)
#include "tst_board_widget.moc"
