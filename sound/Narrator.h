// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game says aloud, in the current language's voice, for the children who cannot read yet:
// each picked letter by its name, a solved word, a lost word when its solution is shown, whose turn
// it is and who has won. The game tells it each outcome as it shows it; with the voice switched off
// (or no voice installed) every call does nothing.
#include <QString>
#include <optional>

class Speech;

class Narrator {
public:
    // The "Speak" item: `stored` is the player's choice, unset where none was made yet; then the voice
    // speaks where one is installed for the current language.
    void setChoice(std::optional<bool> stored);
    bool isOn() const;

    // A letter picked by click, key or hint: it cuts the letter being said.
    void letter(QChar letter);
    // The word, once its tiles are all uncovered; it cuts the name of its last letter.
    void solved(const QString& word);
    // A lost word, once its solution is shown.
    void shown(const QString& word);
    // The turn passed to `name`; only said when more than one player plays.
    void turn(const QString& name, int players);
    // The winner, with a short phrase; like the turn, only said when more than one player plays.
    void winner(const QString& name, int players);
    // The last solved or shown word, once more.
    bool canRepeat() const { return !m_lastWord.isEmpty(); }
    void repeat();
    // The language changed: what is being said in the old one ends.
    void languageChanged();

private:
    Speech* voice() const; // null when nothing is to be said
    void sayWord(const QString& word);

    std::optional<bool> m_choice;
    QString m_lastWord;
};
