// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real player, heard through SDL's "disk" audio driver, which writes exactly what the mixer
// renders (signed 16-bit stereo at 44.1 kHz) to a file in real time.
#include "sound/SdlSound.h"

#include <sched.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int frameRate = 44100;
constexpr int loud = 64; // about -54 dBFS; the mixer writes exact zeros while nothing plays

QByteArray effect(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An effect made silent (its 8-bit samples all at the middle, 128): heard after a cut, only the
// effect it cut off sounds.
QByteArray silent(int id)
{
    const QByteArray wave = effect(id);
    const qsizetype data = wave.indexOf("data") + 8;
    return wave.left(data) + QByteArray(wave.size() - data, '\x80');
}

// The largest jump between neighbouring samples of one channel.
int largestStep(const QByteArray& raw)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    int step = 0;
    for (qsizetype i = 2; i < raw.size() / 2; ++i)
        step = std::max(step, std::abs(s[i] - s[i - 2]));
    return step;
}

// Peak level between `fromMs` and `toMs` before the last sample that is not silent.
int peakBeforeEnd(const QByteArray& raw, int fromMs, int toMs)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    qsizetype last = raw.size() / 2 - 1;
    while (last > 0 && s[last] == 0)
        --last;
    int p = 0;
    for (qsizetype i = std::max<qsizetype>(0, last - fromMs * frameRate / 500); i <= last - toMs * frameRate / 500; ++i)
        p = std::max(p, std::abs(int(s[i])));
    return p;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString runtimeFile(const char* name) { return qEnvironmentVariable("WUPPLE_RUNTIME_DIR") + u'/' + QLatin1String(name); }

// Where the output is loud: first and last loud frame, in seconds from the device's opening.
struct Heard {
    bool any = false;
    double first = 0;
    double last = 0;
    double length() const { return last - first; }
};

Heard analyse(const QByteArray& raw)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    const auto isLoud = [&](qsizetype f) { return std::abs(s[2 * f]) >= loud || std::abs(s[2 * f + 1]) >= loud; };
    qsizetype first = 0;
    qsizetype last = raw.size() / 4 - 1;
    while (first <= last && !isLoud(first))
        ++first;
    while (last > first && !isLoud(last))
        --last;
    return {first <= last, double(first) / frameRate, double(last) / frameRate};
}

// SDL's audio thread, which keeps waking up as long as the device is open.
bool audioThreadRuns()
{
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio"))
            return true;
    }
    return false;
}

// A thread loading in the background: it runs at a lower priority (or, in the idle class, at the
// lowest) than every other thread of the program.
bool backgroundLoadRuns()
{
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // The fields after the name in parentheses; the nice value is the 19th, the policy the 41st.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 38 && (fields[16].toInt() > 0 || fields[38].toInt() == SCHED_IDLE))
            return true;
    }
    return false;
}

// Points SDL at the disk driver and gives the recording back once the player is gone.
class Recording {
public:
    Recording()
    {
        // A tune still loading for a player gone before holds the device open, and the disk
        // driver would go on writing to that player's file.
        if (!QTest::qWaitFor([] { return !backgroundLoadRuns(); }, 30000))
            qWarning("a tune is still loading for an earlier player");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path()));
    }
    QString path() const { return m_dir.filePath(QStringLiteral("out.raw")); }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class SdlPlayer : public QObject {
    Q_OBJECT

private slots:
    // Each plays under an id that last played other bytes: a player keeping decoded effects by id
    // alone would play the silent one again.
    void effectIsHeardForItsLength_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<double>("seconds");
        QTest::newRow("new word, 22050 Hz") << 100 << 12626 / 22050.0;
        QTest::newRow("miss, 7500 Hz, odd length") << 103 << 1341 / 7500.0;
    }
    void effectIsHeardForItsLength()
    {
        QFETCH(int, id);
        QFETCH(double, seconds);
        Recording rec;
        {
            SdlSound sound;
            sound.playWav(7, silent(113));
            sound.waitForRequests();
            sound.playWav(7, effect(id));
            QTest::qWait(int(seconds * 1000) + 250);
        }
        const Heard h = analyse(rec.bytes());
        // The soft fades at both ends fall below the threshold; a wrong rate would miss by far more.
        QVERIFY2(h.any && h.length() > seconds * 0.85 && h.length() < seconds + 0.01,
                 qPrintable(QStringLiteral("heard %1 s of %2 s").arg(h.length()).arg(seconds)));
    }

    void newEffectCutsOffThePlayingOneWithoutAClick_data()
    {
        QTest::addColumn<int>("cutAfterMs");
        QTest::newRow("sad slide, lost word") << 600;
        QTest::newRow("sad slide, late") << 1000;
        QTest::newRow("sad slide, early") << 150;
    }
    void newEffectCutsOffThePlayingOneWithoutAClick()
    {
        QFETCH(int, cutAfterMs);
        Recording whole;
        {
            SdlSound sound;
            sound.playWav(102, effect(102));
            QTest::qWait(2100);
        }
        const int ownStep = largestStep(whole.bytes());
        const double ownLength = analyse(whole.bytes()).length();
        QVERIFY(ownStep > 0);
        Recording cut;
        {
            SdlSound sound;
            sound.playWav(102, effect(102));
            QTest::qWait(cutAfterMs);
            sound.playWav(1, silent(103)); // so that only the effect being cut off is heard
            QTest::qWait(500);
        }
        const QByteArray raw = cut.bytes();
        // It ends soon after the new effect: left alone it would sound to its end.
        const double heard = analyse(raw).length();
        QVERIFY2(heard < cutAfterMs / 1000.0 + 0.25 && heard < ownLength - 0.3, qPrintable(QStringLiteral("heard %1 s").arg(heard)));
        // It fades: no jump larger than the effect's own, and its last 2 ms are far softer than it
        // was just before. Stopped dead, it would end at about the loudness it had a moment earlier.
        QVERIFY2(largestStep(raw) <= ownStep, qPrintable(QStringLiteral("step %1, own %2").arg(largestStep(raw)).arg(ownStep)));
        const int before = peakBeforeEnd(raw, 12, 6);
        const int end = peakBeforeEnd(raw, 2, 0);
        QVERIFY2(end * 2 < before, qPrintable(QStringLiteral("ends at %1 after %2").arg(end).arg(before)));
    }

    // The tune's own soundfont beside it; without it, or with a broken one, the whole General MIDI
    // soundfont plays it.
    void musicIsHeardAndFadesOutWhenClosed_data()
    {
        QTest::addColumn<QByteArray>("ownFont"); // "": none beside the tune
        QTest::newRow("own soundfont") << QByteArray("copy");
        QTest::newRow("no own soundfont") << QByteArray();
        QTest::newRow("broken own soundfont") << QByteArray("RIFF\0\0\0\0sfbX", 12);
        // Whole at its start, so only a look at all of it tells.
        QTest::newRow("own soundfont cut short") << QByteArray("half");
    }
    void musicIsHeardAndFadesOutWhenClosed()
    {
        QFETCH(QByteArray, ownFont);
        QTemporaryDir folder;
        const QString tune = folder.filePath(QStringLiteral("wupple.mid"));
        QVERIFY(QFile::copy(runtimeFile("wupple.mid"), tune));
        const QString font = folder.filePath(QStringLiteral("wupple.sf2"));
        if (ownFont == "copy")
            QVERIFY(QFile::copy(runtimeFile("wupple.sf2"), font));
        else if (ownFont == "half") {
            QFile whole(runtimeFile("wupple.sf2"));
            QVERIFY(whole.open(QIODevice::ReadOnly));
            QVERIFY(writeFile(font, whole.read(whole.size() / 2)));
        } else if (!ownFont.isEmpty())
            QVERIFY(writeFile(font, ownFont));
        Recording rec;
        double closedAt = 0;
        {
            SdlSound sound;
            sound.openAndPlayMusic(tune);
            // Loading the soundfont takes a moment (long on a busy machine, at a lower priority); the
            // piece starts on its first beat.
            QTRY_VERIFY_WITH_TIMEOUT(analyse(rec.bytes()).any, 30000);
            QTest::qWait(900);
            sound.closeMusic();
            closedAt = double(QFileInfo(rec.path()).size() / 4) / frameRate;
            QTest::qWait(1200);
        }
        const QByteArray raw = rec.bytes();
        const Heard h = analyse(raw);
        // The driver's file lags by a few mixer buffers, and the music thread may be slow to run.
        QVERIFY2(h.length() > 0.5 && h.last < closedAt + 0.4, qPrintable(QStringLiteral("heard until %1 s after closing").arg(h.last - closedAt)));
        // It fades: its last 2 ms are far softer than the music just before. Stopped dead, the music
        // would end at about the loudness it had a moment earlier.
        const int before = peakBeforeEnd(raw, 200, 150);
        const int end = peakBeforeEnd(raw, 2, 0);
        QVERIFY2(end * 4 < before, qPrintable(QStringLiteral("ends at %1 after %2").arg(end).arg(before)));
        // The tune stays in the background: at the mixer's full volume its first second peaks above 15,000.
        const int loudest = peakBeforeEnd(raw, int(h.last * 1000) + 1000, 0);
        QVERIFY2(loudest < 11000, qPrintable(QStringLiteral("music peaks at %1").arg(loudest)));
    }

    // The tune plays on far longer than the quiet after which the device sleeps: it must keep the
    // device awake all along, and still let it sleep once switched off.
    void musicKeepsTheDeviceAwakeWhileItPlays()
    {
        Recording rec;
        SdlSound sound(std::chrono::milliseconds(150));
        sound.openAndPlayMusic(runtimeFile("wupple.mid"));
        QTRY_VERIFY_WITH_TIMEOUT(analyse(rec.bytes()).any, 30000);
        for (int i = 0; i < 15; ++i) {
            QTest::qWait(100);
            QVERIFY2(sound.isDeviceOpen(), qPrintable(QStringLiteral("asleep after %1 ms of music").arg(i * 100 + 100)));
        }
        // Still heard at the end, not only at the start.
        const QByteArray raw = rec.bytes();
        const double recorded = double(raw.size() / 4) / frameRate;
        QVERIFY2(analyse(raw).last > recorded - 0.5, qPrintable(QStringLiteral("silent for the last %1 s").arg(recorded - analyse(raw).last)));
        sound.closeMusic();
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 5000);
    }

    void brokenOrMissingMusicIsSilentAndHarmless_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("instead");    // a folder or a FIFO in the file's place
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("not MIDI") << QByteArray("MThd this is no music at all").repeated(20) << QString();
        QTest::newRow("cut short") << QByteArray::fromHex("4d546864000000060001000201e04d54726b000000ff00ff51") << QString();
        QTest::newRow("folder") << QByteArray() << QStringLiteral("folder");
        QTest::newRow("FIFO") << QByteArray() << QStringLiteral("fifo");
    }
    void brokenOrMissingMusicIsSilentAndHarmless()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, instead);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wupple.mid"));
        if (instead == QStringLiteral("folder"))
            QVERIFY(QDir().mkdir(path));
        if (instead == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (!content.isEmpty())
            QVERIFY(writeFile(path, content));
        Recording rec;
        {
            SdlSound sound;
            sound.openAndPlayMusic(path);
            QTest::qWait(400);
            QVERIFY(!analyse(rec.bytes()).any);
            sound.closeMusic();
            // The player goes on working.
            sound.playWav(104, effect(104));
            QTest::qWait(400);
        }
        const Heard h = analyse(rec.bytes());
        QVERIFY2(h.any && h.length() < 0.25, qPrintable(QStringLiteral("heard: %1, from %2 s to %3 s").arg(h.any).arg(h.first).arg(h.last)));
    }

    // A player ended while its tune is still loading, which takes long on a busy machine, ends at
    // once: the load goes on alone and frees the tune, and the next player plays music again.
    void endsWithoutWaitingForTheTuneToLoad()
    {
        // Without a soundfont of its own, the whole General MIDI one loads: the longest load.
        QTemporaryDir folder;
        const QString tune = folder.filePath(QStringLiteral("wupple.mid"));
        QVERIFY(QFile::copy(runtimeFile("wupple.mid"), tune));
        {
            Recording rec;
            auto sound = std::make_unique<SdlSound>();
            // An effect loads the libraries first, so what is under way below is the tune's load.
            sound->playWav(104, effect(104));
            sound->waitForRequests();
            sound->openAndPlayMusic(tune);
            QElapsedTimer timer;
            timer.start();
            while (!backgroundLoadRuns() && timer.elapsed() < 10000)
                QThread::msleep(1);
            QVERIFY(backgroundLoadRuns());
            timer.start();
            sound.reset();
            QVERIFY2(timer.elapsed() < 5000, qPrintable(QStringLiteral("ending took %1 ms").arg(timer.elapsed())));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!backgroundLoadRuns(), 30000);
        Recording rec;
        SdlSound sound;
        sound.openAndPlayMusic(tune);
        QTRY_VERIFY_WITH_TIMEOUT(analyse(rec.bytes()).any, 30000);
    }

    void endsWhileTheTuneStartsAnyMomentLater()
    {
        // The player ends a moment after the tune was asked for, at a different moment each
        // time: while the music worker opens the device, or is about to start the load. The
        // worker's job must find its worker until the worker has ended.
        const QString tune = runtimeFile("wupple.mid");
        for (int i = 0; i < 60; ++i) {
            auto sound = std::make_unique<SdlSound>();
            sound->openAndPlayMusic(tune);
            QThread::usleep(unsigned(i % 20) * 100);
            sound.reset();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!backgroundLoadRuns(), 30000);
    }

    void withoutADeviceEveryCallIsANoOp()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
        {
            SdlSound sound;
            sound.playWav(104, effect(104));
            sound.waitForRequests();
            QVERIFY(!sound.isAudioOn());
            QElapsedTimer timer;
            timer.start();
            sound.playWav(100, effect(100));
            sound.openAndPlayMusic(runtimeFile("wupple.mid"));
            sound.closeMusic();
            QVERIFY(timer.nsecsElapsed() < 1000000);
        }
        // Once that player is gone, the next one finds the device again.
        Recording rec;
        SdlSound sound;
        sound.playWav(104, effect(104));
        sound.waitForRequests();
        QVERIFY(sound.isAudioOn());
    }

    void deviceSleepsWhenQuietAndWakesForTheNextSound()
    {
        Recording rec;
        SdlSound sound(std::chrono::milliseconds(1000));
        // Nothing is opened before the first sound.
        QVERIFY(!sound.isDeviceOpen());
        QVERIFY(!audioThreadRuns());
        sound.playWav(104, effect(104));
        sound.waitForRequests();
        QVERIFY(sound.isDeviceOpen());
        // SDL's thread names itself once it runs.
        QTRY_VERIFY_WITH_TIMEOUT(audioThreadRuns(), 10000);
        // Another player meanwhile stays silent: SDL has one device for the game.
        const auto other = createSdlSound();
        QVERIFY(!dynamic_cast<SdlSound&>(*other).isAudioOn());
        other->playWav(104, effect(104));
        // 0.2 s of sound, then 1 s of quiet.
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 10000);
        QVERIFY(!audioThreadRuns());
        sound.playWav(103, effect(103));
        sound.waitForRequests();
        QVERIFY(sound.isDeviceOpen());
        QTRY_VERIFY_WITH_TIMEOUT(analyse(rec.bytes()).any, 10000); // SDL's disk driver starts its file anew on each opening
        // The music keeps the device awake while it plays, and lets it sleep once switched off.
        sound.openAndPlayMusic(runtimeFile("wupple.mid"));
        sound.waitForRequests();
        QTest::qWait(600);
        QVERIFY(sound.isDeviceOpen());
        sound.closeMusic();
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 10000);
        QVERIFY(!audioThreadRuns());
    }
};

QTEST_GUILESS_MAIN(SdlPlayer)
#include "tst_sdl_sound.moc"
