// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts kept beside the catalogue: one row per text, in the four interface languages.
#include "common/Allgemein.h"
#include "i18n/Catalogue.h"

#include <QString>
#include <array>
#include <cstddef>

template <class Key>
struct LanguageRow {
    Key which;
    std::array<const char16_t*, 4> text; // German, English, Swedish, Italian
};

// The text of `which` in the current language (g().SprachOffset); empty when the table lacks it.
template <class Key, std::size_t N>
QString textInCurrentLanguage(const LanguageRow<Key> (&rows)[N], Key which)
{
    const int language = validLanguageOffset(g().SprachOffset) / 1000;
    for (const auto& row : rows)
        if (row.which == which)
            return QString::fromUtf16(row.text[language]);
    return {};
}
