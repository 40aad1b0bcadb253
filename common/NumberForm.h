// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Numbers shown or stored as text carry one leading blank unless they are negative: " 4", "-1".
inline QString numberForm(int n) { return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n); }
