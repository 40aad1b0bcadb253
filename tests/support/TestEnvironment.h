// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program for each test: an empty program folder of its own (optionally with the
// shipped word lists), the doubles installed, pacing at zero, the global state reset.
#include "Doubles.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class wupp;

class TestEnvironment {
public:
    enum class Words { None, Shipped };
    explicit TestEnvironment(Words words = Words::Shipped);
    ~TestEnvironment();

    QString folder() const { return m_dir.path(); }
    QString path(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;
    // A word list of the language folder, in Windows-1252 with CR LF, as the game writes one.
    void writeWords(const QString& folder, const QString& file, const QStringList& words) const;
    // Writes Wupple.ini (text given with \n line ends; written with CR LF).
    void writeIni(const QString& text) const;
    QByteArray ini() const { return readFile(QStringLiteral("Wupple.ini")); }

    // Starts the program as the start-up display does and shows the main window.
    std::unique_ptr<wupp> start();

    ScriptedDialogs dialogs;
    RecordingSound sound;
    RecordingSpeech speech;
    FakeClock clock;
    ScriptedRandom random;
    RecordingBrowser browser;
    RecordingHelp help;
    int quitCalls = 0;

private:
    QTemporaryDir m_dir;
};

// Lets the event loop run until the game's procedures have finished (or a second has passed).
bool settle(wupp& window, int maxMilliseconds = 5000);
