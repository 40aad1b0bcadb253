// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/HelpFile.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "i18n/Catalogue.h"

#include <QDir>
#include <QFileInfo>

const char* const HomepageAddress = "https://tobrix.example/wupple/";
const char* const EMailAddress = "mailto:wupple@tobrix.example";

QString& helpFile()
{
    static QString name;
    return name;
}

QString helpDocumentPath(const QString& helpFileName, qint16 languageOffset)
{
    // The help once came as a compiled help file; it is HTML now, under the same base name.
    const QDir folder(programFolder());
    const QString base = QFileInfo(helpFileName).completeBaseName();
    const char* suffix = languageOffset == Lang::Swedish   ? "_sv"
                         : languageOffset == Lang::Italian ? "_it"
                                                           : nullptr;
    if (suffix) {
        const QString own = folder.filePath(base + QLatin1String(suffix) + QStringLiteral(".html"));
        if (QFileInfo(own).isFile())
            return own;
    }
    return folder.filePath(base + QStringLiteral(".html"));
}

std::optional<QByteArray> helpResource(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    const QString path = url.toLocalFile();
    if (!isInsideFolder(path, programFolder()))
        return std::nullopt;
    FileRead file = readRegularFile(path, MaxHelpBytes);
    if (file.check != FileCheck::Ok)
        return std::nullopt;
    return std::move(file.bytes);
}
