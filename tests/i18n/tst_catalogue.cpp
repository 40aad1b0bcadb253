// The text catalogue: every text in all four languages, looked up with the language offset.
#include "common/Allgemein.h"
#include "common/RuntimeError.h"
#include "i18n/Catalogue.h"

#include <QTest>

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void init() { resetAllgemein(); }
    void everyBaseIdInAllFourLanguages();
    void exactTexts_data();
    void exactTexts();
    void valuesHeldAsText();
    void missingIdIsAnError();
    void storedLanguageOutsideTheFourIsGerman_data();
    void storedLanguageOutsideTheFourIsGerman();
};

void CatalogueTest::everyBaseIdInAllFourLanguages()
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

void CatalogueTest::exactTexts_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("text");
    QTest::newRow("German next word") << 0 << 132 << QString::fromUtf8("nächstes &Wort");
    QTest::newRow("English winner") << 1000 << 140 << "won!";
    QTest::newRow("Swedish not found, no blank") << 2000 << 148 << "inte hittat!";
    QTest::newRow("Italian file, no blank") << 3000 << 147 << "Dati";
    QTest::newRow("German file with blank") << 0 << 147 << "Datei ";
    QTest::newRow("Italian homepage accent") << 3000 << 136 << QString::fromUtf8("&Tobrix´s paggina telematica");
    QTest::newRow("Swedish bird") << 2000 << 204 << QString::fromUtf8("Fågel");
    QTest::newRow("English help file") << 1000 << 145 << "wupple32.hlp";
    QTest::newRow("German help file") << 0 << 145 << "wuppel32.hlp";
    QTest::newRow("Italian help file") << 3000 << 145 << "wupple32.hlp";
    QTest::newRow("English folder") << 1000 << 166 << "english";
    QTest::newRow("English word list") << 1000 << 146 << "wupple.dat";
    QTest::newRow("German quit question") << 0 << 143 << QString::fromUtf8("Wirklich schon aufhören?");
}

void CatalogueTest::exactTexts()
{
    QFETCH(int, offset);
    QFETCH(int, base);
    QFETCH(QString, text);
    g().SprachOffset = static_cast<qint16>(offset);
    QCOMPARE(LoadText(base), text);
}

void CatalogueTest::valuesHeldAsText()
{
    const int expected[4] = {28, 25, 29, 25};
    for (int language = 0; language < 4; ++language) {
        g().SprachOffset = static_cast<qint16>(language * 1000);
        QCOMPARE(int(lastLetterIndex()), expected[language]);
    }
}

void CatalogueTest::missingIdIsAnError()
{
    QVERIFY(!hasCatalogueText(112));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(112));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogueText(4100));
}

void CatalogueTest::storedLanguageOutsideTheFourIsGerman_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("English") << 1000 << 1000;
    QTest::newRow("Italian") << 3000 << 3000;
    QTest::newRow("index instead of offset") << 1 << 0;
    QTest::newRow("too large") << 4000 << 0;
    QTest::newRow("negative") << -1000 << 0;
}

void CatalogueTest::storedLanguageOutsideTheFourIsGerman()
{
    QFETCH(int, stored);
    QFETCH(int, used);
    QCOMPARE(int(validLanguageOffset(stored)), used);
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
