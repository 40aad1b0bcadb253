// The real player, heard through SDL's "disk" audio driver, which writes exactly what the mixer
// renders (signed 16-bit stereo at 44.1 kHz) to a file in real time.
#include "sound/SdlSound.h"

#include <sys/stat.h>

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

namespace {

constexpr int frameRate = 44100;
constexpr int loud = 64; // about -54 dBFS; the mixer writes exact zeros while nothing plays

QByteArray effect(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A wave image of `ms` milliseconds of silence: heard after a cut, only the effect it cut off sounds.
QByteArray silence(int ms)
{
    const quint32 data = quint32(22050 * ms / 1000 * 2);
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + data);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << data;
    return wave + QByteArray(data, '\0');
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

QString musicPath() { return qEnvironmentVariable("WUPPLE_RUNTIME_DIR") + QStringLiteral("/wupple.mid"); }

// Where the output is loud: first and last loud frame, in seconds from the device's opening.
struct Heard {
    bool any = false;
    double first = 0;
    double last = 0;
    double length() const { return any ? last - first : 0.0; }
};

Heard analyse(const QByteArray& raw, qsizetype fromFrame = 0)
{
    Heard h;
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    const qsizetype frames = raw.size() / 4;
    for (qsizetype f = fromFrame; f < frames; ++f) {
        if (std::abs(s[2 * f]) < loud && std::abs(s[2 * f + 1]) < loud)
            continue;
        if (!h.any)
            h.first = double(f) / frameRate;
        h.any = true;
        h.last = double(f) / frameRate;
    }
    return h;
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

// Points SDL at the disk driver and gives the recording back once the player is gone.
class Recording {
public:
    Recording()
    {
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
    void effectIsHeardForItsLength_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<double>("seconds");
        QTest::newRow("new word, 22050 Hz") << 100 << 12626 / 22050.0;
        QTest::newRow("miss, 7500 Hz, odd length") << 103 << 1341 / 7500.0;
        QTest::newRow("tile, 22050 Hz") << 104 << 4442 / 22050.0;
        QTest::newRow("clap burst") << 113 << 5340 / 22050.0;
    }
    void effectIsHeardForItsLength()
    {
        QFETCH(int, id);
        QFETCH(double, seconds);
        Recording rec;
        {
            SdlSound sound;
            QVERIFY(sound.isAudioOn());
            sound.playWav(id, effect(id));
            QTest::qWait(int(seconds * 1000) + 250);
        }
        const Heard h = analyse(rec.bytes());
        QVERIFY2(h.any, "nothing was heard");
        // The soft fades at both ends fall below the threshold; a wrong rate would miss by far more.
        QVERIFY2(h.length() > seconds * 0.85 && h.length() < seconds + 0.01,
                 qPrintable(QStringLiteral("heard %1 s of %2 s").arg(h.length()).arg(seconds)));
    }

    void newEffectCutsOffThePlayingOneWithoutAClick_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("cutAfterMs");
        QTest::newRow("sad slide, lost word") << 102 << 600;
        QTest::newRow("sad slide, late") << 102 << 1000;
        QTest::newRow("sad slide, early") << 102 << 150;
    }
    void newEffectCutsOffThePlayingOneWithoutAClick()
    {
        QFETCH(int, id);
        QFETCH(int, cutAfterMs);
        Recording whole;
        {
            SdlSound sound;
            sound.playWav(id, effect(id));
            QTest::qWait(2100);
        }
        const int ownStep = largestStep(whole.bytes());
        const double ownLength = analyse(whole.bytes()).length();
        QVERIFY(ownStep > 0);
        Recording cut;
        {
            SdlSound sound;
            sound.playWav(id, effect(id));
            QTest::qWait(cutAfterMs);
            sound.playWav(1, silence(300)); // silent, so that only the effect being cut off is heard
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

    void sameIdWithOtherBytesPlaysTheNewBytes()
    {
        Recording rec;
        qsizetype secondStart = 0;
        {
            SdlSound sound;
            sound.playWav(7, effect(103)); // 0.18 s
            QTest::qWait(400);
            secondStart = QFileInfo(rec.path()).size() / 4;
            sound.playWav(7, effect(100)); // 0.57 s
            QTest::qWait(800);
        }
        const Heard h = analyse(rec.bytes(), secondStart);
        QVERIFY2(h.length() > 0.45, qPrintable(QStringLiteral("heard %1 s").arg(h.length())));
    }

    void musicIsHeardAndFadesOutWhenClosed()
    {
        Recording rec;
        double closedAt = 0;
        {
            SdlSound sound;
            sound.openAndPlayMusic(musicPath());
            // Loading the soundfont takes a moment; the piece starts on its first beat.
            QElapsedTimer waited;
            waited.start();
            while (!analyse(rec.bytes()).any && waited.elapsed() < 5000)
                QTest::qWait(50);
            QVERIFY2(analyse(rec.bytes()).any, "the music was not heard within 5 s");
            QTest::qWait(900);
            sound.closeMusic();
            closedAt = double(QFileInfo(rec.path()).size() / 4) / frameRate;
            QTest::qWait(1200);
        }
        const QByteArray raw = rec.bytes();
        const Heard h = analyse(raw);
        QVERIFY(h.length() > 0.5);
        // The driver's file lags by a few mixer buffers, and the music thread may be slow to run.
        QVERIFY2(h.last < closedAt + 0.4, qPrintable(QStringLiteral("still heard %1 s after closing").arg(h.last - closedAt)));
        QVERIFY(double(raw.size() / 4) / frameRate > closedAt + 0.5);
        // It fades: its last 2 ms are far softer than the music just before. Stopped dead, the music
        // would end at about the loudness it had a moment earlier.
        const int before = peakBeforeEnd(raw, 200, 150);
        const int end = peakBeforeEnd(raw, 2, 0);
        QVERIFY2(end * 4 < before, qPrintable(QStringLiteral("ends at %1 after %2").arg(end).arg(before)));
        // The tune stays in the background: at the mixer's full volume its first second peaks above 15,000.
        const int loudest = peakBeforeEnd(raw, int(h.last * 1000) + 1000, 0);
        QVERIFY2(loudest < 11000, qPrintable(QStringLiteral("music peaks at %1").arg(loudest)));
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
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
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
        QVERIFY(h.any);
        QVERIFY(h.length() < 0.25);
    }

    void withoutADeviceEveryCallIsANoOp()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
        QElapsedTimer timer;
        {
            SdlSound sound;
            sound.playWav(104, effect(104));
            sound.waitForRequests();
            QVERIFY(!sound.isAudioOn());
            for (int id = 100; id <= 113; ++id) {
                timer.restart();
                sound.playWav(id, effect(id));
                sound.openAndPlayMusic(musicPath());
                sound.closeMusic();
                QVERIFY(timer.nsecsElapsed() < 1000000);
            }
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
        SdlSound sound(std::chrono::milliseconds(300));
        // Nothing is opened before the first sound.
        QVERIFY(!sound.isDeviceOpen());
        QVERIFY(!audioThreadRuns());
        sound.playWav(104, effect(104));
        sound.waitForRequests();
        QVERIFY(sound.isDeviceOpen());
        QVERIFY(audioThreadRuns());
        // 0.2 s of sound, then 0.3 s of quiet.
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 3000);
        QVERIFY(!audioThreadRuns());
        sound.playWav(103, effect(103));
        sound.waitForRequests();
        QVERIFY(sound.isDeviceOpen());
        QTest::qWait(300);
        QVERIFY(analyse(rec.bytes()).any); // SDL's disk driver starts its file anew on each opening
        // The music keeps the device awake while it plays, and lets it sleep once switched off.
        sound.openAndPlayMusic(musicPath());
        sound.waitForRequests();
        QTest::qWait(600);
        QVERIFY(sound.isDeviceOpen());
        sound.closeMusic();
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isDeviceOpen(), 3000);
        QVERIFY(!audioThreadRuns());
    }

    void onlyOnePlayerHoldsTheDevice()
    {
        Recording rec;
        SdlSound first;
        SdlSound second;
        first.playWav(104, effect(104));
        first.waitForRequests();
        QVERIFY(first.isAudioOn());
        QVERIFY(!second.isAudioOn());
        second.playWav(104, effect(104));
        second.closeMusic();
    }

    void factoryMakesTheRealPlayer()
    {
        Recording rec;
        {
            auto sound = createSdlSound();
            QVERIFY(dynamic_cast<SdlSound*>(sound.get()));
            sound->playWav(104, effect(104));
            QTest::qWait(350);
        }
        QVERIFY(analyse(rec.bytes()).any);
    }
};

QTEST_GUILESS_MAIN(SdlPlayer)
#include "tst_sdl_sound.moc"
