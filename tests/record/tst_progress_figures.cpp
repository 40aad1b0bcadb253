// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the progress window shows and which words come back for practice, read from a record
// that a test has played into.
#include "RecordTestData.h"
#include "record/ProgressReader.h"
#include "record/RecordStore.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace record;
using recordtest::word;

class ProgressFiguresTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void noRecordShowsNothing();
    void figuresPerChild();
    void practiseWords_data();
    void practiseWords();
    void csvHasOneRowPerWord();
    void csvFieldIsSafe_data();
    void csvFieldIsSafe();

private:
    void write(const QList<WordRecord>& words);
    QString path() const { return m_dir->filePath(QStringLiteral("Wupple.db")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {
// Monday 7 December 2026.
const QDate Today(2026, 12, 7);
QDateTime at(int daysAgo, int hour = 10) { return QDateTime(Today.addDays(-daysAgo), QTime(hour, 0)); }
constexpr auto S = Outcome::Solved;
constexpr auto L = Outcome::Lost;
} // namespace

void ProgressFiguresTest::init() { m_dir = std::make_unique<QTemporaryDir>(); }

void ProgressFiguresTest::write(const QList<WordRecord>& words)
{
    RecordStore store(path());
    QString reason;
    connect(&store, &RecordStore::recordingOff, [&](const QString&, const QString& why) { reason = why; });
    for (const WordRecord& w : words)
        store.record(w);
    store.flush();
    QCoreApplication::processEvents();
    QCOMPARE(reason, QString());
}

void ProgressFiguresTest::noRecordShowsNothing()
{
    const ProgressReader reader(path());
    QCOMPARE(reader.error(), QString());
    QVERIFY(!reader.hasRecord());
    QVERIFY(reader.children(Today).isEmpty());
    QCOMPARE(reader.solvedPerDay("Anna", Today), QList<int>(30, 0));
    // Reading never creates the file.
    QVERIFY(!QFile::exists(path()));
}

void ProgressFiguresTest::figuresPerChild()
{
    WordRecord untried = word("ZOO", Outcome::LeftBehind, {"Anna"}, "", at(0));
    WordRecord tried = word("ZOO", Outcome::LeftBehind, {"Anna"}, "Q-", at(0));
    write({word("BALL", S, {"Anna"}, "B+A+L+", at(0)),
           word("HAUS", S, {"Anna", "Ben"}, "X-Q-H+A+U+S+", at(1), 1),  // Sunday: last week
           word("HAUS", L, {"Anna"}, "X-Q-Y-W-V-J-C-D-F-", at(3)),
           word("MAUS", S, {"Anna"}, "X-M+A+U+S+", at(0, 9)),
           word("ROSE", S, {"Anna"}, "R+O+S+E+", at(29)),
           word("ROSE", S, {"Anna"}, "R+O+S+E+", at(30)),          // outside the 30 days
           untried, tried});
    const ProgressReader reader(path());
    QVERIFY(reader.hasRecord());
    // Anna: 7 played (the untried word left behind does not count), 4 solved by her; Ben solved HAUS.
    QCOMPARE(reader.children(Today), (QList<ChildFigures>{{"Anna", 3, 2, 7, 4}, {"Ben", 0, 0, 1, 1}}));

    QList<int> days(30, 0);
    days[29] = 2;
    days[0] = 1;
    QCOMPARE(reader.solvedPerDay("Anna", Today), days);

    const QList<TrickyWord> tricky = reader.trickiestWords("Anna");
    QCOMPARE(tricky.size(), 2); // words without a miss are no trouble
    QCOMPARE(tricky[0].word, QStringLiteral("HAUS"));
    QCOMPARE(tricky[0].plays, 2);
    QCOMPARE(tricky[0].lost, 1);
    QCOMPARE(tricky[0].averageMisses, 5.5);
    QCOMPARE(tricky[1].word, QStringLiteral("MAUS"));

    const QList<MissedLetter> missed = reader.missedLetters("Anna", 3);
    QCOMPARE(missed.size(), 3);
    QCOMPARE(missed[0].letter, QStringLiteral("X"));
    QCOMPARE(missed[0].count, 3);
    QCOMPARE(missed[1].letter, QStringLiteral("Q")); // Ben's Q in the game of two is his
    QCOMPARE(missed[1].count, 2);
}

void ProgressFiguresTest::practiseWords_data()
{
    QTest::addColumn<QList<WordRecord>>("played");
    QTest::addColumn<QStringList>("expected");
    const QString nine = "X-Q-Y-W-V-J-C-D-F-";
    QTest::newRow("lost comes back") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(2))} << QStringList{"HAUS"};
    QTest::newRow("five misses come back") << QList<WordRecord>{word("HAUS", S, {"Anna"}, "X-Q-Y-W-V-H+A+U+S+", at(2))}
                                           << QStringList{"HAUS"};
    QTest::newRow("four misses do not") << QList<WordRecord>{word("HAUS", S, {"Anna"}, "X-Q-Y-W-H+A+U+S+", at(2))}
                                        << QStringList{};
    QTest::newRow("older than 30 days") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(31))} << QStringList{};
    QTest::newRow("another child's word") << QList<WordRecord>{word("HAUS", L, {"Ben"}, nine, at(2))} << QStringList{};
    QTest::newRow("lost in a game of two") << QList<WordRecord>{word("HAUS", L, {"Anna", "Ben"}, nine, at(2))}
                                           << QStringList{};
    QTest::newRow("solved once since") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(3)),
                                                            word("HAUS", S, {"Anna"}, "H+A+U+S+", at(2))}
                                       << QStringList{"HAUS"};
    QTest::newRow("solved twice since") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(3)),
                                                             word("HAUS", S, {"Anna"}, "X-Q-H+A+U+S+", at(2)),
                                                             word("HAUS", S, {"Anna"}, "H+A+U+S+", at(1))}
                                        << QStringList{};
    QTest::newRow("three misses do not count as solved") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(3)),
                                                                              word("HAUS", S, {"Anna"}, "X-Q-Y-H+A+U+S+", at(2)),
                                                                              word("HAUS", S, {"Anna"}, "H+A+U+S+", at(1))}
                                                         << QStringList{"HAUS"};
    QTest::newRow("lost again after two good solves") << QList<WordRecord>{word("HAUS", L, {"Anna"}, nine, at(4)),
                                                                           word("HAUS", S, {"Anna"}, "H+A+U+S+", at(3)),
                                                                           word("HAUS", S, {"Anna"}, "H+A+U+S+", at(2)),
                                                                           word("HAUS", L, {"Anna"}, nine, at(1))}
                                                      << QStringList{"HAUS"};
    QTest::newRow("practised longest ago first") << QList<WordRecord>{word("MAUS", L, {"Anna"}, nine, at(5)),
                                                                      word("HAUS", L, {"Anna"}, nine, at(4)),
                                                                      word("MAUS", S, {"Anna"}, "X-M+A+U+S+", at(1))}
                                                 << QStringList{"HAUS", "MAUS"};
    WordRecord english = word("HOUSE", L, {"Anna"}, nine, at(2));
    english.language = 1;
    WordRecord otherList = word("BAUM", L, {"Anna"}, nine, at(2));
    otherList.listFile = "tiere.dat";
    QTest::newRow("another language or list") << QList<WordRecord>{english, otherList} << QStringList{};
}

void ProgressFiguresTest::practiseWords()
{
    QFETCH(QList<WordRecord>, played);
    QFETCH(QStringList, expected);
    write(played);
    const ProgressReader reader(path());
    QCOMPARE(reader.practiseWords("Anna", 0, "wupp.dat", QDateTime(Today, QTime(18, 0))), expected);
}

void ProgressFiguresTest::csvHasOneRowPerWord()
{
    WordRecord w = word("HAUS", S, {"Anna", "=Ben"}, "X-H+A+U+S+", at(0), 1);
    w.hints = 1;
    w.seconds = 31;
    write({w, word("BÄR", L, {"Åsa"}, "X-Q-Y-W-V-J-C-D-F-", at(1))});
    const ProgressReader reader(path());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QCOMPARE(reader.exportCsv(out), QString());
    const QStringList lines = QString::fromUtf8(out.data()).split("\r\n");
    QCOMPARE(lines.size(), 4); // header, two words, and the end of the last line
    QCOMPARE(lines[0], QStringLiteral("date,time,language,list,word,outcome,misses,hints,seconds,solved_by,players,letters"));
    QCOMPARE(lines[1], QStringLiteral("2026-12-06,10:00:00,de,wupp.dat,BÄR,lost,9,0,0,,Åsa,"
                                      "Åsa:X- Åsa:Q- Åsa:Y- Åsa:W- Åsa:V- Åsa:J- Åsa:C- Åsa:D- Åsa:F-"));
    QCOMPARE(lines[2], QStringLiteral("2026-12-07,10:00:00,de,wupp.dat,HAUS,solved,1,1,31,'=Ben,Anna =Ben,"
                                      "Anna:X- =Ben:H+ =Ben:A+ =Ben:U+ =Ben:S+"));
}

void ProgressFiguresTest::csvFieldIsSafe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Anna" << "Anna";
    QTest::newRow("comma") << "Anna, Ben" << "\"Anna, Ben\"";
    QTest::newRow("quote") << "A\"B" << "\"A\"\"B\"";
    QTest::newRow("line break") << "A\nB" << "\"A\nB\"";
    QTest::newRow("formula") << "=1+2" << "'=1+2";
    QTest::newRow("formula with comma") << "@SUM(A1,B1)" << "\"'@SUM(A1,B1)\"";
}

void ProgressFiguresTest::csvFieldIsSafe()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

QTEST_GUILESS_MAIN(ProgressFiguresTest)
#include "tst_progress_figures.moc"
