// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error report every procedure shows when something fails: the classic box with Abort,
// Retry and Ignore. Abort leaves the procedure, Retry repeats the failing step, Ignore skips it.
#include "common/RuntimeError.h"

#include <QString>

enum class ErrorAction { Abort, Retry, Ignore };

// "Error 6: Overflow\r\n\t\toccurred at line 0\r\nin Wupple: GetIniInt"
QString errorReportText(const RuntimeError& error, const QString& tag);

// Shows the report for a failure in the procedure `tag` and returns the user's choice.
ErrorAction reportError(const QString& tag, const RuntimeError& error);

// Runs one step of a procedure. On failure the report is shown: Retry runs the step again,
// Ignore skips it (true: go on with the next step), Abort ends the procedure (false).
template <class Step>
bool step(const QString& tag, Step&& body)
{
    for (;;) {
        try {
            body();
            return true;
        } catch (const RuntimeError& error) {
            switch (reportError(tag, error)) {
            case ErrorAction::Retry:
                continue;
            case ErrorAction::Ignore:
                return true;
            case ErrorAction::Abort:
                return false;
            }
        }
    }
}
