#pragma once
// The vocabulary file: Windows-1252 text, one word per line, lines ended by CR LF. Items end at a
// comma or a line end, blanks in front of an item are skipped, and a quoted item runs to the
// next quote. Only items that pass the word rule become words.
#include "common/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vocabulary {

// The most words a list can hold (its index is a 16-bit number).
constexpr int MaxWords = 32767;

// At least 4 characters without the blanks around it, at most 20 as read, and no "ß" (the
// letter buttons have none).
bool passesWordRule(const QString& item);

// The items of a file's text, in order.
QStringList splitItems(const QString& text);

struct ReadResult {
    QStringList words;                 // the words read before any error, in file order
    std::optional<RuntimeError> error; // what ended the read early, if anything
    bool truncated = false;            // more than MaxWords words; the first MaxWords are kept
};

ReadResult read(const QString& path);

// What the players are told after a read, in the current language: the missing file by name,
// any other error by its description, and a list cut at the limit. Empty when all went well.
QStringList readProblems(const ReadResult& result);

// Writes all words, in order, all or nothing: on failure the old file stays as it was and a
// RuntimeError with the path and the reason is thrown.
void write(const QString& path, const QStringList& words);

// A file name from the settings may only name a file inside the language folder.
bool isBareFileName(const QString& name);

// The full path of the current language's vocabulary file; an empty or unsafe `WortDatei` is
// replaced by the language's default name first.
QString currentPath();

} // namespace vocabulary
