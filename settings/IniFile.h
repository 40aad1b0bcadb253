// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The private-profile format of Wupple.ini, on the file's bytes: "[Section]" lines open a
// section, "key=value" lines hold entries, names match without regard to case, the text is
// Windows-1252. Lines we do not understand are kept exactly as they are when we write.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace ini {

// The longest value a read gives back; longer ones are cut.
constexpr int MaxValueLength = 254;

// The value of the first `key` in the first `section`, blanks around it and one enclosing pair
// of quotes removed, cut to MaxValueLength; nothing when the section or key is missing.
std::optional<QString> readValue(const QByteArray& content, const QString& section, const QString& key);

// The whole number at the start of a value: blanks skipped, an optional minus sign, decimal
// digits; 0 when the text does not begin with a number. Saturates far outside 16 bits.
long long leadingNumber(const QString& value);

// The file's bytes with the entry created or replaced, creating the section at the end when it
// is missing. Every other line stays byte for byte.
QByteArray writeValue(const QByteArray& content, const QString& section, const QString& key, const QString& value);

// The file parsed once: the first value of each key in the first section of each name, exactly
// as readValue finds it, so repeated reads cost no more than a lookup. It keeps the file's bytes
// and, per entry that a read can see, 16 bytes of index (a table per section would cost
// kilobytes each, and a file within its limit may hold hundreds of thousands of sections).
class Document {
public:
    Document() = default; // an empty file
    explicit Document(const QByteArray& content);
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Every entry that a read can see, as (section, key) case-folded.
    QList<std::pair<QString, QString>> keys() const;

private:
    struct Slot {
        quint64 hash;  // of the case-folded section and key names
        quint32 entry; // first byte of the entry's line
        quint32 header; // first byte of its section's line
    };
    static quint64 hashOf(const QString& section, const QString& key);
    bool names(const Slot& slot, const QString& section, const QString& key) const;
    QByteArray m_content;
    std::vector<Slot> m_slots; // by hash; entries of equal hash in file order
};

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

} // namespace ini
