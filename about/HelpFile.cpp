// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/HelpFile.h"
#include "common/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

const char* const HomepageAddress = "https://tobrix.example/wupple/";
const char* const EMailAddress = "mailto:wupple@tobrix.example";

QString& helpFile()
{
    static QString name;
    return name;
}

QString helpDocumentPath(const QString& helpFileName)
{
    // The help once came as a compiled help file; it is HTML now, under the same base name.
    return QDir(programFolder()).filePath(QFileInfo(helpFileName).completeBaseName() + QStringLiteral(".html"));
}
