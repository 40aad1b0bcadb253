// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a whole process on a real X server, beside a bare Qt 6 window measured in the same
// run: time from launch to the main window mapped, resident memory at rest, and the clock ticks of
// all threads while the game sits idle. Run it through bench/desktop-bench.sh, which starts a
// virtual X server with a window manager.
//
//   wupple-desktop-bench <folder with the game and its files> <bare window program> [rounds [start-up]]
// With "start-up" as the last argument only start-up and memory are measured.
#include "Probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <functional>
#include <optional>

namespace {

QTextStream out(stdout);

// The tune lasts about 91 s; the device sleeps a few seconds after its last note has died away.
constexpr int tuneSecondsAtMost = 150;
// The audio device is closed a few seconds after the last sound; measure after that.
constexpr int settleSeconds = 8;
constexpr int idleSeconds = 10;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

bool copyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

// A portable copy of the game: the program with its word lists and music beside it.
bool makeGameFolder(const QString& from, const QString& to, const QByteArray& ini, const QByteArray& oneWord = {})
{
    QDir().mkpath(to);
    if (!copyFile(from + QStringLiteral("/wupple"), to + QStringLiteral("/wupple")))
        return false;
    copyFile(from + QStringLiteral("/wupple.mid"), to + QStringLiteral("/wupple.mid"));
    copyFile(from + QStringLiteral("/wupple.sf2"), to + QStringLiteral("/wupple.sf2"));
    for (const char* language : {"deutsch", "english", "svenska", "italiano"}) {
        const QString name = QString::fromLatin1(language);
        QDir().mkpath(to + u'/' + name);
        for (const QString& file : QDir(from + u'/' + name).entryList(QDir::Files))
            copyFile(from + u'/' + name + u'/' + file, to + u'/' + name + u'/' + file);
    }
    if (!oneWord.isEmpty()) {
        QFile list(to + QStringLiteral("/deutsch/wupp.dat"));
        if (!list.open(QIODevice::WriteOnly))
            return false;
        list.write(oneWord + "\r\n");
    }
    QFile::remove(to + QStringLiteral("/Wupple.ini"));
    if (!ini.isEmpty()) {
        QFile file(to + QStringLiteral("/Wupple.ini"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(ini);
    }
    return true;
}

class Launched {
public:
    explicit Launched(const QString& program)
    {
        m_process.setProgram(program);
        // The programs' own chatter (Qt's and SDL's warnings) would bury the figures.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_clock.start();
        m_process.start();
        m_process.waitForStarted();
    }
    ~Launched()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
    pid_t pid() const { return pid_t(m_process.processId()); }
    double elapsedMs() const { return m_clock.nsecsElapsed() / 1e6; }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
    QElapsedTimer m_clock;
};

void sleepSeconds(double s) { QThread::msleep(static_cast<unsigned long>(s * 1000)); }

void key(const QString& keys)
{
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

struct StartUp {
    double mapMs = 0;
    double rssMb = 0;
};

std::optional<StartUp> startOnce(const QString& program, double restSeconds)
{
    probe::MapWatcher watcher;
    if (!watcher.connected())
        return std::nullopt;
    Launched p(program);
    if (!watcher.waitForMainWindow(p.pid(), 20000))
        return std::nullopt;
    StartUp s;
    s.mapMs = p.elapsedMs();
    sleepSeconds(restSeconds);
    s.rssMb = probe::residentMegabytes(p.pid());
    return s;
}

probe::Ticks idleTicks(pid_t pid)
{
    const probe::Ticks before = probe::ticks(pid);
    sleepSeconds(idleSeconds);
    return probe::difference(before, probe::ticks(pid));
}

void reportTicks(const QString& what, const probe::Ticks& t)
{
    out << QStringLiteral("idle ticks over %1 s, %2: %3 (living threads %4; goal 0)\n")
               .arg(idleSeconds)
               .arg(what)
               .arg(t.process)
               .arg(t.threads);
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        out << "usage: wupple-desktop-bench <game folder> <bare window program> [rounds]\n";
        return 2;
    }
    const QString gameFrom = QString::fromLocal8Bit(argv[1]);
    const QString bare = QString::fromLocal8Bit(argv[2]);
    const int rounds = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    if (!probe::MapWatcher().connected()) {
        out << "no X server (DISPLAY): nothing measured\n";
        return 1;
    }
    QTemporaryDir root;
    const QString musicOff = root.filePath(QStringLiteral("music-off"));
    const QString defaults = root.filePath(QStringLiteral("defaults"));
    const QString oneWord = root.filePath(QStringLiteral("one-word"));
    const QByteArray offIni = "[Einstellungen]\r\nMusic= 0\r\n";
    if (!makeGameFolder(gameFrom, musicOff, offIni) || !makeGameFolder(gameFrom, defaults, {}) ||
        !makeGameFolder(gameFrom, oneWord, offIni, "Baum")) {
        out << "cannot copy the game from " << gameFrom << '\n';
        return 1;
    }

    // Start-up and memory: the three programs take turns, so that a busy machine hurts them alike.
    std::vector<double> bareMap, offMap, onMap, bareRss, offRss, onRss;
    for (int r = 0; r < rounds; ++r) {
        if (auto s = startOnce(bare, 3)) {
            bareMap.push_back(s->mapMs);
            bareRss.push_back(s->rssMb);
        }
        makeGameFolder(gameFrom, musicOff, offIni);
        if (auto s = startOnce(musicOff + QStringLiteral("/wupple"), 3)) {
            offMap.push_back(s->mapMs);
            offRss.push_back(s->rssMb);
        }
        makeGameFolder(gameFrom, defaults, {});
        if (auto s = startOnce(defaults + QStringLiteral("/wupple"), 4)) {
            onMap.push_back(s->mapMs);
            onRss.push_back(s->rssMb);
        }
    }
    if (bareMap.empty() || offMap.empty() || onMap.empty()) {
        out << "a main window was never mapped: is a window manager running?\n";
        return 1;
    }
    out << QStringLiteral("start-up to the main window mapped, median of %1: bare Qt window %2 ms, Wupple %3 ms "
                          "(music off), %4 ms (defaults)\n")
               .arg(rounds)
               .arg(median(bareMap), 0, 'f', 1)
               .arg(median(offMap), 0, 'f', 1)
               .arg(median(onMap), 0, 'f', 1);
    out << QStringLiteral("start-up ratio to the bare window: %1 (music off), %2 (defaults) (goal <= 1.5)\n")
               .arg(median(offMap) / median(bareMap), 0, 'f', 2)
               .arg(median(onMap) / median(bareMap), 0, 'f', 2);
    out << QStringLiteral("resident memory at rest: bare Qt window %1 MB, Wupple %2 MB (music off), %3 MB (defaults)\n")
               .arg(median(bareRss), 0, 'f', 1)
               .arg(median(offRss), 0, 'f', 1)
               .arg(median(onRss), 0, 'f', 1);
    out << QStringLiteral("memory ratio to the bare window, music off: %1 (goal <= 1.3); above it with the defaults: "
                          "%2 MB (goal <= 16 MB)\n")
               .arg(median(offRss) / median(bareRss), 0, 'f', 2)
               .arg(median(onRss) - median(bareRss), 0, 'f', 1);
    out.flush();

    if (argc > 4 && QByteArray(argv[4]) == "start-up")
        return 0;

    // Idle: the whole process, every thread.
    probe::MapWatcher watcher;
    {
        Launched p(bare);
        watcher.waitForMainWindow(p.pid(), 20000);
        sleepSeconds(2);
        reportTicks(QStringLiteral("bare Qt window"), idleTicks(p.pid()));
    }
    {
        makeGameFolder(gameFrom, musicOff, offIni);
        Launched p(musicOff + QStringLiteral("/wupple"));
        watcher.waitForMainWindow(p.pid(), 20000);
        sleepSeconds(2);
        reportTicks(QStringLiteral("before the first start (sound on, music off)"), idleTicks(p.pid()));
    }
    {
        makeGameFolder(gameFrom, oneWord, offIni, "Baum");
        Launched p(oneWord + QStringLiteral("/wupple"));
        watcher.waitForMainWindow(p.pid(), 20000);
        sleepSeconds(2);
        key(QStringLiteral("ctrl+s"));
        sleepSeconds(3);
        for (const char* letter : {"b", "a", "u", "m"}) {
            key(QString::fromLatin1(letter));
            sleepSeconds(1.5);
        }
        sleepSeconds(settleSeconds);
        reportTicks(QStringLiteral("waiting for the next word (sound on, music off)"), idleTicks(p.pid()));
    }
    {
        makeGameFolder(gameFrom, defaults, {});
        Launched p(defaults + QStringLiteral("/wupple"));
        watcher.waitForMainWindow(p.pid(), 20000);
        out << "(waiting for the tune to end)\n";
        out.flush();
        sleepSeconds(4);
        const double playing = probe::residentMegabytes(p.pid());
        // The game's audio device sleeps once the tune is over: SDL's audio thread is then gone.
        QElapsedTimer tune;
        tune.start();
        while (probe::hasThread(p.pid(), "SDLAudio") && tune.elapsed() < tuneSecondsAtMost * 1000)
            sleepSeconds(0.5);
        const bool slept = !probe::hasThread(p.pid(), "SDLAudio");
        out << QStringLiteral("audio device %1 %2 s after the window was mapped\n")
                   .arg(slept ? QStringLiteral("asleep") : QStringLiteral("still open"))
                   .arg(tune.elapsed() / 1000.0 + 4, 0, 'f', 1);
        sleepSeconds(1);
        reportTicks(QStringLiteral("after the tune has ended (defaults, music on)"), idleTicks(p.pid()));
        out << QStringLiteral("resident memory with the defaults: %1 MB while the tune plays (%2 MB above the bare window), "
                              "%3 MB after it has ended (%4 MB above; goal <= 16 MB)\n")
                   .arg(playing, 0, 'f', 1)
                   .arg(playing - median(bareRss), 0, 'f', 1)
                   .arg(probe::residentMegabytes(p.pid()), 0, 'f', 1)
                   .arg(probe::residentMegabytes(p.pid()) - median(bareRss), 0, 'f', 1);
    }
    return 0;
}
