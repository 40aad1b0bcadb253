// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The program's own name, used where no language applies (error report, some titles).
inline const QString ApplicationTitle = QStringLiteral("Wupple");

// "1.0.0": major, minor and revision from the build, each without blanks.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(WUPPLE_VERSION_MAJOR).arg(WUPPLE_VERSION_MINOR).arg(WUPPLE_VERSION_PATCH);
}
