// The draw of the next word and the repetition rule, with scripted random numbers.
#include "GameSession.h"
#include "game/Layout.h"

class WordDrawTest : public QObject {
    Q_OBJECT
private slots:
    void drawsFollowTheRepetitionRule_data();
    void drawsFollowTheRepetitionRule();
    void lostWordComesBack();
    void lowerCaseWordsArePlayedInCapitals();
    void twentyLetterWordGetsTwentyTiles();
};

namespace {
struct Draws : GameSession {
    Draws(const QStringList& words, bool allWords)
        : GameSession(words, QStringLiteral("[Einstellungen]\nWiederholung=%1\n").arg(allWords ? -1 : 0))
    {
    }
    QString draw(double r)
    {
        env.random.numbers.enqueue(r);
        g().SpielLaeuft = False;
        startGame();
        return g().Ratewort;
    }
};
} // namespace

void WordDrawTest::drawsFollowTheRepetitionRule_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("allWords");
    QTest::addColumn<QList<double>>("numbers");
    QTest::addColumn<QStringList>("drawn");
    QTest::addColumn<QStringList>("poolAfter");
    // Drawn words leave the pool; once it runs empty it is filled again from the file.
    QTest::newRow("unguessed words") << QStringList{"Affe", "Biene", "Dachs"} << false << QList<double>{0.5, 0.0, 0.99}
                                     << QStringList{"BIENE", "AFFE", "DACHS"} << QStringList{"Affe", "Biene", "Dachs"};
    QTest::newRow("all words, the same at once") << QStringList{"Affe", "Biene"} << true << QList<double>{0.1, 0.2}
                                                 << QStringList{"AFFE", "AFFE"} << QStringList{"Affe", "Biene"};
    QTest::newRow("one word again and again") << QStringList{"Eule"} << false << QList<double>{0.7, 0.7}
                                              << QStringList{"EULE", "EULE"} << QStringList{"Eule"};
}

void WordDrawTest::drawsFollowTheRepetitionRule()
{
    QFETCH(QStringList, words);
    QFETCH(bool, allWords);
    QFETCH(QList<double>, numbers);
    QFETCH(QStringList, drawn);
    Draws t(words, allWords);
    QStringList got;
    for (double r : numbers)
        got << t.draw(r);
    QCOMPARE(got, drawn);
    QTEST(t.window->List1, "poolAfter");
    // Each draw seeds the generator from the clock.
    QCOMPARE(t.env.random.seeds.size(), numbers.size());
    QCOMPARE(t.env.random.seeds.first(), t.env.clock.now);
}

void WordDrawTest::lostWordComesBack()
{
    Draws t({QStringLiteral("Affe"), QStringLiteral("Biene"), QStringLiteral("Dachs")}, false);
    QCOMPARE(t.draw(0.0), QStringLiteral("AFFE"));
    t.play().typeText(QStringLiteral("BCDGHIJKL"));
    QCOMPARE(t.window->List1, (QStringList{"Biene", "Dachs", "AFFE"}));
}

void WordDrawTest::lowerCaseWordsArePlayedInCapitals()
{
    Draws t({QString::fromUtf8("äpfelbaum")}, false);
    QCOMPARE(t.draw(0.3), QString::fromUtf8("ÄPFELBAUM"));
    t.play().typeText(QString::fromUtf8("Ä"));
    QCOMPARE(t.play().board(), QString::fromUtf8("Ä________"));
}

void WordDrawTest::twentyLetterWordGetsTwentyTiles()
{
    Draws t({QStringLiteral("Schneeballschlachten")}, false);
    t.draw(0.1);
    QCOMPARE(t.window->fieldCount(), 20);
    for (int i = 2; i <= 20; ++i)
        QVERIFY(std::abs(t.window->Feld[i]->x() - t.window->Feld[i - 1]->x() - 30 * t.window->boardScale()) <= 1);
    QVERIFY(std::abs(t.window->Feld[20]->x() - t.window->Feld[1]->x() - 570 * t.window->boardScale()) <= 1);
    // With sound on, one pop per tile after the jingle.
    QCOMPARE(t.env.sound.played.count(104), 20);
    QCOMPARE(t.env.sound.played.first(), 100);
}

QTEST_MAIN(WordDrawTest)
#include "tst_word_draw.moc"
