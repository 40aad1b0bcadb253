// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "common/Pacing.h"
#include "common/ProgramFolder.h"
#include "common/Windows1252.h"
#include "game/wupp.h"
#include "settings/Einst.h"
#include "settings/IniStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

TestEnvironment::TestEnvironment(Words words)
{
    resetAllgemein();
    resetIniWriteWarning();
    Pacing::setScale(0);
    setProgramFolder(m_dir.path());
    Platform& p = platform();
    p.dialogs = &dialogs;
    p.sound = &sound;
    p.speech = &speech;
    p.clock = &clock;
    p.random = &random;
    p.browser = &browser;
    p.help = &help;
    p.quit = [this] { ++quitCalls; };
    if (words == Words::Shipped) {
        const QString runtime = qEnvironmentVariable("WUPPLE_RUNTIME_DIR");
        seedUserFolder(runtime, m_dir.path());
        QFile::remove(path(QStringLiteral("wupple.mid")));
    }
}

TestEnvironment::~TestEnvironment()
{
    Einst::unload();
    QCoreApplication::processEvents();
    Platform& p = platform();
    p.dialogs = nullptr;
    p.sound = nullptr;
    p.speech = nullptr;
    p.clock = &systemClock();
    p.random = &systemRandom();
    p.browser = nullptr;
    p.help = nullptr;
    p.quit = nullptr;
    setProgramFolder(QString());
}

QString TestEnvironment::path(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

void TestEnvironment::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString& relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestEnvironment::writeWords(const QString& folder, const QString& file, const QStringList& words) const
{
    writeFile(folder + QLatin1Char('/') + file, toWindows1252(words.join(QStringLiteral("\r\n"))) + "\r\n");
}

void TestEnvironment::writeIni(const QString& text) const
{
    QByteArray bytes = toWindows1252(text);
    bytes.replace("\n", "\r\n");
    writeFile(QStringLiteral("Wupple.ini"), bytes);
}

std::unique_ptr<wupp> TestEnvironment::start()
{
    auto window = std::make_unique<wupp>();
    g().InfoGezeigt = True;
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    if (!window->firstActivationDone()) {
        // The offscreen platform does not always activate windows; do what activation does.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window.get(), &activate);
    }
    settle(*window);
    return window;
}

bool settle(wupp& window, int maxMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    QCoreApplication::processEvents();
    while (window.busy() && timer.elapsed() < maxMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // Let queued work that follows the last step run as well.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    return !window.busy();
}
