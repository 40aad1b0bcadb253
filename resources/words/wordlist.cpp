// Turns a reviewable word list (UTF-8, one word per line, "# " headings, blank lines) into the
// vocabulary file the game ships: Windows-1252, CR LF, written the way the game writes it.
#include "vocabulary/VocabularyFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: wupple-wordlist <list.txt> <out.dat>\n";
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << in.fileName() << ": " << in.errorString() << '\n';
        return 1;
    }
    QStringList words;
    for (const QByteArray& raw : in.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        words.push_back(line);
    }
    try {
        vocabulary::write(QString::fromLocal8Bit(argv[2]), words);
    } catch (const RuntimeError& e) {
        QTextStream(stderr) << e.description() << '\n';
        return 1;
    }
    return 0;
}
