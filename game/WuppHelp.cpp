// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu of the main window.
#include "about/HelpFile.h"
#include "about/frmInfo.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "game/wupp.h"

void wupp::mnuHilfe_Click()
{
    step(QStringLiteral("mnuhilfe_Click"), [] {
        if (platform().help)
            platform().help->showHelp(helpDocumentPath(helpFile()));
    });
}

void wupp::mnuHomepage_Click()
{
    step(QStringLiteral("mnuHomepage_Click"), [] {
        if (platform().browser)
            platform().browser->open(QUrl(QString::fromLatin1(HomepageAddress)));
    });
}

void wupp::mnuEMail_Click()
{
    if (platform().browser)
        platform().browser->open(QUrl(QString::fromLatin1(EMailAddress)));
}

void wupp::mnuUeber_Click() { launch(frmInfo::showAbout(this)); }
