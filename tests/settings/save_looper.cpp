// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helper of the kill test: saves the settings file or a word list over and over, alternating
// between two contents, until it is killed. Says "saving" once the first save is done.
// With "limit N" it saves the settings dialog's entries once, under a file-size limit of N bytes,
// and prints every box the save shows; "limit N words" saves a word list instead and prints the
// error it reports.
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "common/RuntimeError.h"
#include "settings/IniStore.h"
#include "settings/SettingsValue.h"
#include "vocabulary/VocabularyFile.h"

#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {
struct PrintedBoxes final : Dialogs {
    Answer message(const QString& text, const QString&, Icon, Buttons) override
    {
        std::printf("box: %s\n", qPrintable(text));
        return Answer::OK;
    }
    QString input(const QString&, const QString&, bool) override { return {}; }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    setProgramFolder(folder);
    const bool words = argc > 3 && qstrcmp(argv[argc - 1], "words") == 0;
    const QString list = QDir(folder).filePath(QStringLiteral("deutsch/wupp.dat"));
    if (qstrcmp(argv[2], "limit") == 0 && argc >= 4) {
        // A write past the limit fails with EFBIG instead of ending the program.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
        const rlimit fsize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fsize) != 0)
            return 3;
        PrintedBoxes boxes;
        platform().dialogs = &boxes;
        if (!words) {
            saveDialogSettings(Settings{});
            return 0;
        }
        try {
            vocabulary::write(list, QStringList(40, QStringLiteral("Zebra")));
        } catch (const RuntimeError& error) {
            std::printf("error: %s\n", qPrintable(error.description()));
        }
        return 0;
    }
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
