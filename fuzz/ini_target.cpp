// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file under fuzzing. Input: section, key and value separated by NUL bytes, then
// the file's bytes. Checked: the parsed file answers exactly as a single read does, no value
// longer than 254 characters comes back, a written entry reads back as written, and every other
// entry reads as before.
#include "Check.h"
#include "settings/IniFile.h"

#include <cstdint>

namespace {
QByteArray takeField(QByteArrayView& input)
{
    const qsizetype nul = input.indexOf('\0');
    const QByteArray field = (nul < 0 ? input : input.first(nul)).toByteArray();
    input = nul < 0 ? QByteArrayView() : input.sliced(nul + 1);
    return field;
}

bool isAsciiSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

QString asciiTrimmed(QString text)
{
    while (!text.isEmpty() && isAsciiSpace(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isAsciiSpace(text.back()))
        text.chop(1);
    return text;
}

// A name the writer can put on a line so that the reader finds it again.
bool isWritableName(const QString& name, bool section)
{
    if (name != asciiTrimmed(name) || ini::decode(ini::encode(name)) != name)
        return false;
    for (QChar c : name)
        if (c == u'\r' || c == u'\n' || c == QChar(0) || (section ? c == u']' : c == u'='))
            return false;
    return section || !name.startsWith(u'[');
}

// What a read gives back for `value` after a write.
QString expectedRead(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ');
    value = asciiTrimmed(ini::decode(ini::encode(value)));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(ini::MaxValueLength);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString section = ini::decode(takeField(input));
    const QString key = ini::decode(takeField(input));
    const QString value = ini::decode(takeField(input));
    const QByteArray content = input.toByteArray();

    const ini::Document before(content);
    FUZZ_CHECK(before.value(section, key) == ini::readValue(content, section, key));
    const auto keys = before.keys();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const auto v = before.value(keys[i].first, keys[i].second);
        FUZZ_CHECK(v && v->size() <= ini::MaxValueLength);
        // A single read parses the whole file: compare a few, not every one.
        if (i < 2)
            FUZZ_CHECK(v == ini::readValue(content, keys[i].first, keys[i].second));
    }

    if (!isWritableName(section, true) || !isWritableName(key, false))
        return 0;
    const QByteArray written = ini::writeValue(content, section, key, value);
    const ini::Document after(written);
    FUZZ_CHECK(after.value(section, key) == expectedRead(value));
    const QString foldedSection = section.toCaseFolded(), foldedKey = key.toCaseFolded();
    for (const auto& [s, k] : before.keys())
        if (s != foldedSection || k != foldedKey)
            FUZZ_CHECK(after.value(s, k) == before.value(s, k));
    FUZZ_CHECK(after.keys().size() == before.keys().size() + (before.value(section, key) ? 0 : 1));
    return 0;
}
