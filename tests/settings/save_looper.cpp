// Helper of the kill test: saves the settings file or a word list over and over, alternating
// between two contents, until it is killed. Says "saving" once the first save is done.
#include "common/ProgramFolder.h"
#include "settings/IniStore.h"
#include "vocabulary/VocabularyFile.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool words = qstrcmp(argv[2], "words") == 0;
    setProgramFolder(folder);
    const QString list = QDir(folder).filePath(QStringLiteral("deutsch/wupp.dat"));
    for (long i = 0;; ++i) {
        const QString fill(200, QChar(i % 2 ? u'a' : u'b'));
        if (words)
            vocabulary::write(list, QStringList(4000, fill.left(12)) << QString(i % 2 ? 5 : 7, QChar(u'x')));
        else
            SaveIni(QStringLiteral("S"), QStringLiteral("k"), fill);
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
