// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The import of words from outside under fuzzing. Input: one byte that picks the language
// (bits 0-1) and the file's name and so its kind (bits 2-3: text, CSV, KVTML, no suffix), then
// the file's bytes. Checked: a refused file gives
// no entries; the entries hold no more text than the file; every word taken passes the word
// rule, has a card for each letter and survives the list file's code page; nothing is taken
// twice; the report fits on a screen. Once, before the first input: entity bombs and a file over
// the size limit are refused, and a nearly full list takes only what it has room for (judging
// against 32,764 words takes a second, too slow for every input).
#include "Check.h"
#include "common/Allgemein.h"
#include "common/Windows1252.h"
#include "vocabulary/Import.h"
#include "vocabulary/WordListText.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <cstdint>
#include <ctime>

using namespace vocabulary::import;

namespace {
// A message box taller than this does not fit on a small school laptop.
constexpr qsizetype MaxReportLines = 30;

qsizetype lineCount(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\n\\r\\v\\f\\x{85}\\x{2028}\\x{2029}]"));
    return text.split(breaks).size();
}

const QStringList& nearlyFullList()
{
    static const QStringList words = [] {
        QStringList list;
        // Distinct words of the game's letters: "Wort" followed by a letter code of the number.
        for (int i = 0; list.size() < vocabulary::MaxWords - 3; ++i) {
            QString word = QStringLiteral("Wort");
            for (int n = i; n > 0 || word.size() == 4; n /= 26)
                word += QChar(u'a' + n % 26);
            list.push_back(word);
        }
        return list;
    }();
    return words;
}

// Quickly in processor time: a loaded machine may stretch the wall clock, and an expanding bomb
// takes a minute of processor time or more.
bool refusedQuickly(const QByteArray& xml)
{
    const std::clock_t start = std::clock();
    const Entries entries = entriesOf(xml, QStringLiteral("bomb.kvtml"), QStringLiteral("de"));
    return entries.refusal != Refusal::None && entries.entries.isEmpty() &&
           std::clock() - start < 5 * CLOCKS_PER_SEC;
}

// The attacks a malicious vocabulary file can carry besides broken bytes, a file one byte over
// the size limit (written once: a corpus file of that size would bloat the repository), and a
// nearly full list.
bool checkOnce()
{
    // Ten levels of ten references each: a billion "lol"s from under a kilobyte.
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [\n <!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        laughs += " <!ENTITY l" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += "&l" + QByteArray::number(level - 1) + ";";
        laughs += "\">\n";
    }
    laughs += "]>\n<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>&l9;</text>"
              "</translation></entry></entries></kvtml>\n";
    FUZZ_CHECK(refusedQuickly(laughs));
    // The same with parameter entities, which expand inside the document type itself.
    QByteArray parameters = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [\n <!ENTITY % p0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        parameters += " <!ENTITY % p" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            parameters += "%p" + QByteArray::number(level - 1) + ";";
        parameters += "\">\n";
    }
    parameters += " <!ENTITY x \"%p9;\">\n]>\n<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation "
                  "id=\"0\"><text>&x;</text></translation></entry></entries></kvtml>\n";
    FUZZ_CHECK(refusedQuickly(parameters));

    // One entity just under any per-entity limit, referenced a hundred thousand times: 400 MB of
    // text from 400 kB.
    QByteArray quadratic = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [ <!ENTITY a \"" + QByteArray(4000, 'a') +
                           "\"> ]>\n<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>";
    for (int i = 0; i < 100000; ++i)
        quadratic += "&a;";
    quadratic += "</text></translation></entry></entries></kvtml>\n";
    FUZZ_CHECK(refusedQuickly(quadratic));

    // An entity that names a file on the machine.
    FUZZ_CHECK(refusedQuickly("<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [ <!ENTITY p SYSTEM \"/etc/passwd\"> ]>\n"
                              "<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>&p;"
                              "</text></translation></entry></entries></kvtml>\n"));

    QTemporaryFile big;
    FUZZ_CHECK(big.open());
    const QByteArray line = "Apfel\r\n";
    for (qint64 written = 0; written <= MaxBytes; written += line.size())
        big.write(line);
    big.flush();
    FUZZ_CHECK(big.size() > MaxBytes);
    FUZZ_CHECK(readEntries(big.fileName(), QStringLiteral("de")).refusal == Refusal::TooLarge);
    // At the limit itself the file is read.
    FUZZ_CHECK(big.resize(MaxBytes));
    const Entries atLimit = readEntries(big.fileName(), QStringLiteral("de"));
    FUZZ_CHECK(atLimit.refusal == Refusal::None && !atLimit.entries.isEmpty());

    const QStringList newWords{QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Kirsche"),
                               QStringLiteral("Pflaume"), QStringLiteral("Banane")};
    const Outcome full = judge(newWords, nearlyFullList(), cardLetters(0));
    FUZZ_CHECK(full.added == newWords.mid(0, 3));
    FUZZ_CHECK(full.skipped.size() == 2 && full.skipped[0].reason == Skip::ListFull &&
               full.skipped[1].reason == Skip::ListFull);
    return true;
}
} // namespace

// Before the first input, so the slow checks count against no input's time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FUZZ_CHECK(checkOnce());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t choice = data[0];
    const auto language = qint16((choice & 3) * 1000);
    static const char* const names[] = {"wörter.txt", "wörter.csv", "wörter.kvtml", "wörter"};
    const QString name = QString::fromUtf8(names[(choice >> 2) & 3]);
    const QStringList existing{QStringLiteral("Apfel")};
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    g().SprachOffset = language;

    const Entries read = entriesOf(bytes, name, localeOf(language));
    if (read.refusal != Refusal::None) {
        FUZZ_CHECK(read.entries.isEmpty());
        const QString message = refusalText(name, read);
        FUZZ_CHECK(!message.isEmpty() && lineCount(message) <= MaxReportLines);
        return 0;
    }
    // Text and markup never grow: nothing is expanded beyond what the file holds.
    qsizetype characters = 0;
    for (const QString& entry : read.entries) {
        FUZZ_CHECK(!entry.isEmpty() && entry == entry.trimmed());
        characters += entry.size();
    }
    FUZZ_CHECK(characters <= bytes.size());

    const QString cards = cardLetters(language);
    const QString allowed = cards + cards.toLower();
    const Outcome outcome = judge(read.entries, existing, cards);
    FUZZ_CHECK(outcome.added.size() + outcome.skipped.size() == read.entries.size());
    FUZZ_CHECK(existing.size() + outcome.added.size() <= vocabulary::MaxWords);
    QSet<QString> known;
    for (const QString& word : existing)
        known.insert(word.toUpper());
    for (const QString& word : outcome.added) {
        FUZZ_CHECK(vocabulary::passesWordRule(word) && word.size() >= 4 && word.size() <= 20);
        for (QChar letter : word)
            FUZZ_CHECK(allowed.contains(letter));
        FUZZ_CHECK(fromWindows1252(toWindows1252(word)) == word);
        FUZZ_CHECK(!known.contains(word.toUpper()));
        known.insert(word.toUpper());
    }
    FUZZ_CHECK(lineCount(report(name, outcome)) <= MaxReportLines);
    return 0;
}
