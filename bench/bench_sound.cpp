// How quickly an effect reaches the audio driver, and what starting sounds costs the game's thread.
// SDL's disk driver writes what the mixer renders to a file in real time; watching that file shows
// when the first non-silent samples leave the mixer.
#include "Bench.h"
#include "sound/SdlSound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

QByteArray effect(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool loudFrom(QFile& file, qint64 offset)
{
    file.seek(offset & ~qint64(3));
    const QByteArray raw = file.readAll();
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    for (qsizetype i = 0; i < raw.size() / 2; ++i)
        if (std::abs(s[i]) >= 64)
            return true;
    return false;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
    SdlSound sound;
    if (!sound.isAudioOn()) {
        bench::report("sound: audio device", 0, "open", "open");
        return;
    }
    QThread::msleep(200);
    QFile file(out);
    file.open(QIODevice::ReadOnly);

    std::vector<double> latency, callCost;
    const int ids[] = {100, 104, 103, 107, 108, 109, 110, 111, 112, 113, 104, 100, 103, 104, 112, 113};
    for (int id : ids) {
        const QByteArray wave = effect(id);
        const qint64 before = QFileInfo(out).size();
        QElapsedTimer t;
        t.start();
        sound.playWav(id, wave);
        callCost.push_back(t.nsecsElapsed() / 1e6);
        while (!loudFrom(file, before) && t.elapsed() < 500)
            QThread::usleep(200);
        latency.push_back(t.nsecsElapsed() / 1e6);
        qInfo("id %d call %.3f latency %.1f", id, callCost.back(), latency.back());
        QThread::msleep(700); // let the effect end before the next one
    }
    bench::report("sound: effect to driver, median", median(latency), "ms", "< 30 ms");
    bench::report("sound: effect to driver, worst", *std::max_element(latency.begin(), latency.end()), "ms", "< 30 ms");
    bench::report("sound: playWav on the calling thread, worst", *std::max_element(callCost.begin(), callCost.end()),
                  "ms", "< 1 ms");

    // Rapid hits while the music plays, as when a letter occurs several times.
    QElapsedTimer t;
    t.start();
    sound.openAndPlayMusic(QStringLiteral("wupple.mid"));
    bench::report("sound: openAndPlayMusic on the calling thread", t.nsecsElapsed() / 1e6, "ms", "< 1 ms");
    QThread::msleep(1500);
    std::vector<double> busyCost;
    const QByteArray hit = effect(104);
    for (int i = 0; i < 200; ++i) {
        t.restart();
        sound.playWav(104, hit);
        busyCost.push_back(t.nsecsElapsed() / 1e6);
        QThread::msleep(5);
    }
    bench::report("sound: playWav with music playing, median", median(busyCost), "ms", "< 1 ms");
    bench::report("sound: playWav with music playing, worst", *std::max_element(busyCost.begin(), busyCost.end()),
                  "ms", "< 1 ms");
    t.restart();
    sound.closeMusic();
    bench::report("sound: closeMusic on the calling thread", t.nsecsElapsed() / 1e6, "ms", "< 1 ms");
}

} // namespace

WUPPLE_BENCHMARK("sound", measure);
