// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly an effect reaches the audio driver, what starting sounds costs the game's thread, and
// how loud the cut-offs are. SDL's disk driver writes what is rendered to a file in real time; the
// clock stops when the first non-silent samples appear there (this includes the driver's own
// buffering of about two mixer buffers).
#include "Bench.h"

#include "sound/SdlSound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QByteArray effect(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<qint16> samplesFrom(const QString& path, qint64 offset = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    file.seek(offset & ~qint64(3));
    const QByteArray raw = file.readAll();
    std::vector<qint16> s(std::size_t(raw.size() / 2));
    std::memcpy(s.data(), raw.constData(), s.size() * 2);
    return s;
}

bool loud(const std::vector<qint16>& s)
{
    return std::any_of(s.begin(), s.end(), [](qint16 v) { return std::abs(v) >= 64; });
}

// The largest jump between neighbouring samples of one channel in [from, to) frames.
int largestStep(const std::vector<qint16>& s, std::size_t from, std::size_t to)
{
    int step = 0;
    for (std::size_t f = std::max<std::size_t>(from, 1); f < std::min(to, s.size() / 2); ++f)
        for (int c = 0; c < 2; ++c)
            step = std::max(step, std::abs(s[2 * f + c] - s[2 * (f - 1) + c]));
    return step;
}

// A wave image of silence: after a cut, only the effect cut off is heard.
QByteArray silence()
{
    QByteArray wave = QByteArray::fromHex("52494646" "00000000" "57415645666d7420" "10000000" "0100" "0100" "22560000"
                                          "44ac0000" "0200" "1000" "64617461" "00000000");
    const quint32 data = 22050;
    for (int i = 0; i < 4; ++i) {
        wave[4 + i] = char(((data + 36) >> (8 * i)) & 0xff);
        wave[40 + i] = char((data >> (8 * i)) & 0xff);
    }
    return wave + QByteArray(data, '\0');
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
    QElapsedTimer clock;
    clock.start();
    SdlSound sound;

    // Every effect once (decoded on first use), then some again.
    std::vector<double> toFile, callCost;
    const int ids[] = {100, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 112, 113, 104, 100, 103, 104, 112, 113, 109};
    for (int id : ids) {
        const QByteArray wave = effect(id);
        const qint64 before = QFileInfo(out).size();
        const qint64 start = clock.nsecsElapsed();
        sound.playWav(id, wave);
        callCost.push_back((clock.nsecsElapsed() - start) / 1e6);
        while (!loud(samplesFrom(out, before)) && clock.nsecsElapsed() - start < 2'000'000'000)
            QThread::usleep(200);
        toFile.push_back((clock.nsecsElapsed() - start) / 1e6);
        QThread::msleep(id == 102 || id == 105 ? 2000 : 700); // let the effect end before the next one
    }
    if (!sound.isAudioOn()) {
        bench::report(QStringLiteral("sound: no audio device, nothing measured"), 0, {}, QStringLiteral("an audio device"));
        return;
    }
    bench::report(QStringLiteral("sound: playWav to samples in the disk driver's file, first (device opened)"),
                  toFile.front(), QStringLiteral("ms"), QStringLiteral("< 100 ms"));
    bench::report(QStringLiteral("sound: playWav to samples in the disk driver's file, median"), median(toFile),
                  QStringLiteral("ms"), QStringLiteral("< 30 ms"));
    toFile.erase(toFile.begin());
    bench::report(QStringLiteral("sound: playWav to samples in the disk driver's file, worst after the first"),
                  worst(toFile), QStringLiteral("ms"), QStringLiteral("< 50 ms"));
    bench::report(QStringLiteral("sound: playWav on the calling thread, worst"), worst(callCost), QStringLiteral("ms"),
                  QStringLiteral("< 1 ms"));

    // Cut-offs as the game makes them. Every effect has been heard alone above; no cut may jump
    // further from one sample to the next than the effects do themselves.
    sound.waitForRequests();
    std::vector<qint16> s = samplesFrom(out);
    bench::report(QStringLiteral("sound: largest sample step inside the effects"), largestStep(s, 0, s.size() / 2), {},
                  QStringLiteral("informative"));
    struct Cut {
        const char* what;
        int first, second, afterMs;
    };
    for (const Cut& cut : {Cut{"a lost word (slide cut by the solution)", 102, 101, 1600},
                           Cut{"a win (cheer cut by the fanfare)", 110, 105, 300}}) {
        const std::size_t from = std::size_t(QFileInfo(out).size() / 4);
        sound.playWav(cut.first, effect(cut.first));
        QThread::msleep(cut.afterMs);
        sound.playWav(cut.second, effect(cut.second));
        QThread::msleep(2200);
        s = samplesFrom(out);
        bench::report(QStringLiteral("sound: largest sample step, %1").arg(QLatin1String(cut.what)),
                      largestStep(s, from, s.size() / 2), {}, QStringLiteral("<= the effects' own"));
        // The same cut by a silent effect: what remains is the fading of the one cut off.
        sound.playWav(cut.first, effect(cut.first));
        QThread::msleep(cut.afterMs);
        const std::size_t alone = std::size_t(QFileInfo(out).size() / 4);
        sound.playWav(1, silence());
        QThread::msleep(700);
        s = samplesFrom(out);
        bench::report(QStringLiteral("sound: largest sample step, %1, of the effect cut off, from the cut on").arg(QLatin1String(cut.what)),
                      largestStep(s, alone, s.size() / 2), {}, QStringLiteral("<= its own"));
    }

    const qint64 start = clock.nsecsElapsed();
    sound.openAndPlayMusic(QStringLiteral("wupple.mid"));
    bench::report(QStringLiteral("sound: openAndPlayMusic on the calling thread"), (clock.nsecsElapsed() - start) / 1e6,
                  QStringLiteral("ms"), QStringLiteral("< 1 ms"));
    const qint64 musicStart = QFileInfo(out).size();
    while (!loud(samplesFrom(out, musicStart)) && clock.nsecsElapsed() - start < 5'000'000'000)
        QThread::msleep(1);
    bench::report(QStringLiteral("sound: openAndPlayMusic to the first notes in the file (soundfont loaded)"),
                  (clock.nsecsElapsed() - start) / 1e6, QStringLiteral("ms"), QStringLiteral("< 1000 ms"));
    QThread::msleep(3000);
    const std::size_t musicFrom = std::size_t(QFileInfo(out).size() / 4);
    const qint64 closeCall = clock.nsecsElapsed();
    sound.closeMusic();
    bench::report(QStringLiteral("sound: closeMusic on the calling thread"), (clock.nsecsElapsed() - closeCall) / 1e6,
                  QStringLiteral("ms"), QStringLiteral("< 1 ms"));
    QThread::msleep(500);
    s = samplesFrom(out);
    bench::report(QStringLiteral("sound: largest sample step inside the music (its last 3 s)"),
                  largestStep(s, musicFrom - 3 * 44100, musicFrom), {}, QStringLiteral("informative"));
    bench::report(QStringLiteral("sound: largest sample step, music switched off"), largestStep(s, musicFrom, s.size() / 2),
                  {}, QStringLiteral("<= the music's own"));
    QElapsedTimer sleeping;
    sleeping.start();
    while (sound.isDeviceOpen() && sleeping.elapsed() < 10000)
        QThread::msleep(10);
    bench::report(QStringLiteral("sound: music off to the device closed"), double(sleeping.elapsed()), QStringLiteral("ms"),
                  QStringLiteral("a few seconds"));
}

} // namespace

WUPPLE_BENCHMARK("sound", measure);
