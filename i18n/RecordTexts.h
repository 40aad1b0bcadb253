// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the record of play: the progress window, its questions and messages, and the
// practice option of the settings dialog.
#include <QString>

enum class RecordText {
    Progress,         // menu item and window title
    Child,
    WeekPlayed,
    WeekSolved,
    Played,
    Solved,
    Chart,            // words solved per day
    TrickyWords,
    TrickyLine,       // %1 word, %2 misses on average
    MissedLetters,
    LetterLine,       // %1 letter, %2 how often
    NoRecord,
    ExportCsv,
    DeleteChild,      // %1 name
    DeleteAll,
    AskDeleteChild,   // %1 name
    AskDeleteAll,
    Close,
    RecordingOff,     // %1 path, %2 reason
    RecordUnreadable, // %1 path, %2 reason
    CsvNotSaved,      // %1 path, %2 reason
    PractiseTricky,   // settings dialog option
};

// The text in the current language (g().SprachOffset).
QString recordText(RecordText which);
