// The text catalogue: every text in all four languages, looked up with the language offset. The
// texts themselves are checked where they are shown (menus, dialogs, messages), not copied here.
#include "common/Allgemein.h"
#include "common/RuntimeError.h"
#include "i18n/Catalogue.h"

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

    void valuesHeldAsText()
    {
        const int expected[4] = {28, 25, 29, 25};
        for (int language = 0; language < 4; ++language) {
            g().SprachOffset = static_cast<qint16>(language * 1000);
            QCOMPARE(int(lastLetterIndex()), expected[language]);
        }
    }

    void fileNotFoundMessageKeepsTheNameApart()
    {
        // The message is built from two pieces around the file name; in every language the name
        // stands as a word of its own.
        for (int language = 0; language < 4; ++language) {
            g().SprachOffset = static_cast<qint16>(language * 1000);
            const QString message = LoadText(147) + QStringLiteral("x.dat") + LoadText(148);
            QVERIFY2(message.contains(QStringLiteral(" x.dat ")), qPrintable(message));
        }
    }

    void missingIdIsAnError()
    {
        QVERIFY(!hasCatalogueText(112));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(112));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(4100));
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
