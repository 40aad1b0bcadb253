// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PasswordGate.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "i18n/Catalogue.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"

bool passwordGranted()
{
    // Read at every ask, so the check always uses the password in force.
    QString stored = GetIniString(keys::Einstellungen, keys::Passw, QString());
    if (stored.isEmpty())
        return true;
    Encrypt(stored, PasswordKey);
    const QString answer = platform().dialogs->input(LoadText(161), LoadText(163), true);
    if (answer == stored.trimmed())
        return true;
    platform().dialogs->message(LoadText(162), ApplicationTitle, Icon::None, Buttons::OK);
    return false;
}
