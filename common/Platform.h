// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side effects, each behind a small interface. main() installs the real ones;
// tests install doubles. Nothing in here owns what it points to.
#include <QString>
#include <QUrl>
#include <functional>

class Dialogs;
class Sound;
class Speech;

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void randomize(double seed) = 0;
    // 0 <= r < 1
    virtual double next() = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens the help document at its contents page.
    virtual void showHelp(const QString& path) = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    // False when no program could be started for the address.
    virtual bool open(const QUrl& url) = 0;
};

struct Platform {
    Dialogs* dialogs = nullptr;
    Sound* sound = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    HelpViewer* help = nullptr;
    Browser* browser = nullptr;
    // Ends the program; tests record the call instead.
    std::function<void()> quit;
    // Says letters, words and names; none: the game is silent.
    Speech* speech = nullptr;
};

Platform& platform();

// The system clock and a seedable generator, used unless something else is installed.
Clock& systemClock();
Random& systemRandom();
