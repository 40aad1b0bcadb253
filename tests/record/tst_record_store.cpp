// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record file: its tables and their upgrade, words kept whole and once, the recorder that
// follows a word, and every file the game must not write into.
#include "RecordTestData.h"
#include "record/PlayRecorder.h"
#include "record/RecordSchema.h"
#include "record/RecordStore.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace record;
using recordtest::count;

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newFileIsWalAtTheCurrentVersion();
    void versionOneIsUpgradedWithItsWords();
    void newerFileIsLeftAlone();
    void wordIsKeptWholeAndOnce();
    void recorderHandsOverEachWordOnce();
    void badFileTurnsRecordingOff_data();
    void badFileTurnsRecordingOff();
    void fullDiskTurnsRecordingOff();
    void removingAChildKeepsTheOthersWords();
    void closingWritesWhatWasHandedIn();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Wupple.db")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {
const QDateTime Noon(QDate(2026, 12, 7), QTime(12, 0));

// Writes through the store and waits until the writer has answered.
QString storeWords(const QString& path, const QList<WordRecord>& words)
{
    RecordStore store(path);
    QString reason;
    QObject::connect(&store, &RecordStore::recordingOff, [&](const QString&, const QString& why) { reason = why; });
    for (const WordRecord& w : words)
        store.record(w);
    store.flush();
    QCoreApplication::processEvents();
    return reason;
}
} // namespace

void RecordStoreTest::init() { m_dir = std::make_unique<QTemporaryDir>(); }

void RecordStoreTest::newFileIsWalAtTheCurrentVersion()
{
    QCOMPARE(storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+A+L+", Noon)}), QString());
    QCOMPARE(count(path(), "PRAGMA user_version"), SchemaVersion);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "wal");
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("PRAGMA journal_mode") && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    }
    QSqlDatabase::removeDatabase("wal");
}

void RecordStoreTest::versionOneIsUpgradedWithItsWords()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QCOMPARE(migrate(db, 1), QString());
        QCOMPARE(schemaVersion(db), 1);
        QSqlQuery q(db);
        // A word two children played, and one left behind before anybody tried a letter.
        QVERIFY(q.exec("INSERT INTO words (id, key, ended_at, language, list_file, word, outcome, misses, hints, seconds, solver)"
                       " VALUES (1, 'a', '2026-12-01T10:00:00', 0, 'wupp.dat', 'HAUS', 0, 1, 0, 30, 'Ben'),"
                       "        (2, 'b', '2026-12-01T10:01:00', 0, 'wupp.dat', 'MAUS', 2, 0, 0, 3, '')"));
        QVERIFY(q.exec("INSERT INTO letters VALUES (1, 1, 'E', 0, 'Anna'), (1, 2, 'H', 1, 'Ben'), (1, 3, 'A', 1, 'Ben'),"
                       " (1, 4, 'U', 1, 'Ben'), (1, 5, 'S', 1, 'Ben')"));
        QCOMPARE(migrate(db), QString());
        QCOMPARE(schemaVersion(db), SchemaVersion);
    }
    QSqlDatabase::removeDatabase("v1");
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 2);
    QCOMPARE(count(path(), "SELECT tried FROM words WHERE id = 1"), 5);
    QCOMPARE(count(path(), "SELECT player_count FROM words WHERE id = 1"), 2);
    QCOMPARE(count(path(), "SELECT player_count FROM words WHERE id = 2"), 1);
    QCOMPARE(count(path(), "SELECT turn FROM players WHERE word_id = 1 AND name = 'Anna'"), 1);
    QCOMPARE(count(path(), "SELECT turn FROM players WHERE word_id = 1 AND name = 'Ben'"), 2);
    // The upgraded file takes new words.
    QCOMPARE(storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+A+L+", Noon)}), QString());
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 3);
}

void RecordStoreTest::newerFileIsLeftAlone()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "new");
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("CREATE TABLE future (x)"));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion + 1)));
    }
    QSqlDatabase::removeDatabase("new");
    const QString reason = storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+", Noon)});
    QVERIFY2(reason.contains(QString::number(SchemaVersion + 1)), qPrintable(reason));
    QCOMPARE(count(path(), "PRAGMA user_version"), SchemaVersion + 1);
    QCOMPARE(count(path(), "SELECT count(*) FROM sqlite_master WHERE name = 'words'"), 0);
}

void RecordStoreTest::wordIsKeptWholeAndOnce()
{
    WordRecord w = recordtest::word("ZEBRA", Outcome::Solved, {"Anna", "Ben"}, "Z+X-E+B+Q-R+A+", Noon, 1);
    w.hints = 1;
    w.seconds = 42;
    w.language = 2;
    QCOMPARE(storeWords(path(), {w, w}), QString());
    QCOMPARE(storeWords(path(), {w}), QString());
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 1);
    QCOMPARE(count(path(), "SELECT count(*) FROM letters"), 7);
    QCOMPARE(count(path(), "SELECT count(*) FROM players"), 2);
    QCOMPARE(count(path(), "SELECT misses + 10 * hints + 100 * seconds + 10000 * language FROM words"), 2 + 10 + 4200 + 20000);
    QCOMPARE(count(path(), "SELECT count(*) FROM words WHERE solver = 'Ben' AND ended_at = '2026-12-07T12:00:00'"), 1);
    // Ben's miss came after Anna's X passed him the turn.
    QCOMPARE(count(path(), "SELECT seq FROM letters WHERE letter = 'Q' AND player = 'Ben' AND hit = 0"), 5);
    QCOMPARE(count(path(), "SELECT seq FROM letters WHERE letter = 'X' AND player = 'Anna' AND hit = 0"), 2);
}

void RecordStoreTest::recorderHandsOverEachWordOnce()
{
    QList<WordRecord> handed;
    QDateTime now = Noon;
    PlayRecorder recorder([&](const WordRecord& w) { handed << w; }, [&] { return now; });
    recorder.letterTried(QLatin1Char('A'), true, 0); // nothing open: nothing kept
    recorder.end(Outcome::Lost, 9);
    QVERIFY(handed.isEmpty());

    recorder.begin("HUND", 0, "wupp.dat", {"Anna", "Ben"});
    recorder.letterTried(QLatin1Char('E'), false, 0);
    recorder.hintTaken();
    recorder.letterTried(QLatin1Char('H'), true, 1);
    now = now.addSecs(75);
    recorder.end(Outcome::Solved, 1, 1);
    recorder.end(Outcome::Lost, 9); // reported again: kept once
    QCOMPARE(handed.size(), 1);
    const WordRecord& solved = handed[0];
    QCOMPARE(solved.solver, QStringLiteral("Ben"));
    QCOMPARE(solved.seconds, 75);
    QCOMPARE(solved.hints, 1);
    QCOMPARE(solved.letters, (QList<LetterTry>{{'E', false, "Anna"}, {'H', true, "Ben"}}));

    // A new word while one is open leaves the open one behind, with the misses it had.
    recorder.begin("KATZE", 0, "wupp.dat", {"Anna"});
    recorder.letterTried(QLatin1Char('O'), false, 0);
    recorder.begin("MAUS", 0, "wupp.dat", {"Anna"});
    recorder.leaveBehind();
    QCOMPARE(handed.size(), 3);
    QCOMPARE(handed[1].word, QStringLiteral("KATZE"));
    QCOMPARE(handed[1].outcome, Outcome::LeftBehind);
    QCOMPARE(handed[1].misses, 1);
    QCOMPARE(handed[1].solver, QString());
    QCOMPARE(handed[2].word, QStringLiteral("MAUS"));
    QVERIFY(handed[1].key != handed[2].key);
}

void RecordStoreTest::badFileTurnsRecordingOff_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("read-only file") << "readonly";
    QTest::newRow("locked by another copy") << "locked";
}

void RecordStoreTest::badFileTurnsRecordingOff()
{
    QFETCH(QString, kind);
    const QByteArray garbage = QByteArray("this is no database\n").repeated(300);
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path()));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    else if (kind == "garbage") {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    if (kind == "readonly" || kind == "locked")
        QCOMPARE(storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+", Noon)}), QString());
    if (kind == "readonly") {
        if (geteuid() == 0)
            QSKIP("root writes into read-only files");
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner));
    }
    // Another running copy in the middle of a long write.
    QSqlDatabase other;
    if (kind == "locked") {
        other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path());
        QVERIFY(other.open());
        QSqlQuery q(other);
        QVERIFY2(q.exec("BEGIN EXCLUSIVE"), qPrintable(q.lastError().text()));
    }

    RecordStore store(path());
    QSignalSpy off(&store, &RecordStore::recordingOff);
    for (int i = 0; i < 3; ++i)
        store.record(recordtest::word("HAUS", Outcome::Lost, {"Anna"}, "X-", Noon.addSecs(i)));
    store.flush();
    QCoreApplication::processEvents();
    QCOMPARE(off.size(), 1);
    QCOMPARE(off[0][0].toString(), path());
    QVERIFY(!off[0][1].toString().isEmpty());
    QVERIFY(store.isOff());
    store.record(recordtest::word("HAUS", Outcome::Lost, {"Anna"}, "X-", Noon));
    store.flush();
    QCoreApplication::processEvents();
    QCOMPARE(off.size(), 1);

    if (kind == "garbage") {
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), garbage);
    }
    if (kind == "locked") {
        other.rollback();
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
    }
    if (kind == "readonly" || kind == "locked")
        QCOMPARE(count(path(), "SELECT count(*) FROM words"), 1);
}

void RecordStoreTest::fullDiskTurnsRecordingOff()
{
    QCOMPARE(storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+", Noon)}), QString());
    // The disk is full for the log: every byte past the size the files have now is refused.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    QList<WordRecord> many;
    for (int i = 0; i < 200; ++i)
        many << recordtest::word(QString(18, QLatin1Char('A' + i % 26)), Outcome::Lost, {"Anna"}, "X-Y-Q-", Noon.addSecs(i));
    const QString reason = storeWords(path(), many);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(count(path(), "PRAGMA integrity_check"), 0); // "ok" reads as 0
    // Words are whole: each has the letters it was written with.
    QCOMPARE(count(path(), "SELECT count(*) FROM words w WHERE tried <> (SELECT count(*) FROM letters WHERE word_id = w.id)"), 0);
}

void RecordStoreTest::removingAChildKeepsTheOthersWords()
{
    QCOMPARE(storeWords(path(), {recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+A+L+", Noon),
                                 recordtest::word("HAUS", Outcome::Solved, {"Anna", "Ben"}, "X-H+A+U+S+", Noon, 1),
                                 recordtest::word("MAUS", Outcome::Lost, {"Ben"}, "X-", Noon)}),
             QString());
    RecordStore store(path());
    QSignalSpy removed(&store, &RecordStore::removed);
    store.remove("Anna");
    store.flush();
    QCoreApplication::processEvents();
    QCOMPARE(removed.size(), 1);
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 2);
    QCOMPARE(count(path(), "SELECT count(*) FROM players WHERE name = 'Anna'"), 0);
    QCOMPARE(count(path(), "SELECT count(*) FROM letters WHERE player = 'Anna'"), 0);
    QCOMPARE(count(path(), "SELECT count(*) FROM words WHERE solver = 'Ben'"), 1);
    store.remove(QString());
    store.flush();
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 0);
    QCOMPARE(count(path(), "SELECT count(*) FROM letters"), 0);
}

void RecordStoreTest::closingWritesWhatWasHandedIn()
{
    // The window hands in its last word as it closes, and the store ends right after: the word is
    // still written, whether the writer was busy or waiting.
    constexpr int runs = 20;
    for (int i = 0; i < runs; ++i) {
        RecordStore store(path());
        store.record(recordtest::word("BALL", Outcome::Solved, {"Anna"}, "B+A+L+", Noon.addSecs(2 * i)));
        if (i % 2)
            store.flush();
        store.record(recordtest::word("HAUS", Outcome::LeftBehind, {"Anna"}, "X-", Noon.addSecs(2 * i + 1)));
    }
    QCOMPARE(count(path(), "SELECT count(*) FROM words"), 2 * runs);
}

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "tst_record_store.moc"
