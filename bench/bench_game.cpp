// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own measurements: reading a full word list, drawing a word and the time from a key
// press to the letter in its tile. Idle CPU is measured on the whole process by the desktop
// benchmark (bench/desktop-bench.sh).
#include "Bench.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "game/Rules.h"
#include "game/wupp.h"
#include "vocabulary/VocabularyFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

namespace {
class SilentDialogs final : public Dialogs {
public:
    // Yes to every question: each start in the loop below begins a new game.
    Answer message(const QString&, const QString&, Icon, Buttons buttons) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    }
    QString input(const QString&, const QString&, bool) override { return {}; }
};

void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitUntil(const std::function<bool()>& done, int maxMilliseconds = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < maxMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// A program folder with a German word list of `count` words.
struct Folder {
    QTemporaryDir dir;
    // The game makes its folder the current one; the other benchmarks expect theirs back.
    const QString previous = QDir::currentPath();
    ~Folder()
    {
        QDir::setCurrent(previous);
        setProgramFolder(QString());
    }
    explicit Folder(int count)
    {
        QDir(dir.path()).mkdir(QStringLiteral("deutsch"));
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "Wort" + QByteArray::number(i, 36).toUpper() + "\r\n";
        QFile f(dir.filePath(QStringLiteral("deutsch/wupp.dat")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.close();
        QFile ini(dir.filePath(QStringLiteral("Wupple.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nSound= 0\r\nMusic= 0\r\n");
        setProgramFolder(dir.path());
    }
};

void words()
{
    Folder folder(vocabulary::MaxWords);
    SilentDialogs dialogs;
    platform().dialogs = &dialogs;
    platform().quit = [] {};
    resetAllgemein();
    QElapsedTimer t;
    const int rounds = 20;
    t.start();
    for (int i = 0; i < rounds; ++i)
        vocabulary::read(vocabulary::currentPath());
    bench::report(QStringLiteral("read 32,767 words"), t.nsecsElapsed() / 1e6 / rounds, QStringLiteral("ms"),
                  QStringLiteral("< 20 ms"));

    // The draw itself: pick, upper-case, take out of the pool.
    QStringList pool = vocabulary::read(vocabulary::currentPath()).words;
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> r(0.0, 1.0);
    t.start();
    const int draws = 1000;
    qsizetype letters = 0;
    for (int i = 0; i < draws; ++i) {
        const int index = rules::drawIndex(r(engine), pool.size());
        letters += rules::upper(pool[index]).size();
        pool.removeAt(index);
    }
    if (letters == 0)
        qWarning("no word drawn");
    bench::report(QStringLiteral("draw one word from 32,767"), t.nsecsElapsed() / 1e6 / draws, QStringLiteral("ms"),
                  QStringLiteral("< 1 ms"));

    Pacing::setScale(0);
    auto window = std::make_unique<wupp>();
    window->show();
    QCoreApplication::processEvents();
    QElapsedTimer draw;
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        draw.start();
        window->menu().mnuStart->trigger();
        waitUntil([&] { return !window->busy(); });
        total += draw.nsecsElapsed();
    }
    bench::report(QStringLiteral("new word on the board, with its tiles, at pacing zero"), total / 1e6 / rounds,
                  QStringLiteral("ms"), QStringLiteral("informative"));
    window->close();
    platform().dialogs = nullptr;
}

void keyLatency()
{
    Folder folder(500);
    SilentDialogs dialogs;
    platform().dialogs = &dialogs;
    platform().quit = [] {};
    resetAllgemein();
    Pacing::setScale(1);
    auto window = std::make_unique<wupp>();
    window->show();
    runEventLoop(300);

    window->menu().mnuStart->trigger();
    waitUntil([&] { return !window->busy(); });
    // Key press to tile: type the first letter of the word, wait until its tile shows it.
    const QString word = window->round().word();
    const QChar first = word[0];
    const QImage empty = window->board().tile(1)->pixmap().toImage();
    QElapsedTimer latency;
    latency.start();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(first.toLower()));
    QCoreApplication::sendEvent(window.get(), &press);
    waitUntil([&] { return window->board().tile(1)->pixmap().toImage() != empty; });
    bench::report(QStringLiteral("key press to letter in its tile"), latency.nsecsElapsed() / 1e6, QStringLiteral("ms"),
                  QStringLiteral("< 16 ms"));

    // Solve the word with a few hints' worth of typing, then wait for the next word.
    for (QChar c : word) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(window.get(), &key);
        waitUntil([&] { return !window->busy(); });
    }
    waitUntil([&] { return window->menu().mnuWeiter->isEnabled() && !window->busy(); });
    window->close();
    platform().dialogs = nullptr;
}
} // namespace

WUPPLE_BENCHMARK("words", words);
WUPPLE_BENCHMARK("latency", keyLatency);
