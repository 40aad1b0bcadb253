// The draw of the next word and the repetition rule, with scripted random numbers.
#include "GameDriver.h"
#include "game/Layout.h"

class WordDrawTest : public QObject {
    Q_OBJECT
private slots:
    void unguessedModeTakesDrawnWordsOut();
    void allWordsModeCanRepeatAWordAtOnce();
    void onePoolWordIsDrawnAgainAndAgain();
    void lostWordComesBack();
    void lowerCaseWordsArePlayedInCapitals();
    void twentyLetterWordGetsTwentyTiles();
};

namespace {
struct Draws {
    TestEnvironment env;
    std::unique_ptr<wupp> w;
    std::unique_ptr<GameDriver> d;
    Draws(const QStringList& words, bool allWords)
    {
        GameDriver::writeWords(env, QStringLiteral("deutsch"), QStringLiteral("wupp.dat"), words);
        env.writeIni(QStringLiteral("[Einstellungen]\nWiederholung=%1\n").arg(allWords ? -1 : 0));
        w = env.start();
        d = std::make_unique<GameDriver>(GameDriver{env, *w});
    }
    ~Draws() { w->close(); }
    QString draw(double r)
    {
        env.random.numbers.enqueue(r);
        g().SpielLaeuft = False;
        d->start();
        return g().Ratewort;
    }
};
} // namespace

void WordDrawTest::unguessedModeTakesDrawnWordsOut()
{
    Draws t({QStringLiteral("Affe"), QStringLiteral("Biene"), QStringLiteral("Dachs")}, false);
    QCOMPARE(t.draw(0.5), QStringLiteral("BIENE"));
    QCOMPARE(t.w->List1, (QStringList{"Affe", "Dachs"}));
    QCOMPARE(t.draw(0.0), QStringLiteral("AFFE"));
    QCOMPARE(t.draw(0.99), QStringLiteral("DACHS"));
    // The pool ran empty and was filled again from the file.
    QCOMPARE(t.w->List1, (QStringList{"Affe", "Biene", "Dachs"}));
    // Each draw seeds the generator from the clock.
    QCOMPARE(t.env.random.seeds.size(), 3);
    QCOMPARE(t.env.random.seeds.first(), t.env.clock.now);
}

void WordDrawTest::allWordsModeCanRepeatAWordAtOnce()
{
    Draws t({QStringLiteral("Affe"), QStringLiteral("Biene")}, true);
    QCOMPARE(t.draw(0.1), QStringLiteral("AFFE"));
    QCOMPARE(t.draw(0.2), QStringLiteral("AFFE"));
    QCOMPARE(t.w->List1.size(), 2);
}

void WordDrawTest::onePoolWordIsDrawnAgainAndAgain()
{
    Draws t({QStringLiteral("Eule")}, false);
    QCOMPARE(t.draw(0.7), QStringLiteral("EULE"));
    QCOMPARE(t.w->List1, QStringList{"Eule"});
    QCOMPARE(t.draw(0.7), QStringLiteral("EULE"));
}

void WordDrawTest::lostWordComesBack()
{
    Draws t({QStringLiteral("Affe"), QStringLiteral("Biene"), QStringLiteral("Dachs")}, false);
    QCOMPARE(t.draw(0.0), QStringLiteral("AFFE"));
    t.d->typeText(QStringLiteral("BCDGHIJKL"));
    QCOMPARE(t.w->List1, (QStringList{"Biene", "Dachs", "AFFE"}));
}

void WordDrawTest::lowerCaseWordsArePlayedInCapitals()
{
    Draws t({QString::fromUtf8("äpfelbaum")}, false);
    QCOMPARE(t.draw(0.3), QString::fromUtf8("ÄPFELBAUM"));
    t.d->typeText(QString::fromUtf8("Ä"));
    QCOMPARE(t.d->board(), QString::fromUtf8("Ä________"));
}

void WordDrawTest::twentyLetterWordGetsTwentyTiles()
{
    Draws t({QStringLiteral("Schneeballschlachten")}, false);
    t.draw(0.1);
    QCOMPARE(t.w->fieldCount(), 20);
    for (int i = 2; i <= 20; ++i)
        QVERIFY(std::abs(t.w->Feld[i]->x() - t.w->Feld[i - 1]->x() - 30 * t.w->boardScale()) <= 1);
    QVERIFY(std::abs(t.w->Feld[20]->x() - t.w->Feld[1]->x() - 570 * t.w->boardScale()) <= 1);
    // With sound on, one pop per tile after the jingle.
    QCOMPARE(t.env.sound.played.count(104), 20);
    QCOMPARE(t.env.sound.played.first(), 100);
}

QTEST_MAIN(WordDrawTest)
#include "tst_word_draw.moc"
