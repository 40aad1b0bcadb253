// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

namespace catalogue {

struct Entry {
    int baseId;
    std::array<const char16_t*, 4> text; // German, English, Swedish, Italian
};

extern const std::array<Entry, 60> entries;

} // namespace catalogue
