// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: how entries are found, read, cut and written, on real files.
#include "TestEnvironment.h"
#include "settings/IniStore.h"
#include "common/ProgramFolder.h"
#include "settings/IniFile.h"

#include <malloc.h>

#include <QDateTime>
#include <QDir>
#include <QTest>

class IniStoreTest : public QObject {
    Q_OBJECT
private slots:
    void readsStrings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const QString def = QStringLiteral("<default>");
        QTest::newRow("plain") << QByteArray("[S]\r\nk=value\r\n") << "value";
        QTest::newRow("names ignore case") << QByteArray("[s]\r\nK=Tim\r\n") << "Tim";
        QTest::newRow("blanks around") << QByteArray("[S]\r\n  k  =   two words  \r\n") << "two words";
        QTest::newRow("enclosing quotes dropped") << QByteArray("[S]\r\nk=\"quoted\"\r\n") << "quoted";
        QTest::newRow("single quotes too") << QByteArray("[S]\r\nk='x'\r\n") << "x";
        QTest::newRow("one quote stays") << QByteArray("[S]\r\nk=\"open\r\n") << "\"open";
        QTest::newRow("missing key") << QByteArray("[S]\r\nother=1\r\n") << def;
        QTest::newRow("missing section") << QByteArray("[T]\r\nk=1\r\n") << def;
        QTest::newRow("key of another section") << QByteArray("[T]\r\nk=1\r\n[S]\r\n") << def;
        QTest::newRow("first of repeated sections") << QByteArray("[S]\r\nk=1\r\n[S]\r\nk=2\r\n") << "1";
        QTest::newRow("later section of the name unread") << QByteArray("[S]\r\nj=1\r\n[s]\r\nk=2\r\n") << def;
        QTest::newRow("key given twice: the first counts") << QByteArray("[S]\r\nk=1\r\nK=2\r\n") << "1";
        QTest::newRow("LF only") << QByteArray("[S]\nk=v\n") << "v";
        QTest::newRow("line without =") << QByteArray("[S]\r\nk\r\nk=v\r\n") << "v";
        QTest::newRow("NUL cuts the value") << QByteArray("[S]\r\nk=ab\0cd\r\n", 14) << "ab";
        QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << "";
        QTest::newRow("Windows-1252") << QByteArray("[S]\r\nk=J\xfcrgen \x80\r\n") << QString::fromUtf8("Jürgen €");
        QTest::newRow("cut to 254") << ("[S]\r\nk=" + QByteArray(300, 'x') + "\r\n") << QString(254, u'x');
        QTest::newRow("UTF-8 mark before the first section") << QByteArray("\xef\xbb\xbf[S]\r\nk=v\r\n") << "v";
    }

    void readsStrings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("Wupple.ini"), file);
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("<default>")), expected);
    }

    void readsNumbers()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("Wupple.ini"), "[S]\r\nblank= 2\r\nneg=-1\r\ntext=abc\r\nmixed=12abc\r\nmax=32767\r\nmin=-32768\r\n");
        const std::pair<const char*, int> expected[] = {{"blank", 2},     {"neg", -1},      {"text", 0},     {"mixed", 12},
                                                        {"max", 32767}, {"min", -32768}, {"missing", 4}};
        for (const auto& [key, value] : expected)
            QCOMPARE(int(GetIniInt(QStringLiteral("S"), QString::fromLatin1(key), 4)), value);
        QVERIFY(env.dialogs.shown.isEmpty());
    }

    void numberBeyondSixteenBitsIsOverflowWithResultZero()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeIni(QStringLiteral("[Window]\nLeft= 40000\nTop=99999999999999999999\n[Einstellungen]\nSpieler1=99999\n"));
        QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Left"), 5)), 0);
        QCOMPARE(env.dialogs.shown.size(), 1);
        // One report names the file and every key out of range (names are never read as numbers);
        // its title, icon and buttons are the error report's (tst_common).
        QCOMPARE(env.dialogs.shown[0].text, QStringLiteral("Error 6: Überlauf (%1: [Window] Left, [Window] Top)\r\n\t\toccurred at line 0\r\nin Wupple: GetIniInt")
                               .arg(QDir::toNativeSeparators(env.path(QStringLiteral("Wupple.ini")))));
        QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Top"), 5)), 0);
        QCOMPARE(env.dialogs.shown.size(), 1);
        // The file changed on disk is reported anew; Retry reads it again and reports again.
        env.writeIni(QStringLiteral("[Window]\nTop= 70000\n"));
        env.dialogs.answers.enqueue(Answer::Retry);
        QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Top"), 5)), 0);
        QCOMPARE(env.dialogs.shown.size(), 3);
    }

    void writesKeepEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no file yet
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const QString three = QStringLiteral(" 3");
        QTest::newRow("replace in place") << QByteArray("; note\r\n[Einstellungen]\r\nanzahl= 2\r\nTipps= 1\r\n[Other]\r\nx=y\r\n") << three
                                          << QByteArray("; note\r\n[Einstellungen]\r\nAnzahl= 3\r\nTipps= 1\r\n[Other]\r\nx=y\r\n");
        QTest::newRow("new key ends its section") << QByteArray("[Einstellungen]\r\nTipps= 1\r\n\r\n[Other]\r\nx=y\r\n") << three
                                                  << QByteArray("[Einstellungen]\r\nTipps= 1\r\nAnzahl= 3\r\n\r\n[Other]\r\nx=y\r\n");
        QTest::newRow("new section at the end") << QByteArray("[Other]\r\nx=y") << three
                                                << QByteArray("[Other]\r\nx=y\r\n[Einstellungen]\r\nAnzahl= 3\r\n");
        QTest::newRow("LF lines and garbage kept") << QByteArray("garbage\n\xff\xfe\n[einstellungen]\nAnzahl=9\n") << three
                                                   << QByteArray("garbage\n\xff\xfe\n[einstellungen]\nAnzahl= 3\n");
        QTest::newRow("UTF-8 mark kept, its section found") << QByteArray("\xef\xbb\xbf[Einstellungen]\r\nAnzahl= 2\r\n") << three
                                                            << QByteArray("\xef\xbb\xbf[Einstellungen]\r\nAnzahl= 3\r\n");
        QTest::newRow("key given twice: the first is replaced, as it is the one read")
            << QByteArray("[Einstellungen]\r\nAnzahl= 1\r\nANZAHL= 2\r\n") << three
            << QByteArray("[Einstellungen]\r\nAnzahl= 3\r\nANZAHL= 2\r\n");
        QTest::newRow("first write makes file and section") << QByteArray() << three << QByteArray("[Einstellungen]\r\nAnzahl= 3\r\n");
        QTest::newRow("Windows-1252") << QByteArray() << QString::fromUtf8("Jörg Ærø €")
                                      << QByteArray("[Einstellungen]\r\nAnzahl=J\xf6rg \xc6r\xf8 \x80\r\n");
        QTest::newRow("not in the code page") << QByteArray() << QString::fromUtf8("\x1a\u0416") << QByteArray("[Einstellungen]\r\nAnzahl=\x1a?\r\n");
        // A line break in a value cannot split the entry.
        QTest::newRow("line break") << QByteArray() << "a\r\nb" << QByteArray("[Einstellungen]\r\nAnzahl=a  b\r\n");
    }

    void writesKeepEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        TestEnvironment env(TestEnvironment::Words::None);
        if (!before.isEmpty())
            env.writeFile(QStringLiteral("Wupple.ini"), before);
        SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Anzahl"), value);
        QCOMPARE(env.ini(), after);
    }

    void badFilesNeitherCrashNorHang()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk += char(i * 37 % 256);
        junk += "\r\n" + QByteArray(3 * 1024 * 1024, 'x') + "\r\n[S]\r\n[S]\r\nk=1\r\n";
        env.writeFile(QStringLiteral("Wupple.ini"), junk);
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
        SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("2"));
        QVERIFY(env.ini().startsWith(junk.left(4096)));
    }

    // A file right at its size limit is read and written; a save that would take it past the limit
    // is refused with a message, and the file stays (a file past it would be refused at the next
    // start with every setting in it, the password included).
    void fileAtItsSizeLimit()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        const QByteArray head = "[Einstellungen]\r\nk=1\r\n";
        QByteArray file = head;
        const QByteArray filler = "; " + QByteArray(96, '-') + "\r\n";
        while (file.size() + filler.size() <= MaxIniBytes - 3)
            file += filler;
        file += QByteArray(MaxIniBytes - 3 - file.size() - 2, ';') + "\r\n";
        QCOMPARE(file.size(), MaxIniBytes - 3);
        env.writeFile(QStringLiteral("Wupple.ini"), file);

        // Three bytes more: exactly at the limit, written, and read at the next start.
        SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("k"), QStringLiteral("1234"));
        QCOMPARE(env.ini().size(), MaxIniBytes);
        resetIniWriteWarning();
        QCOMPARE(GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("k"), {}), QStringLiteral("1234"));
        QVERIFY2(env.dialogs.shown.isEmpty(), qPrintable(env.dialogs.texts().join(u'|')));

        // One byte past it: refused, told, and the file kept as it was.
        const QByteArray atLimit = env.ini();
        SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("k"), QStringLiteral("12345"));
        QCOMPARE(env.ini(), atLimit);
        QCOMPARE(env.dialogs.shown.size(), 1);
        QVERIFY2(env.dialogs.shown[0].text.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")) &&
                     env.dialogs.shown[0].text.contains(QStringLiteral("größer als 4")),
                 qPrintable(env.dialogs.shown[0].text));
        QCOMPARE(GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("k"), {}), QStringLiteral("1234"));
        // Several entries at once go in whole or not at all.
        saveIniEntries(QStringLiteral("Einstellungen"), {{QStringLiteral("k"), QStringLiteral("9")}, {QStringLiteral("new"), QStringLiteral("x")}});
        QCOMPARE(env.ini(), atLimit);
    }

    // Files within the size limit that are all sections or all keys: the parsed file once held a
    // table per section, 317 MB for the 1.9 MB file below.
    void manySectionsOrKeysStaySmall_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // null: not found
        QByteArray sections, tiny, keys;
        for (int i = 0; i < 100'000; ++i)
            sections += "[Teil" + QByteArray::number(i) + "]\r\nk=v\r\n";
        for (int i = 0; tiny.size() < MaxIniBytes - 16; ++i)
            tiny += "[" + QByteArray::number(i, 36) + "]\n";
        keys = "[Einstellungen]\n";
        for (int i = 0; keys.size() < MaxIniBytes - 16; ++i)
            keys += QByteArray::number(i, 36) + "=\n";
        QTest::newRow("100,000 sections of one key") << sections << "TEIL99999" << "K" << "v";
        QTest::newRow("4 MiB of sections") << tiny << "zz" << "k" << QString();
        QTest::newRow("4 MiB of keys in one section") << keys << "Einstellungen" << "zz" << QStringLiteral("");
    }

    void manySectionsOrKeysStaySmall()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const size_t before = mallinfo2().uordblks;
        const ini::Document document(file);
        const double megabytes = double(mallinfo2().uordblks - before) / 1e6;
        QVERIFY2(megabytes <= 50, qPrintable(QStringLiteral("%1 MB").arg(megabytes)));
        // Still found, in any case of the names.
        const auto found = document.value(section, key);
        QCOMPARE(found.has_value(), !value.isNull());
        QCOMPARE(found.value_or(QString()), value);
    }

    void refusedWriteIsToldOnceAndOldFileStays()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        // A folder where the file should be: nothing can be written there.
        QDir(env.folder()).mkdir(QStringLiteral("Wupple.ini"));
        SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("1"));
        SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
        // Told once; the message itself and the folder kept: tst_hostile_files.
        QCOMPARE(env.dialogs.shown.size(), 1);
        // A file that cannot be replaced is reported with its reason.
        QDir(env.folder()).rmdir(QStringLiteral("Wupple.ini"));
        QDir(env.folder()).mkdir(QStringLiteral("sub"));
        resetIniWriteWarning();
        setProgramFolder(env.path(QStringLiteral("sub/missing")));
        SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("1"));
        QCOMPARE(env.dialogs.shown.size(), 2);
        QVERIFY(env.dialogs.shown[1].text.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")));
    }

    // Another copy of the game, or an editor, rewrites the file in place with the same size: the
    // next read sees the change, and the next write keeps it. (A file replaced by a rename changes
    // more than that.)
    void changedOnDiskIsReadAgain()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("Wupple.ini"), "[S]\r\nk=1\r\n");
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("1"));
        QFile file(env.path(QStringLiteral("Wupple.ini")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime before = file.fileTime(QFileDevice::FileModificationTime);
        file.write("[S]\r\nk=3\r\n");
        QVERIFY(file.setFileTime(before.addSecs(1), QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("3"));
        SaveIni(QStringLiteral("S"), QStringLiteral("j"), QStringLiteral("4"));
        QCOMPARE(env.ini(), QByteArray("[S]\r\nk=3\r\nj=4\r\n"));
    }

    void symbolicLinkIsWrittenThroughOnlyInsideTheFolder_data()
    {
        QTest::addColumn<QString>("target"); // relative to the test's folder; the game's folder is "game"
        QTest::addColumn<bool>("writtenThrough");
        QTest::newRow("file inside") << "game/settings/mine.ini" << true;
        QTest::newRow("file outside") << "elsewhere.ini" << false;
        QTest::newRow("folder beside, named like the game's") << "game-old/mine.ini" << false;
        QTest::newRow("dangling") << "game/gone.ini" << false;
    }

    void symbolicLinkIsWrittenThroughOnlyInsideTheFolder()
    {
        QFETCH(QString, target);
        QFETCH(bool, writtenThrough);
        TestEnvironment env(TestEnvironment::Words::None);
        const QString game = env.path(QStringLiteral("game"));
        QDir().mkpath(game + QStringLiteral("/settings"));
        setProgramFolder(game);
        const QString targetPath = env.path(target);
        if (!target.contains(QStringLiteral("gone")))
            env.writeFile(target, "[S]\r\nk=old\r\n");
        const QString link = game + QStringLiteral("/Wupple.ini");
        QVERIFY(QFile::link(targetPath, link));
        SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
        QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("new"));
        QCOMPARE(QFileInfo(link).isSymLink(), writtenThrough);
        if (writtenThrough)
            QCOMPARE(env.readFile(target), QByteArray("[S]\r\nk=new\r\n"));
        else if (QFileInfo(targetPath).isFile())
            QCOMPARE(env.readFile(target), QByteArray("[S]\r\nk=old\r\n"));
    }
};

QTEST_MAIN(IniStoreTest)
#include "tst_ini_store.moc"
