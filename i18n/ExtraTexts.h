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
    NoBrowser,           // %1 the web address
    NoMailProgram,       // %1 the e-mail address
    ListFull,            // %1 the most words a list holds
    ListTooLarge,        // %1 the largest word list that is read
};

// The message in the current language (g().SprachOffset).
QString extraText(Extra which);
