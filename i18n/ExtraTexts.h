// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages this program adds to the classic catalogue: they tell the user, in their language, why
// something could not be done where the old game would have failed silently or lost data.
#include <QString>

enum class Extra {
    SettingsNotSaved,    // %1 path, %2 reason
    VocabularyNotSaved,  // %1 path, %2 reason
    TooManyWords,        // %1 file name, %2 the limit
    NoWords,             // %1 file name
    PasswordNotStorable,
    HelpMissing,         // %1 path
    FileNotRegular,      // %1 path: a folder, a FIFO or a device where a file should be
    FileTooLarge,        // %1 path, %2 the limit
    FileUnreadable,      // %1 path
    WordNotStorable,     // %1 the entry
    FitBoard,            // menu item: the board grows with the window
    WordLength,          // a word the game would never play
    Cancel,              // button: leave a dialog without changing anything
    PasswordsDiffer,     // the new password and its repetition differ
    RemovePassword,      // question before the password is removed
    NameNotStorable,     // %1 the name, %2 the characters the settings file cannot hold
    SettingsWouldGrow,   // reason a save is refused: %1 the file's size limit
    Speak,               // menu item: letters, words and names are spoken
    SayAgain,            // the command that says the last word again
    WinnerSpoken,        // %1 the winner's name, as the voice says it
    // What a screen reader reads of the board, and the outcomes it announces.
    CardsName,           // the line the letter cards hang on
    TileEmpty,           // %1 the tile's place, %2 the number of tiles
    TileLetter,          // %1 the tile's place, %2 the number of tiles, %3 its letter
    PictureStage,        // %1 misses so far, %2 the misses that lose the word
    PlayersName,         // the frame around the players' rows
    PlayerPoints,        // %1 the name, %2 the points (not 1)
    PlayerOnePoint,      // %1 the name
    YourTurn,            // %1 the player's row as read so far
    PointToken,          // %1 the point's number in its row
    StatusName,          // before anything has happened
    StatusHit,           // %1 the letter
    StatusMiss,          // %1 the letter
    StatusSolved,        // %1 the word
    StatusLost,
    StatusSolution,      // %1 the word
    StatusTurn,          // %1 the player's name
    PlayerNameBox,       // %1 the player's number
    NewWordBox,          // the editor's box for a word
    WordListBox,         // the editor's list of words
    NoBrowser,           // %1 the web address
    NoMailProgram,       // %1 the e-mail address
    ListFull,            // %1 the most words a list holds
    ListTooLarge,        // %1 the largest word list that is read
    WordPicture,         // menu item: a solved or lost word shows its picture
    SmallLetters,        // menu item: cards and tiles in small letters
    PictureClue,         // settings: the picture shows from the start of each word
};

// The message in the current language (g().SprachOffset).
QString extraText(Extra which);
