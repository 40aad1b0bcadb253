// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text catalogue: every text in all four languages, looked up with the language offset. The
// texts themselves are checked where they are shown (menus, dialogs, messages), not copied here.
#include "common/Allgemein.h"
#include "common/RuntimeError.h"
#include "i18n/Catalogue.h"
#include "i18n/Letters.h"

#include <QTest>

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void init() { resetAllgemein(); }

    void everyBaseIdInAllFourLanguages()
    {
        QList<int> bases;
        for (int id = 100; id <= 172; ++id)
            if (hasCatalogueText(id))
                bases.push_back(id);
        for (int id : {201, 202, 203, 204, 210})
            bases.push_back(id);
        QCOMPARE(bases.size(), 60);
        for (int base : bases)
            for (int offset : {0, 1000, 2000, 3000})
                QVERIFY2(hasCatalogueText(base + offset) && !catalogueText(base + offset).isEmpty(),
                         qPrintable(QString::number(base + offset)));
    }

    void missingIdIsAnError()
    {
        QVERIFY(!hasCatalogueText(112));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(112));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(4100));
    }

    // Each language's cards in the order they hang on the line, and the place each card takes:
    // the Swedish Å Ä Ö follow Z in the order of their alphabet, on the three places after Z.
    void lettersOfEachLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("placesAfterZ"); // the pictures whose places the cards after Z take
        const QString az = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QTest::newRow("German") << int(Lang::German) << az + QStringLiteral("ÄÖÜ") << QStringLiteral("ÄÖÜ");
        QTest::newRow("English") << int(Lang::English) << az << QString();
        QTest::newRow("Swedish") << int(Lang::Swedish) << az + QStringLiteral("ÅÄÖ") << QStringLiteral("ÄÖÅ");
        QTest::newRow("Italian") << int(Lang::Italian) << az << QString();
    }

    void lettersOfEachLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, cards);
        QFETCH(QString, placesAfterZ);
        const qint16 offset = qint16(language);
        QCOMPARE(letters::ofLanguage(offset), cards);
        QString places;
        for (int card = 0; card < cards.size(); ++card) {
            const int picture = letters::indexOf(cards[card]);
            QCOMPARE(letters::of(picture), cards[card]);
            const int place = letters::placeOf(picture, offset);
            if (card < 26)
                QCOMPARE(place, picture);
            else
                places += letters::of(place);
        }
        QCOMPARE(places, placesAfterZ);
        // A picture the language has no card for keeps its own place.
        QCOMPARE(letters::placeOf(letters::indexOf(u'Ü'), Lang::Swedish), letters::indexOf(u'Ü'));
        g().SprachOffset = offset;
        QCOMPARE(letters::current(), cards);
    }

    void storedLanguageOutsideTheFourIsGerman()
    {
        // Offsets of the four languages stay; an index instead of an offset, or anything else, is German.
        const std::pair<int, int> storedAndUsed[] = {{1000, 1000}, {3000, 3000}, {1, 0}, {4000, 0}, {-1000, 0}};
        for (const auto& [stored, used] : storedAndUsed)
            QCOMPARE(int(validLanguageOffset(stored)), used);
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
