// The small rules of play.
#include "game/Rules.h"

#include <QTest>

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void turnPassesInRowOrder();
    void cheersFollowTheirOdds();
    void longNamesAreShortened_data();
    void longNamesAreShortened();
};

void RulesTest::turnPassesInRowOrder()
{
    QCOMPARE(rules::nextPlayer(0, 1), 0);
    QCOMPARE(rules::nextPlayer(2, 3), 0);
    QCOMPARE(rules::nextPlayer(1, 3), 2);
    // A player beyond a reduced count comes back to player 1.
    QCOMPARE(rules::nextPlayer(3, 2), 0);
}

void RulesTest::cheersFollowTheirOdds()
{
    QMap<int, int> counts;
    const int samples = 70000;
    for (int i = 0; i < samples; ++i)
        ++counts[rules::cheerSound((i + 0.5) / samples)];
    QCOMPARE(counts.keys(), (QList<int>{106, 107, 108, 109, 110, 111, 112, 113}));
    for (int id = 108; id <= 113; ++id)
        QVERIFY2(qAbs(counts[id] - samples / 7) <= 2, qPrintable(QString::number(id)));
    QVERIFY(qAbs(counts[106] - samples / 14) <= 2);
    QVERIFY(qAbs(counts[107] - samples / 14) <= 2);
    QCOMPARE(rules::cheerSound(0.0), 107);
    QCOMPARE(rules::cheerSound(0.999999), 106);
}

void RulesTest::longNamesAreShortened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "Anna" << 10 << "Anna";
    QTest::newRow("one cut") << "Maximilian1" << 10 << "Maximilia.";
    QTest::newRow("never below 9") << "Wolfgangus Amadeus" << 3 << "Wolfgang.";
    QTest::newRow("fewer than 10 never cut") << "Friedrich" << 3 << "Friedrich";
    QTest::newRow("cut until it fits") << "Christopherus" << 11 << "Christophe.";
}

void RulesTest::longNamesAreShortened()
{
    QFETCH(QString, name);
    QFETCH(int, room);
    QFETCH(QString, shown);
    // Width measured as one unit per character.
    QCOMPARE(rules::shortenName(name, [room](const QString& s) { return s.size() > room; }), shown);
}

QTEST_MAIN(RulesTest)
#include "tst_rules.moc"
