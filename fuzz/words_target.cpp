// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word-list text under fuzzing. Input: a file's bytes. Checked: every word read passes the
// word rule and there are never more than the list can hold; the items of the file, written
// back, read back the same, and the writer refuses only what no line could hold.
#include "Check.h"
#include "settings/IniFile.h"
#include "vocabulary/WordListText.h"

#include <cstdint>

namespace {
bool cannotBeStored(const QString& entry)
{
    const bool needsQuotes = entry.contains(u',') || entry.startsWith(u'"') || entry.startsWith(u' ') ||
                             entry.startsWith(u'\t') || entry.endsWith(u' ') || entry.endsWith(u'\t');
    return entry.contains(u'\r') || entry.contains(u'\n') || ini::decode(ini::encode(entry)) != entry ||
           (needsQuotes && entry.contains(u'"'));
}

void roundTrip(const QStringList& entries)
{
    const auto bytes = vocabulary::encodeWordList(entries);
    if (!bytes) {
        const auto refused = vocabulary::unstorableEntry(entries);
        FUZZ_CHECK(refused && cannotBeStored(*refused));
        return;
    }
    for (const QString& entry : entries)
        FUZZ_CHECK(!cannotBeStored(entry));
    // An empty list is an empty file, which holds no item at all.
    if (!entries.isEmpty())
        FUZZ_CHECK(vocabulary::splitItems(ini::decode(*bytes)) == entries);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto read = vocabulary::wordsFromBytes(content);
    FUZZ_CHECK(read.words.size() <= vocabulary::MaxWords);
    for (const QString& word : read.words)
        FUZZ_CHECK(vocabulary::passesWordRule(word) && word.size() <= 20);

    // What the editor would hold after reading the file, and a list of arbitrary entries.
    roundTrip(read.words);
    if (const auto saved = vocabulary::encodeWordList(read.words))
        FUZZ_CHECK(vocabulary::wordsFromBytes(*saved).words == read.words);
    roundTrip(vocabulary::splitItems(ini::decode(content)));
    roundTrip(ini::decode(content).split(QChar(0)));
    return 0;
}
