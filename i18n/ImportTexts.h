// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of importing words into the vocabulary editor and of saving a new list, in the
// four languages of the game.
#include <QString>

enum class ImportText {
    ImportButton,
    NewListButton,
    ImportTitle,
    FileFilter,
    Added,            // %1 file name, %2 number of words
    Skipped,          // %1 number of entries
    More,             // %1 number of entries not listed
    SeveralWords,
    Eszett,
    NotLetters,
    NoCard,           // %1 the letter
    TooShort,
    TooLong,
    Duplicate,
    Duplicates,       // %1 number, %2 the entries
    ListFull,
    Unreadable,       // %1 file name, %2 reason
    TooLarge,         // %1 file name, %2 megabytes
    NotText,          // %1 file name
    BrokenXml,        // %1 file name, %2 line
    NewListFromImport, // %1 number of words, %2 file name
    NewListEmpty,
    NewListTitle,
    NewListBadName,   // %1 what was typed
    NewListExists,    // %1 file name
    NewListSaved,     // %1 file name, %2 number of words
};

// The text in the current language (g().SprachOffset).
QString importText(ImportText which);
