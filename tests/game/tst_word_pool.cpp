// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word pool without any window: the draw under both repetition rules, a pool played through,
// and a lost word's way back.
#include "common/Platform.h"
#include "game/WordPool.h"

#include <QTest>

namespace {
class ListRandom final : public Random {
public:
    QList<double> numbers;
    QList<double> seeds;
    void randomize(double seed) override { seeds.push_back(seed); }
    double next() override { return numbers.isEmpty() ? 0.0 : numbers.takeFirst(); }
};

const QStringList Three{QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kiwi")};
} // namespace

class WordPoolTest : public QObject {
    Q_OBJECT
private slots:
    void draw_data()
    {
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("allRepeated");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("unguessed mode removes the word") << Three << 0.5 << false << "BIRNE"
                                                         << QStringList{"Apfel", "Kiwi"};
        QTest::newRow("all-words mode keeps it") << Three << 0.99 << true << "KIWI" << Three;
        // The file holds "Igel" and "Hund": a pool played through is read again at once.
        QTest::newRow("the last word refills the pool") << QStringList{"Igel"} << 0.0 << false << "IGEL"
                                                        << QStringList{"Igel", "Hund"};
        QTest::newRow("an empty pool draws nothing") << QStringList{} << 0.3 << false << "" << QStringList{};
    }

    void draw()
    {
        QFETCH(QStringList, pool);
        QFETCH(double, r);
        QFETCH(bool, allRepeated);
        QFETCH(QString, word);
        QFETCH(QStringList, left);
        WordPool words([] { return QStringList{QStringLiteral("Igel"), QStringLiteral("Hund")}; });
        words.replace(pool);
        ListRandom random;
        random.numbers = {r};
        const WordPool::Drawn drawn = words.draw(random, 4711.5, allRepeated);
        QCOMPARE(drawn.word, word);
        QCOMPARE(words.words(), left);
        // A refill is no new list: the drawn word still belongs to the pool in play.
        QCOMPARE(drawn.generation, words.generation());
        // The generator is seeded from the clock before each draw that has a pool to draw from.
        QCOMPARE(random.seeds, word.isEmpty() ? QList<double>{} : QList<double>{4711.5});
    }

    // A lost word goes to the end of the pool as the list writes it, in either mode and however often it is lost; a
    // list read anew or edited since the draw does not take it.
    void lostWordComesBack_data()
    {
        QTest::addColumn<bool>("allRepeated");
        QTest::addColumn<QString>("between"); // "": nothing, "reload", "edit": the list replaced
        QTest::addColumn<QStringList>("left");
        QTest::newRow("unguessed mode: back at the end") << false << "" << QStringList{"Birne", "Kiwi", "Apfel"};
        QTest::newRow("all-words mode: one more entry") << true << "" << QStringList{"Apfel", "Birne", "Kiwi", "Apfel"};
        QTest::newRow("the list read again meanwhile") << false << "reload" << Three;
        QTest::newRow("the editor's list meanwhile") << false << "edit" << QStringList{"Birne"};
    }

    void lostWordComesBack()
    {
        QFETCH(bool, allRepeated);
        QFETCH(QString, between);
        QFETCH(QStringList, left);
        WordPool words([] { return Three; });
        words.reload();
        ListRandom random;
        const WordPool::Drawn lost = words.draw(random, 0, allRepeated);
        QCOMPARE(lost.word, QStringLiteral("APFEL"));
        if (between == QStringLiteral("reload"))
            words.reload();
        else if (between == QStringLiteral("edit"))
            words.replace({QStringLiteral("Birne")});
        words.takeBack(lost);
        QCOMPARE(words.words(), left);
        // Nothing drawn, nothing to take back.
        words.takeBack({QString(), words.generation(), QString()});
        QCOMPARE(words.words(), left);
    }

    // A draw limited to some words (those with a picture) picks among them only, by the same
    // random number, and takes the word out as any draw does; limited to none, it draws from all.
    void limitedDraw()
    {
        WordPool words([] { return Three; });
        words.reload();
        ListRandom random;
        random.numbers = {0.99, 0.0, 0.5};
        const auto noApple = [](const QString& w) { return w != QStringLiteral("Apfel"); };
        WordPool::Drawn drawn = words.draw(random, 1, false, noApple);
        QCOMPARE(drawn.word, QStringLiteral("KIWI"));
        QCOMPARE(drawn.written, QStringLiteral("Kiwi"));
        drawn = words.draw(random, 2, false, noApple);
        QCOMPARE(drawn.word, QStringLiteral("BIRNE"));
        QCOMPARE(words.words(), QStringList{QStringLiteral("Apfel")});
        drawn = words.draw(random, 3, false, noApple);
        QCOMPARE(drawn.word, QStringLiteral("APFEL"));
        QCOMPARE(random.seeds, (QList<double>{1, 2, 3}));
    }

    // A tricky word chosen for practice is drawn like any other: out of the pool unless every word
    // may come again, a used-up pool read again; a word the pool does not hold is not drawn.
    void chosenWord_data()
    {
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<bool>("allRepeated");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("unguessed mode removes it") << Three << false << "KIWI" << true << QStringList{"Apfel", "Birne"};
        QTest::newRow("all-words mode keeps it") << Three << true << "BIRNE" << true << Three;
        QTest::newRow("the last word refills the pool") << QStringList{"Igel"} << false << "IGEL" << true
                                                        << QStringList{"Igel", "Hund"};
        QTest::newRow("not in the pool") << Three << false << "HUND" << false << Three;
    }

    void chosenWord()
    {
        QFETCH(QStringList, pool);
        QFETCH(bool, allRepeated);
        QFETCH(QString, word);
        QFETCH(bool, taken);
        QFETCH(QStringList, left);
        WordPool words([] { return QStringList{QStringLiteral("Igel"), QStringLiteral("Hund")}; });
        words.replace(pool);
        const std::optional<WordPool::Drawn> drawn = words.take(word, allRepeated);
        QCOMPARE(drawn.has_value(), taken);
        if (drawn) {
            QCOMPARE(drawn->word, word);
            QCOMPARE(drawn->generation, words.generation());
        }
        QCOMPARE(words.words(), left);
    }
};

QTEST_GUILESS_MAIN(WordPoolTest)
#include "tst_word_pool.moc"
