// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Allgemein.h"

namespace {
Allgemein& storage()
{
    static Allgemein record;
    return record;
}
} // namespace

Allgemein& g() { return storage(); }

void resetAllgemein() { storage() = Allgemein{}; }
