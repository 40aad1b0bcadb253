// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu of the main window.
#include "about/HelpFile.h"
#include "about/frmInfo.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "game/wupp.h"
#include "i18n/ExtraTexts.h"

void wupp::mnuHilfe_Click()
{
    step(QStringLiteral("mnuhilfe_Click"), [] {
        if (platform().help)
            platform().help->showHelp(helpDocumentPath(helpFile(), g().SprachOffset));
    });
}

namespace {
// Opens the address with the desktop's program; when none starts, the player is told so, with
// the address to copy by hand.
void openAddress(const char* address, Extra failure, const QString& shown)
{
    Platform& p = platform();
    if (!p.browser || p.browser->open(QUrl(QString::fromLatin1(address))))
        return;
    if (p.dialogs)
        p.dialogs->message(extraText(failure).arg(shown), g().ProgrammTitel, Icon::Exclamation, Buttons::OK);
}
} // namespace

void wupp::mnuHomepage_Click()
{
    step(QStringLiteral("mnuHomepage_Click"), [] {
        openAddress(HomepageAddress, Extra::NoBrowser, QString::fromLatin1(HomepageAddress));
    });
}

void wupp::mnuEMail_Click()
{
    step(QStringLiteral("mnuEMail_Click"), [] {
        openAddress(EMailAddress, Extra::NoMailProgram, QUrl(QString::fromLatin1(EMailAddress)).path());
    });
}

void wupp::mnuUeber_Click() { launch(frmInfo::showAbout(this)); }
