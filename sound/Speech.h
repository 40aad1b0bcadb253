// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A voice that says letters, words and names in the player's language. The real one synthesizes
// with espeak-ng on a thread of its own and plays through the sound player; tests record what was
// said instead. Every call returns at once; without a voice the game simply plays on in silence.
#include <QString>

class Speech {
public:
    // How a new utterance meets the one being spoken.
    enum class Manner {
        Cut,   // ends what is being said with a short fade and drops whatever waits (a new letter)
        After, // follows what is being said (the word after its last letter, the next player's name)
    };

    virtual ~Speech() = default;
    // Says `text` in the voice of language `language` (0 German, 1 English, 2 Swedish, 3 Italian).
    virtual void say(const QString& text, int language, Manner manner) = 0;
    // Ends what is being said and drops whatever waits.
    virtual void silence() = 0;
    // Whether a voice for `language` is installed; answered without loading the synthesizer.
    virtual bool hasVoice(int language) const = 0;
};
