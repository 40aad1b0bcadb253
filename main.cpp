// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Wupple: a letter-guessing word game for one to four children.
#include "about/HelpViewers.h"
#include "about/frmInfo.h"
#include "common/MessageBoxes.h"
#include "common/Platform.h"
#include "common/TerminationSignals.h"
#include "game/wupp.h"
#include "sound/EspeakSpeech.h"
#include "sound/SdlSound.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wupple"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("wupple"));

    MessageBoxes dialogs;
    const auto sound = createSdlSound();
    // The voice speaks through the sound player; the synthesizer is loaded when it first speaks.
    EspeakSpeech speech(sound.get());
    HelpWindow help;
    DesktopBrowser browser;
    Platform& p = platform();
    p.dialogs = &dialogs;
    p.sound = sound.get();
    p.speech = &speech;
    p.help = &help;
    p.browser = &browser;

    std::unique_ptr<wupp> mainWindow;
    frmInfo::startUp([&]() -> QWidget* {
        mainWindow = std::make_unique<wupp>();
        return mainWindow.get();
    });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, mainWindow.get(), &QWidget::close);
    const int result = QApplication::exec();
    p.speech = nullptr;
    p.sound = nullptr;
    return result;
}
