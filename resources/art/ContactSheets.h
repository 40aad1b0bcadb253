// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace art {

// Lays the finished picture files of picturesFolder out on a few large sheets in sheetFolder,
// for looking at the artwork as a whole. The sheets are not part of the game.
bool writeContactSheets(const QString &picturesFolder, const QString &sheetFolder);

} // namespace art
