// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor's commands share: telling the user something, and writing a word list.
#include "common/Dialogs.h"

#include <QString>
#include <QStringList>

namespace wedit {
// A message box with one OK button, when there is a screen to show it on.
void tell(const QString& text, const QString& title, Icon icon = Icon::Exclamation);
// Writes a word list all at once, or tells why not; the old file then stays whole.
bool writeList(const QString& path, const QStringList& list);
} // namespace wedit
