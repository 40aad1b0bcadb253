// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up against files a prankster or a crash left behind: FIFOs, folders and huge files where
// files should be, markup in names, numbers out of range, leftovers of cut-short saves.
#include "GameSession.h"
#include "about/HelpViewers.h"
#include "settings/IniStore.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {
void putInPlace(const TestEnvironment& env, const QString& relative, const QString& kind)
{
    const QString path = env.path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    if (kind == QStringLiteral("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkdir(path));
    else { // huge: a sparse file, quick to make
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kind == QStringLiteral("huge settings") ? 50 * 1024 * 1024 : 8 * 1024 * 1024));
    }
}
} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
private slots:
    void startUpSurvivesWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message"); // what the one message says after the path; empty: none
        const QString notAFile = QStringLiteral(" ist keine gewöhnliche Datei und wird weder gelesen noch überschrieben.");
        QTest::newRow("settings FIFO") << "Wupple.ini" << "fifo" << notAFile;
        QTest::newRow("settings folder") << "Wupple.ini" << "folder" << notAFile;
        QTest::newRow("settings huge") << "Wupple.ini" << "huge settings" << " ist größer als 4 MiB und wird weder gelesen noch überschrieben.";
        QTest::newRow("word list FIFO") << "deutsch/wupp.dat" << "fifo" << ")";
        QTest::newRow("word list folder") << "deutsch/wupp.dat" << "folder" << ")";
        QTest::newRow("word list huge") << "deutsch/wupp.dat" << "huge" << " ist größer als 1 MiB und wird weder gelesen noch überschrieben.";
        QTest::newRow("music FIFO") << "wupple.mid" << "fifo" << "";
        QTest::newRow("music folder") << "wupple.mid" << "folder" << "";
    }

    void startUpSurvivesWhatIsNoFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        TestEnvironment env;
        putInPlace(env, file, kind);
        auto w = env.start();
        if (message.isEmpty()) {
            QCOMPARE(env.dialogs.texts(), QStringList());
            QCOMPARE(env.sound.musicStarts, 0);
        } else {
            QCOMPARE(env.dialogs.shown.size(), 1);
            QVERIFY2(env.dialogs.shown[0].text.endsWith(QDir::toNativeSeparators(env.path(file)) + message),
                     qPrintable(env.dialogs.shown[0].text));
        }
        w->close();
        // Closing saves the placement, but never over something that was not a file.
        if (file == QStringLiteral("Wupple.ini"))
            QCOMPARE(QFileInfo(env.path(file)).isFile(), kind.startsWith(QStringLiteral("huge")));
    }

    void oneOverflowReportNamesFileAndKeys()
    {
        TestEnvironment env;
        env.writeIni(QStringLiteral("[Window]\nStatus= 0\nLeft= 99999\nTop= 99999\nWidth= 99999\nHeight=-99999\n"
                                    "[Einstellungen]\nAnzahl= 40000\nTipps= 40000\nMotiv= 40000\nSound= 40000\nMusic= 40000\n"));
        {
            // Before the first show: the smallest window, never one of a single pixel.
            const wupp beforeShown;
            QVERIFY(beforeShown.placement().outerTwips().width() >= 9600 && beforeShown.placement().outerTwips().height() >= 6900);
        }
        auto w = env.start();
        QCOMPARE(env.dialogs.shown.size(), 1);
        const QString text = env.dialogs.shown[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Error 6: Überlauf (") + QDir::toNativeSeparators(env.path(QStringLiteral("Wupple.ini")))),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("[Window] Height")) && text.contains(QStringLiteral("[Einstellungen] Music")));
        QVERIFY(text.endsWith(QStringLiteral(")\r\n\t\toccurred at line 0\r\nin Wupple: GetIniInt")));
        w->close();
        // The window was placed at its smallest size, and that is what is kept.
        QVERIFY(GetIniInt(QStringLiteral("Window"), QStringLiteral("Width"), 0) >= 9600);
        QVERIFY(GetIniInt(QStringLiteral("Window"), QStringLiteral("Height"), 0) >= 6900);
    }

    // Only names with the game's own marker are its leftovers: a backup the user made beside a
    // file, or a copy a file manager made, looks much the same without it.
    void leftoversOfCutSavesAreCleared()
    {
        TestEnvironment env;
        const QStringList ours{"Wupple.ini.wupple-save-Ab12Cd", "deutsch/wupp.dat.wupple-save-xY12z9",
                               "english/tiere.DAT.wupple-save-QQQQQQ"};
        const QStringList users{"Wupple.ini.backup", "deutsch/wupp.dat.backup", "deutsch/tiere.dat.Kopie1",
                                "Wupple.ini.Ab12Cd", "Wupple.ini.wupple-save-Ab12C", "deutsch/notes.txt.wupple-save-Ab12Cd",
                                "deutsch/wupp.dat.wupple-save-Ab12Cd.txt"};
        for (const QString& name : ours + users)
            env.writeFile(name, "x");
        auto w = env.start();
        for (const QString& name : ours)
            QVERIFY2(!QFileInfo::exists(env.path(name)), qPrintable(name));
        for (const QString& name : users + QStringList{"deutsch/wupp.dat"})
            QVERIFY2(QFileInfo::exists(env.path(name)), qPrintable(name));
    }

    void namesFromTheFileAreShownAsTyped()
    {
        GameSession s({}, QStringLiteral("[Einstellungen]\nSpieler1=<b>Tim</b>\n"));
        auto [env, w] = std::tie(s.env, s.window);
        QCOMPARE(w->board().nameRow(0)->text(), QStringLiteral("<b>Tim</b>"));
        QCOMPARE(w->board().nameRow(0)->textFormat(), Qt::PlainText);
    }

    void helpThatIsAFolderIsReported()
    {
        TestEnvironment env;
        const QString folder = env.path(QStringLiteral("wuppel32.html"));
        QFile::remove(folder);
        QVERIFY(QDir().mkdir(folder));
        HelpWindow help;
        help.showHelp(folder);
        QCOMPARE(env.dialogs.texts(),
                 QStringList{QStringLiteral("Die Hilfedatei wurde nicht gefunden:\n") + QDir::toNativeSeparators(folder)});
    }
};

QTEST_MAIN(HostileFilesTest)
#include "tst_hostile_files.moc"
