// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Allgemein.h"
#include "i18n/Catalogue.h"
#include "i18n/ImportTexts.h"
#include "common/Windows1252.h"
#include "vocabulary/Import.h"
#include "i18n/Letters.h"
#include "vocabulary/VocabularyFile.h"

#include <QSet>
#include <algorithm>
#include <optional>

namespace vocabulary::import {

namespace {
// The names of the words already in the list run on, broken into lines of about this length.
constexpr int NamesLineChars = 60;
// With the heading, ListedSkips entries, the count of the rest and these, a report has at most
// 29 lines.
constexpr int NamesLines = 5;

QString reasonText(const Skipped& skipped)
{
    switch (skipped.reason) {
    case Skip::SeveralWords: return importText(ImportText::SeveralWords);
    case Skip::Eszett: return importText(ImportText::Eszett);
    case Skip::NotLetters: return importText(ImportText::NotLetters);
    case Skip::NoCard: return importText(ImportText::NoCard).arg(skipped.letter);
    case Skip::TooShort: return importText(ImportText::TooShort);
    case Skip::TooLong: return importText(ImportText::TooLong);
    case Skip::Duplicate: return importText(ImportText::Duplicate);
    case Skip::ListFull: return importText(ImportText::ListFull);
    }
    return {};
}

// Why an entry cannot become a word, checked in the order a parent would fix it.
std::optional<Skipped> fault(const QString& entry, const QString& allowed)
{
    for (QChar c : entry)
        if (c.isSpace())
            return Skipped{entry, Skip::SeveralWords, {}};
    if (entry.contains(u'ß') || entry.contains(u'ẞ'))
        return Skipped{entry, Skip::Eszett, {}};
    for (QChar c : entry)
        if (!c.isLetter())
            return Skipped{entry, Skip::NotLetters, {}};
    for (QChar c : entry)
        if (!allowed.contains(c))
            return Skipped{entry, Skip::NoCard, c};
    if (entry.size() < 4)
        return Skipped{entry, Skip::TooShort, {}};
    if (entry.size() > 20)
        return Skipped{entry, Skip::TooLong, {}};
    return std::nullopt;
}
} // namespace

Outcome judge(const QStringList& entries, const QStringList& existing, const QString& cards)
{
    // Both cases of each card, spelled out: upper-casing would let the dotless i or the long s
    // pass as I and S, and the vocabulary file could not hold them.
    const QString allowed = cards + cards.toLower();
    QSet<QString> known;
    for (const QString& word : existing)
        known.insert(word.trimmed().toUpper());
    Outcome outcome;
    qsizetype room = MaxWords - existing.size();
    for (const QString& written : entries) {
        // A letter and its accent typed as two characters are one letter.
        const QString entry = written.normalized(QString::NormalizationForm_C);
        if (auto skipped = fault(entry, allowed)) {
            outcome.skipped.push_back(*skipped);
        } else if (known.contains(entry.toUpper())) {
            outcome.skipped.push_back({entry, Skip::Duplicate, {}});
        } else if (room <= 0) {
            outcome.skipped.push_back({entry, Skip::ListFull, {}});
        } else {
            Q_ASSERT(passesWordRule(entry));
            known.insert(entry.toUpper());
            outcome.added.push_back(entry);
            --room;
        }
    }
    return outcome;
}

QString cardLetters(qint16 languageOffset) { return letters::ofLanguage(languageOffset); }

QString localeOf(qint16 languageOffset)
{
    static const char* const locales[] = {"de", "en", "sv", "it"};
    return QString::fromLatin1(locales[validLanguageOffset(languageOffset) / 1000]);
}

QString forMessage(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    if (shown.size() <= MessageChars)
        return shown;
    qsizetype cut = MessageChars - 1;
    // Never half a character written as two code units.
    if (shown.at(cut - 1).isHighSurrogate())
        --cut;
    return shown.left(cut) + u'…';
}

QString report(const QString& fileName, const Outcome& outcome)
{
    QString text = importText(ImportText::Added).arg(forMessage(fileName), QString::number(outcome.added.size()));
    if (outcome.skipped.isEmpty())
        return text;
    text += QStringLiteral("\n\n") + importText(ImportText::Skipped).arg(outcome.skipped.size());
    // What a parent may want to fix comes first, one entry a line; the words the list already
    // has only need naming.
    QStringList twice;
    qsizetype listed = 0, unlisted = 0;
    for (const Skipped& skipped : outcome.skipped) {
        if (skipped.reason == Skip::Duplicate)
            twice.push_back(skipped.entry);
        else if (listed++ < ListedSkips)
            text += QStringLiteral("\n") + forMessage(skipped.entry) + QStringLiteral(" – ") + reasonText(skipped);
        else
            ++unlisted;
    }
    if (unlisted > 0)
        text += QStringLiteral("\n") + importText(ImportText::More).arg(unlisted);
    if (!twice.isEmpty()) {
        QString names;
        qsizetype lineStart = 0, lines = 1, shown = 0;
        for (; shown < std::min<qsizetype>(twice.size(), ListedSkips); ++shown) {
            const QString name = forMessage(twice[shown]);
            if (shown > 0) {
                if (names.size() + 1 - lineStart + name.size() > NamesLineChars) {
                    // A few lines of names at most, so that the whole report fits on a screen.
                    if (lines == NamesLines)
                        break;
                    names += QStringLiteral(",\n");
                    lineStart = names.size();
                    ++lines;
                } else {
                    names += QStringLiteral(", ");
                }
            }
            names += name;
        }
        if (shown < twice.size())
            names += QStringLiteral(", …");
        text += QStringLiteral("\n") + importText(ImportText::Duplicates).arg(QString::number(twice.size()), names);
    }
    return text;
}

QString refusalText(const QString& fileName, const Entries& entries)
{
    switch (entries.refusal) {
    case Refusal::Unreadable: return importText(ImportText::Unreadable).arg(forMessage(fileName), entries.detail);
    case Refusal::TooLarge:
        return importText(ImportText::TooLarge).arg(forMessage(fileName), QString::number(MaxBytes / (1024 * 1024)));
    case Refusal::NotText: return importText(ImportText::NotText).arg(forMessage(fileName));
    case Refusal::BrokenXml: return importText(ImportText::BrokenXml).arg(forMessage(fileName), entries.detail);
    case Refusal::None: break;
    }
    return {};
}

QString newListName(const QString& typed)
{
    QString name = typed.trimmed();
    if (!name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
        name += QStringLiteral(".dat");
    // The name is stored in the settings file in the Windows code page, so it must survive it.
    const bool storable = fromWindows1252(toWindows1252(name)) == name;
    bool printable = true;
    for (QChar c : name)
        printable = printable && c.isPrint();
    if (!isBareFileName(name) || name.startsWith(u'.') || name.size() > 100 || !storable || !printable)
        return {};
    return name;
}

} // namespace vocabulary::import
