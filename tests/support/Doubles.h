// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles for the program's side effects: scripted boxes, recorded sounds, a settable clock
// and scripted random numbers.
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "sound/Sound.h"
#include "sound/Speech.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QUrl>

#include <functional>

class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        bool isInput = false;
        QString text;  // message text or input prompt
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::OK;
        bool password = false;
    };

    QQueue<Answer> answers; // for message boxes, in order
    QQueue<QString> inputs; // for input boxes, in order; CancelInput (or none left) cancels
    QQueue<QString> files;  // for file dialogs, in order; cancelled when none is left
    QList<Shown> shown;
    std::function<void()> whileShown; // runs as each message box stands on the screen

    // Without a scripted answer a box is closed: Cancel, No or Abort where offered, else OK.
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, bool password) override;
    std::optional<QString> ask(const QString& prompt, const QString& title, bool password) override;
    // Scripted as an input, it presses the box's Cancel.
    static inline const QString CancelInput = QStringLiteral("<Cancel>");
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;

    QStringList texts() const;
};

// Which effect a wave image is, by its sample rate and length: 104 is 4,442 bytes at 22,050 Hz.
// 0 for none of the fourteen; 101 for the tick that 106 shares.
int effectOfWave(const QByteArray& wave);

class RecordingSound final : public Sound {
public:
    QList<int> played;
    QList<QByteArray> waves; // as handed over, in the same order
    int musicStarts = 0;
    int musicCloses = 0;
    QString lastMusicPath;
    std::function<void(int)> whilePlayed; // runs as each sound starts
    // Every effect is checked as it is played: the wave must be the one of its id, so that a
    // test that plays a sound also catches the wrong sound for it.
    void playWav(int id, const QByteArray& wave) override;
    void openAndPlayMusic(const QString& midiPath) override
    {
        ++musicStarts;
        lastMusicPath = midiPath;
    }
    void closeMusic() override { ++musicCloses; }
};

// Records what the voice was asked to say, in which language and how.
class RecordingSpeech final : public Speech {
public:
    struct Said {
        QString text;
        int language = 0;
        Manner manner = Manner::Cut;
        bool operator==(const Said&) const = default;
    };
    QList<Said> said;
    int silenced = 0;
    bool voices[4] = {true, true, true, true}; // which languages have a voice installed
    std::function<void(const Said&)> whileSaid; // runs as each utterance is asked for
    void say(const QString& text, int language, Manner manner) override
    {
        said.push_back({text, language, manner});
        if (whileSaid)
            whileSaid(said.back());
    }
    void silence() override { ++silenced; }
    bool hasVoice(int language) const override { return language >= 0 && language < 4 && voices[language]; }
    QStringList texts() const
    {
        QStringList t;
        for (const Said& s : said)
            t.push_back(s.text);
        return t;
    }
};

class FakeClock final : public Clock {
public:
    double now = 36000.0;
    double secondsSinceMidnight() override { return now; }
};

class ScriptedRandom final : public Random {
public:
    QQueue<double> numbers; // handed out in order; 0 when none is left
    QList<double> seeds;
    void randomize(double seed) override { seeds.push_back(seed); }
    double next() override { return numbers.isEmpty() ? 0.0 : numbers.dequeue(); }
};

class RecordingBrowser final : public Browser {
public:
    QList<QUrl> opened;
    bool opens = true; // false: as on a desktop without a browser or mail program
    bool open(const QUrl& url) override
    {
        opened.push_back(url);
        return opens;
    }
};

class RecordingHelp final : public HelpViewer {
public:
    QStringList shown;
    void showHelp(const QString& path) override { shown.push_back(path); }
};
