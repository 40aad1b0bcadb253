// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound effects and background music as the game uses them. The real player is built on SDL's
// audio and FluidSynth; tests record the ids instead. Every call returns at once and never fails loudly:
// without an audio device the game simply plays on in silence.
#include <QByteArray>
#include <QString>

class Sound {
public:
    virtual ~Sound() = default;
    // Starts the wave image `wave` (a complete RIFF WAVE file, the effect with resource id `id`)
    // on the one effects channel, cutting off the effect that is playing. The bytes stay valid
    // until the next call.
    virtual void playWav(int id, const QByteArray& wave) = 0;
    // Opens the MIDI file and plays it once from its beginning (the "midi" alias).
    virtual void openAndPlayMusic(const QString& midiPath) = 0;
    // Stops and closes the music ("close midi"); nothing happens when none is open.
    virtual void closeMusic() = 0;
    // Plays a spoken utterance, `count` 16-bit mono samples at `rate` Hz (copied), on a channel of
    // its own: it neither cuts nor is cut by an effect. A new utterance ends the one being spoken with
    // a short fade. The music is lowered while a voice speaks. Players without a voice ignore it.
    virtual void playVoice(const short* samples, int count, int rate)
    {
        (void)samples;
        (void)count;
        (void)rate;
    }
    // Ends the utterance being spoken with a short fade.
    virtual void stopVoice() {}
};
