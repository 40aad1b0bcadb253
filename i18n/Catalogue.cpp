// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Catalogue.h"
#include "common/Allgemein.h"
#include "common/RuntimeError.h"
#include "i18n/CatalogueData.h"

namespace {
const catalogue::Entry* find(int id)
{
    if (id < 0)
        return nullptr;
    const int language = id / 1000;
    const int base = id % 1000;
    if (language > 3)
        return nullptr;
    for (const auto& e : catalogue::entries)
        if (e.baseId == base)
            return &e;
    return nullptr;
}
} // namespace

bool hasCatalogueText(int id) { return find(id) != nullptr; }

QString catalogueText(int id)
{
    const auto* entry = find(id);
    if (!entry)
        throw RuntimeError(Err::ResourceNotFound, QString::number(id));
    return QString::fromUtf16(entry->text[id / 1000]);
}

QString LoadText(int baseId) { return catalogueText(toInt16(static_cast<long long>(baseId) + g().SprachOffset)); }

qint16 validLanguageOffset(int storedOffset)
{
    switch (storedOffset) {
    case Lang::German:
    case Lang::English:
    case Lang::Swedish:
    case Lang::Italian:
        return static_cast<qint16>(storedOffset);
    default:
        return Lang::German;
    }
}
