// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game killed while it writes a word leaves a sound record: every word it said was kept is
// there, whole and once, and the next run goes on writing into the same file.
#include "RecordTestData.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class KillDuringRecordTest : public QObject {
    Q_OBJECT
private slots:
    void killedWriterLeavesASoundRecord();
};

namespace {
QString text(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("check");
    QString out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                out = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}
} // namespace

void KillDuringRecordTest::killedWriterLeavesASoundRecord()
{
    constexpr int Kills = 60;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Wupple.db"));
    int committed = -1;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess helper;
        helper.start(QStringLiteral(RECORD_LOOPER), {path});
        QVERIFY(helper.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(2000, 40000));
        helper.kill();
        QVERIFY(helper.waitForFinished(10000));
        // The last word the helper reported as kept.
        const QList<QByteArray> lines = helper.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            bool ok = false;
            const int n = line.toInt(&ok);
            if (ok)
                committed = std::max(committed, n);
        }
        QVERIFY2(helper.readAllStandardError().isEmpty(), "the helper reported an error");
        QCOMPARE(text(path, "PRAGMA integrity_check"), QStringLiteral("ok"));
        const int words = recordtest::count(path, "SELECT count(*) FROM words");
        QCOMPARE(recordtest::count(path, "SELECT count(DISTINCT key) FROM words"), words);
        // Nothing reported as kept is lost, and the words are the first ones, without a gap.
        QVERIFY2(words >= committed + 1, qPrintable(QStringLiteral("%1 words, %2 reported").arg(words).arg(committed + 1)));
        QCOMPARE(recordtest::count(path, "SELECT max(CAST(substr(key, 6) AS INTEGER)) FROM words"), words - 1);
        QCOMPARE(recordtest::count(path, "SELECT count(*) FROM words w WHERE tried <> 26"
                                         " OR (SELECT count(*) FROM letters WHERE word_id = w.id) <> 26"
                                         " OR (SELECT count(*) FROM players WHERE word_id = w.id) <> 2"),
                 0);
    }
    qInfo("%d kills, %d words kept, none twice, integrity ok after each", Kills,
          recordtest::count(path, "SELECT count(*) FROM words"));
}

QTEST_GUILESS_MAIN(KillDuringRecordTest)
#include "tst_kill_during_record.moc"
