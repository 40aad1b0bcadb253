// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly the voice follows the game: a typed letter to its name in SDL's output (the disk
// driver's file, written in real time), a solved word to the word handed to the mixer, and the
// process's clock ticks once the voice has finished and the device has gone to sleep.
#include "Bench.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "game/wupp.h"
#include "sound/EspeakSpeech.h"
#include "sound/SdlSound.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <sys/times.h>
#include <vector>

namespace {

class QuietDialogs final : public Dialogs {
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, bool) override { return {}; }
    QString openFile(const QString&, const QString&) override { return {}; }
};

// Passes the voice on and notes when each utterance reached the mixer.
class HandOffClock final : public Sound {
public:
    explicit HandOffClock(Sound& next, QElapsedTimer& clock) : m_next(next), m_clock(clock) {}
    std::atomic<qint64> lastHandOff{0};
    void playWav(int id, const QByteArray& wave) override { m_next.playWav(id, wave); }
    void openAndPlayMusic(const QString& path) override { m_next.openAndPlayMusic(path); }
    void closeMusic() override { m_next.closeMusic(); }
    void playVoice(const short* samples, int count, int rate) override
    {
        lastHandOff = m_clock.nsecsElapsed();
        m_next.playVoice(samples, count, rate);
    }
    void stopVoice() override { m_next.stopVoice(); }

private:
    Sound& m_next;
    QElapsedTimer& m_clock;
};

bool loudFrom(const QString& path, qint64 offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.seek(offset & ~qint64(3));
    const QByteArray raw = file.readAll();
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    for (qsizetype i = 0; i < raw.size() / 2; ++i)
        if (std::abs(s[i]) >= 64)
            return true;
    return false;
}

void spin(const std::function<bool()>& done, int maxMilliseconds)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < maxMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

void rest(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

clock_t cpuTicks()
{
    tms t{};
    times(&t);
    return t.tms_utime + t.tms_stime;
}

void measure()
{
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("deutsch"));
    {
        QFile words(dir.filePath(QStringLiteral("deutsch/wupp.dat")));
        words.open(QIODevice::WriteOnly);
        words.write("Abcdefghijklmnopqrs\r\n");
        QFile ini(dir.filePath(QStringLiteral("Wupple.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nAnzahl= 1\r\nSound= 0\r\nMusic= 0\r\n");
    }
    setProgramFolder(dir.path());
    const QString out = dir.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));

    QElapsedTimer clock;
    clock.start();
    QuietDialogs dialogs;
    SdlSound sound;
    HandOffClock handOff(sound, clock);
    EspeakSpeech speech(&handOff);
    Platform& p = platform();
    p.dialogs = &dialogs;
    p.sound = &handOff;
    p.speech = &speech;
    p.quit = [] {};
    resetAllgemein();
    Pacing::setScale(1);
    {
        auto window = std::make_unique<wupp>();
        window->show();
        rest(300);
        window->menu().mnuStart->trigger();
        spin([&] { return !window->busy(); }, 3000);

        // Every letter of the word but its last, each once the one before has been heard out.
        std::vector<double> toOutput;
        const QString word = window->round().word();
        for (int i = 0; i + 1 < word.size(); ++i) {
            const qint64 before = QFileInfo(out).size();
            const qint64 start = clock.nsecsElapsed();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(word[i].toLower()));
            QCoreApplication::sendEvent(window.get(), &press);
            spin([&] { return loudFrom(out, before) || clock.nsecsElapsed() - start > 2'000'000'000; }, 2500);
            toOutput.push_back((clock.nsecsElapsed() - start) / 1e6);
            rest(900);
        }
        if (!sound.isAudioOn() || speech.record().unavailable) {
            bench::report(QStringLiteral("speech: no audio device or no voice, nothing measured"), 0, {},
                          QStringLiteral("both"));
        } else {
            bench::report(QStringLiteral("speech: key to the letter's name in SDL's output, first (synthesizer loaded)"),
                          toOutput.front(), QStringLiteral("ms"), QStringLiteral("informative"));
            toOutput.erase(toOutput.begin());
            bench::report(QStringLiteral("speech: key to the letter's name in SDL's output, median"), median(toOutput),
                          QStringLiteral("ms"), QStringLiteral("<= 60 ms"));
            bench::report(QStringLiteral("speech: key to the letter's name in SDL's output, worst after the first"),
                          *std::max_element(toOutput.begin(), toOutput.end()), QStringLiteral("ms"),
                          QStringLiteral("informative"));

            // The last letter solves the word: the word follows as soon as its tiles show.
            const qint64 start = clock.nsecsElapsed();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(word.back().toLower()));
            QCoreApplication::sendEvent(window.get(), &press);
            speech.waitForRequests();
            spin([&] { return speech.record().last != QString(word.back()); }, 2000);
            speech.waitForRequests();
            const double handed = (handOff.lastHandOff - start) / 1e6;
            bench::report(QStringLiteral("speech: last letter typed to the solved word handed to the mixer"), handed,
                          QStringLiteral("ms"), QStringLiteral("informative"));
            bench::report(QStringLiteral("speech: solved to the word in SDL's output (hand-off + median output delay)"),
                          handed + median(toOutput) - 0, QStringLiteral("ms"), QStringLiteral("<= 200 ms"));
        }

        // Once the voice has finished and the device has gone to sleep, the game costs nothing.
        rest(2500);
        spin([&] { return !sound.isDeviceOpen(); }, 6000);
        const clock_t before = cpuTicks();
        rest(3000);
        bench::report(QStringLiteral("speech: clock ticks of the whole process in 3 s after the voice, device asleep"),
                      double(cpuTicks() - before), QStringLiteral("ticks"), QStringLiteral("0"));
        window->close();
    }
    p.speech = nullptr;
    p.sound = nullptr;
    p.dialogs = nullptr;
    QDir::setCurrent(previous);
    setProgramFolder(QString());
}

} // namespace

WUPPLE_BENCHMARK("speech", measure);
