// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A large import into the vocabulary editor: read, judged, added, selected and shown.
#include "Bench.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "vocabulary/WEdit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
class ChoosingDialogs final : public Dialogs {
public:
    QString file;
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, bool) override { return {}; }
    QString openFile(const QString&, const QString&) override { return file; }
};

// A KVTML file of `count` German entries, each a different word, written as tightly as the
// format allows so that 50,000 of them stay within the import's 4 MB.
QByteArray kvtml(int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><identifiers>"
                     "<identifier id=\"0\"><locale>de</locale></identifier></identifiers><entries>\n";
    for (int i = 0; i < count; ++i) {
        QByteArray word = "Wort";
        for (int n = i; word.size() < 8; n /= 26)
            word += char('a' + n % 26);
        xml += "<entry><translation id=\"0\"><text>" + word + "</text></translation></entry>\n";
    }
    return xml + "</entries></kvtml>\n";
}

double import(int entries)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("deutsch"));
    QFile(dir.filePath(QStringLiteral("deutsch/wupp.dat"))).open(QIODevice::WriteOnly);
    QFile file(dir.filePath(QStringLiteral("viele.kvtml")));
    file.open(QIODevice::WriteOnly);
    file.write(kvtml(entries));
    file.close();
    setProgramFolder(dir.path());
    g() = Allgemein{};
    ChoosingDialogs dialogs;
    dialogs.file = file.fileName();
    platform().dialogs = &dialogs;
    double ms = 0;
    {
        WEdit editor;
        editor.show();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        editor.Importieren->click();
        // Laid out and painted as the user would see it.
        editor.List1->viewport()->grab();
        QApplication::processEvents();
        ms = t.nsecsElapsed() / 1e6;
        if (editor.List1->count() != std::min(entries, 32767))
            qWarning("import: %d words in the list", int(editor.List1->count()));
    }
    platform().dialogs = nullptr;
    setProgramFolder(QString());
    return ms;
}

void vocabulary()
{
    for (int entries : {1000, 3000, 50000})
        bench::report(QStringLiteral("editor import of a KVTML file, %1 entries").arg(entries), import(entries),
                      QStringLiteral("ms"), QStringLiteral("<= 2000 ms"));
}
} // namespace

WUPPLE_BENCHMARK("vocabulary", vocabulary);
