#include "about/HelpFile.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"

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
