// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Windows1252.h"

#include <array>
#include <optional>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five codes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same number, as in
// the system's converter, so every byte still reads back as itself. A table of our own keeps the
// system's whole conversion library out of the game's memory for 32 characters.
constexpr std::array<char16_t, 32> kHighCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar decoded(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? QChar(kHighCodes[byte - 0x80]) : QChar(byte);
}

// The byte for `c`, or nothing when the code page lacks it.
std::optional<char> encoded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < kHighCodes.size(); ++i)
        if (kHighCodes[i] == u)
            return char(0x80 + i);
    return std::nullopt;
}
} // namespace

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = decoded(static_cast<unsigned char>(b));
    return text;
}

QByteArray toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character the code page lacks becomes a question mark; a surrogate pair (never in
        // the code page) becomes one question mark, not two.
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            bytes += '?';
            ++i;
            continue;
        }
        bytes += encoded(c).value_or('?');
    }
    return bytes;
}
