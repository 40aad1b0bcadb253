// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment leaves the old or the new file, whole, and its temporary file is
// cleared at the next start. A save that the file-size limit cuts short leaves the old file and
// tells the user.
#include "TestEnvironment.h"
#include "common/SafeFile.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "vocabulary/VocabularyFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>

class KillDuringSaveTest : public QObject {
    Q_OBJECT
private slots:
    void killedSaveLeavesAWholeFile_data();
    void killedSaveLeavesAWholeFile();
    void saveOverTheSizeLimitChangesNothing_data();
    void saveOverTheSizeLimitChangesNothing();
};

namespace {
constexpr int Kills = 100;

// Everything in the folder but the file being saved.
QStringList temporaryFiles(const QString& folder, const QString& target)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.removeOne(target);
    return files;
}
} // namespace

void KillDuringSaveTest::killedSaveLeavesAWholeFile_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("settings file") << "ini";
    QTest::newRow("word list") << "words";
}

void KillDuringSaveTest::killedSaveLeavesAWholeFile()
{
    QFETCH(QString, what);
    const bool words = what == QStringLiteral("words");
    TestEnvironment env(TestEnvironment::Words::None);
    const QString file = words ? QStringLiteral("deutsch/wupp.dat") : QStringLiteral("Wupple.ini");
    const QString folder = QFileInfo(env.path(file)).path();
    QDir().mkpath(folder);
    // The two contents the helper alternates between, built the way it builds them.
    QList<QByteArray> whole;
    for (char16_t c : {u'b', u'a'}) {
        const QString fill(200, QChar(c));
        if (words) {
            vocabulary::write(env.path(file), QStringList(4000, fill.left(12)) << QString(c == u'a' ? 5 : 7, QChar(u'x')));
        } else {
            QFile::remove(env.path(file));
            resetIniWriteWarning();
            // A long first line makes each save take long enough to be hit in the middle.
            env.writeFile(file, "; " + QByteArray(200000, '-') + "\r\n");
            SaveIni(QStringLiteral("S"), QStringLiteral("k"), fill);
        }
        whole << env.readFile(file);
    }

    int cutShort = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess helper;
        helper.start(QStringLiteral(SAVE_LOOPER), {env.folder(), what});
        QVERIFY(helper.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(3000));
        helper.kill();
        QVERIFY(helper.waitForFinished(10000));
        const QByteArray now = env.readFile(file);
        QVERIFY2(now == whole[0] || now == whole[1], qPrintable(QStringLiteral("kill %1: %2 bytes").arg(kill).arg(now.size())));
        const QString target = QFileInfo(file).fileName();
        const QStringList left = temporaryFiles(folder, target);
        if (!left.isEmpty())
            ++cutShort;
        // Whatever a cut save leaves carries the game's own mark, so the next start knows it.
        for (const QString& name : left)
            QVERIFY2(isLeftoverOf(name, target), qPrintable(name));
        // What the next start does first.
        removeIniLeftovers();
        vocabulary::removeWordListLeftoversEverywhere();
        QCOMPARE(temporaryFiles(folder, target), QStringList());
    }
    qInfo("%d kills, %d of them in the middle of a save (a temporary file was left)", Kills, cutShort);
}

void KillDuringSaveTest::saveOverTheSizeLimitChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("belowTheOldSize"); // else one byte short of the new file
    const QString ini = QStringLiteral("Wupple.ini"), list = QStringLiteral("deutsch/wupp.dat");
    const QByteArray window = "[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 1200\r\nWidth= 10500\r\nHeight= 7500\r\n";
    QTest::newRow("below the old size") << ini << window << true;
    // Through a write buffer, a small file would be written only by the final flush.
    QTest::newRow("last byte of a small file") << ini << window << false;
    QTest::newRow("last byte of a large file") << ini << "; " + QByteArray(40000, '-') + "\r\n" + window << false;
    QTest::newRow("last byte of a word list") << list << QByteArray("Ball\r\n") << false;
}

void KillDuringSaveTest::saveOverTheSizeLimitChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, old);
    QFETCH(bool, belowTheOldSize);
    TestEnvironment env(TestEnvironment::Words::None);
    const bool words = file != QStringLiteral("Wupple.ini");
    const QDir folder(QFileInfo(env.path(file)).path());
    auto contents = [&] {
        QFile f(env.path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    };
    // The settings dialog's OK (or a word list's save), in a program of its own, as the `limit` of
    // the file size allows.
    auto save = [&](qint64 limit) {
        env.writeFile(file, old);
        QStringList arguments{env.folder(), QStringLiteral("limit"), QString::number(limit)};
        if (words)
            arguments << QStringLiteral("words");
        QProcess helper;
        helper.start(QStringLiteral(SAVE_LOOPER), arguments);
        return helper.waitForFinished(10000) && helper.exitCode() == 0 ? QString::fromLocal8Bit(helper.readAllStandardOutput())
                                                                        : QStringLiteral("helper failed");
    };
    QCOMPARE(save(1 << 30), QString());
    const QByteArray saved = contents();
    QVERIFY(saved.size() > old.size());
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);

    const QString reported = save(belowTheOldSize ? old.size() - 1 : saved.size() - 1);
    QCOMPARE(contents(), old);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), files);
    // One report, naming the file and the reason.
    const QString path = QDir::toNativeSeparators(env.path(file));
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    if (words)
        QVERIFY2(reported.startsWith(QStringLiteral("error: ")) && reported.contains(path) && reported.contains(reason),
                 qPrintable(reported));
    else
        QCOMPARE(reported, QStringLiteral("box: %1\n").arg(extraText(Extra::SettingsNotSaved).arg(path, reason)));
}

QTEST_MAIN(KillDuringSaveTest)
#include "tst_kill_during_save.moc"
