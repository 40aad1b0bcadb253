// How quickly an effect reaches the audio driver, and what starting sounds costs the game's thread.
// SDL's disk driver writes what the mixer renders to a file in real time. Two clocks stop when the
// first non-silent samples appear: a post-mix hook (the samples handed to the driver) and a watch
// on the file (which also counts the driver's own stdio buffering of about two mixer buffers).
#include "Bench.h"

#include <cstdio>
#include "sound/SdlSound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace {

QElapsedTimer clock;
std::atomic<qint64> loudMixedAt{0};

void watchMix(void*, Uint8* stream, int len)
{
    const auto* s = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < len / 2; ++i) {
        if (std::abs(s[i]) >= 64) {
            qint64 none = 0;
            loudMixedAt.compare_exchange_strong(none, clock.nsecsElapsed());
            return;
        }
    }
}

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

double worst(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

void measure()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
    clock.start();
    SdlSound sound;
    if (!sound.isAudioOn()) {
        bench::report("sound: no audio device, nothing measured", 0, "", "an audio device");
        return;
    }
    Mix_SetPostMix(watchMix, nullptr);
    QThread::msleep(200);
    QFile file(out);
    file.open(QIODevice::ReadOnly);

    // Every effect once (decoded on first use), then some again.
    std::vector<double> toMixer, toFile, callCost;
    const int ids[] = {100, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 112, 113, 104, 100, 103, 104, 112, 113, 109};
    for (int id : ids) {
        const QByteArray wave = effect(id);
        const qint64 before = QFileInfo(out).size();
        loudMixedAt = 0;
        const qint64 start = clock.nsecsElapsed();
        sound.playWav(id, wave);
        callCost.push_back((clock.nsecsElapsed() - start) / 1e6);
        while (!loudFrom(file, before) && clock.nsecsElapsed() - start < 500'000'000)
            QThread::usleep(200);
        toFile.push_back((clock.nsecsElapsed() - start) / 1e6);
        toMixer.push_back((loudMixedAt - start) / 1e6);
        QThread::msleep(id == 102 || id == 105 ? 2000 : 700); // let the effect end before the next one
    }
    Mix_SetPostMix(nullptr, nullptr);
    bench::report("sound: playWav to samples handed to the driver, median", median(toMixer), "ms", "< 30 ms");
    bench::report("sound: playWav to samples handed to the driver, worst", worst(toMixer), "ms", "< 30 ms");
    bench::report("sound: playWav to samples in the disk driver's file, median", median(toFile), "ms", "< 30 ms");
    bench::report("sound: playWav to samples in the disk driver's file, worst", worst(toFile), "ms", "< 30 ms");
    bench::report("sound: playWav on the calling thread, first call", callCost.front(), "ms", "< 1 ms");
    callCost.erase(callCost.begin());
    bench::report("sound: playWav on the calling thread, later calls, worst", worst(callCost), "ms", "< 1 ms");

    // Rapid hits while the music plays, as when a letter occurs several times.
    qint64 start = clock.nsecsElapsed();
    sound.openAndPlayMusic(QStringLiteral("wupple.mid"));
    bench::report("sound: openAndPlayMusic on the calling thread", (clock.nsecsElapsed() - start) / 1e6, "ms", "< 1 ms");
    loudMixedAt = 0;
    Mix_SetPostMix(watchMix, nullptr);
    while (loudMixedAt == 0 && clock.nsecsElapsed() - start < 5'000'000'000)
        QThread::msleep(1);
    Mix_SetPostMix(nullptr, nullptr);
    if (loudMixedAt == 0)
        std::printf("sound: openAndPlayMusic: no notes reached the driver within 5 s (is wupple.mid in this folder?)\n");
    else
        bench::report("sound: openAndPlayMusic to the first notes handed to the driver", (loudMixedAt - start) / 1e6,
                      "ms", "< 1000 ms");
    QThread::msleep(500);
    std::vector<double> busyCost;
    const QByteArray hit = effect(104);
    for (int i = 0; i < 200; ++i) {
        start = clock.nsecsElapsed();
        sound.playWav(104, hit);
        busyCost.push_back((clock.nsecsElapsed() - start) / 1e6);
        QThread::msleep(5);
    }
    bench::report("sound: playWav with music playing, median", median(busyCost), "ms", "< 1 ms");
    bench::report("sound: playWav with music playing, worst", worst(busyCost), "ms", "< 1 ms");
    start = clock.nsecsElapsed();
    sound.closeMusic();
    bench::report("sound: closeMusic on the calling thread", (clock.nsecsElapsed() - start) / 1e6, "ms", "< 1 ms");
}

} // namespace

WUPPLE_BENCHMARK("sound", measure);
