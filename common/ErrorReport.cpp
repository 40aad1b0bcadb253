// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ErrorReport.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/Version.h"

#include <QTextStream>


QString errorReportText(const RuntimeError& error, const QString& tag)
{
    // No procedure numbers its lines, so the line is always 0.
    return QStringLiteral("Error ") + QString::number(error.number()) + QStringLiteral(": ") + error.description() +
           QStringLiteral("\r\n\t\toccurred at line 0\r\nin ") + ApplicationTitle + QStringLiteral(": ") + tag;
}

ErrorAction reportError(const QString& tag, const RuntimeError& error)
{
    Dialogs* dialogs = platform().dialogs;
    if (!dialogs) {
        QTextStream(stderr) << errorReportText(error, tag) << '\n';
        return ErrorAction::Abort;
    }
    const Answer answer = dialogs->message(errorReportText(error, tag), ApplicationTitle + QStringLiteral(" Error"),
                                           Icon::Exclamation, Buttons::AbortRetryIgnore);
    switch (answer) {
    case Answer::Retry:
        return ErrorAction::Retry;
    case Answer::Ignore:
        return ErrorAction::Ignore;
    default:
        return ErrorAction::Abort;
    }
}
