// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the board shows reads against its ground: at least 4.5 : 1, a sign at least 3 : 1.
#include "game/BoardColours.h"

#include "LetterCards.h"
#include "Pictures.h"

#include <QTest>

Q_DECLARE_METATYPE(colours::Pair)

class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    // The measure itself, against values any contrast checker gives.
    void ratiosOfKnownPairs()
    {
        QCOMPARE(colours::contrast(0xffffff, 0x000000), 21.0);
        QCOMPARE(colours::contrast(0x777777, 0x777777), 1.0);
        QCOMPARE(qRound(colours::contrast(0xffffff, 0xff0000) * 100), 400);
        QCOMPARE(qRound(colours::contrast(0x0000ff, 0xc0c0c0) * 100), 472);
        QCOMPARE(colours::contrast(0x2e7d32, 0xffffff), colours::contrast(0xffffff, 0x2e7d32));
    }

    void everyPairOfTheClearColoursReads_data()
    {
        QTest::addColumn<colours::Pair>("pair");
        for (const colours::Pair& pair : colours::pairs(colours::clear()))
            QTest::newRow(qPrintable(pair.what)) << pair;
    }
    void everyPairOfTheClearColoursReads()
    {
        QFETCH(colours::Pair, pair);
        const double ratio = colours::contrast(pair.text, pair.ground);
        QVERIFY2(ratio >= pair.least, qPrintable(QStringLiteral("%1 : 1").arg(ratio, 0, 'f', 2)));
    }

    // The letters on the cards, small and capital alike, in the colours the pictures are drawn in.
    void everyLetterReadsOnItsCard()
    {
        const colours::Rgb face = art::letterCardFace().rgb() & 0xffffff;
        QStringList faint;
        for (int i = 0; i < art::kLetterCount; ++i) {
            const double ratio = colours::contrast(art::letterColour(i).rgb() & 0xffffff, face);
            if (ratio < 4.5)
                faint << QStringLiteral("%1 %2 : 1").arg(art::letterOf(i)).arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    // The grounds the focus frame is measured against are the ones the pictures are drawn on.
    void focusFrameGroundsAreThePictures()
    {
        QCOMPARE(colours::CardFace, art::letterCardFace().rgb() & 0xffffff);
        QCOMPARE(colours::LineGround, art::kStripGround.rgb() & 0xffffff);
    }

    // The clear colours keep the classic hues: the turn is still told by red and blue.
    void clearColoursKeepTheHues()
    {
        const colours::Scheme &clear = colours::clear(), &classic = colours::classic();
        const auto strongest = [](colours::Rgb c) {
            const int r = int(c >> 16) & 0xff, g = int(c >> 8) & 0xff, b = int(c) & 0xff;
            return r > g && r > b ? 'r' : g > b ? 'g' : 'b';
        };
        QCOMPARE(strongest(clear.activeBack), strongest(classic.activeBack));
        QCOMPARE(strongest(clear.waitingBack), strongest(classic.waitingBack));
        QCOMPARE(strongest(clear.nextBack), strongest(classic.nextBack));
        // And the classic colours are the old ones, exactly.
        QCOMPARE(classic.activeBack, 0xff0000u);
        QCOMPARE(classic.waitingText, 0xc0c0c0u);
    }
};

QTEST_APPLESS_MAIN(ContrastTest)
#include "tst_contrast.moc"
