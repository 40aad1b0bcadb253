// The settings file: how entries are found, read, cut and written, on real files.
#include "TestEnvironment.h"
#include "settings/IniFile.h"
#include "settings/IniStore.h"
#include "common/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <cstdio>

#include <QTest>

class IniStoreTest : public QObject {
    Q_OBJECT
private slots:
    void readsStrings_data();
    void readsStrings();
    void readsNumbers_data();
    void readsNumbers();
    void numberBeyondSixteenBitsIsOverflowWithResultZero();
    void writesKeepEveryOtherLine_data();
    void writesKeepEveryOtherLine();
    void firstWriteCreatesFileAndSection();
    void windows1252RoundTrip();
    void badFilesNeitherCrashNorHang();
    void refusedWriteIsToldOnceAndOldFileStays();
    void changedOnDiskIsReadAgain_data();
    void changedOnDiskIsReadAgain();
    void symbolicLinkIsWrittenThroughOnlyInsideTheFolder_data();
    void symbolicLinkIsWrittenThroughOnlyInsideTheFolder();
};

void IniStoreTest::readsStrings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString def = QStringLiteral("<default>");
    QTest::newRow("plain") << QByteArray("[S]\r\nk=value\r\n") << "S" << "k" << "value";
    QTest::newRow("names ignore case") << QByteArray("[einstellungen]\r\nSPIELER1=Tim\r\n") << "Einstellungen" << "Spieler1" << "Tim";
    QTest::newRow("blanks around") << QByteArray("[S]\r\n  k  =   two words  \r\n") << "S" << "k" << "two words";
    QTest::newRow("enclosing quotes dropped") << QByteArray("[S]\r\nk=\"quoted\"\r\n") << "S" << "k" << "quoted";
    QTest::newRow("single quotes too") << QByteArray("[S]\r\nk='x'\r\n") << "S" << "k" << "x";
    QTest::newRow("one quote stays") << QByteArray("[S]\r\nk=\"open\r\n") << "S" << "k" << "\"open";
    QTest::newRow("missing key") << QByteArray("[S]\r\nother=1\r\n") << "S" << "k" << def;
    QTest::newRow("missing section") << QByteArray("[T]\r\nk=1\r\n") << "S" << "k" << def;
    QTest::newRow("key of another section") << QByteArray("[T]\r\nk=1\r\n[S]\r\n") << "S" << "k" << def;
    QTest::newRow("first of repeated sections") << QByteArray("[S]\r\nk=1\r\n[S]\r\nk=2\r\n") << "S" << "k" << "1";
    QTest::newRow("LF only") << QByteArray("[S]\nk=v\n") << "S" << "k" << "v";
    QTest::newRow("line without =") << QByteArray("[S]\r\nk\r\nk=v\r\n") << "S" << "k" << "v";
    QTest::newRow("NUL cuts the value") << QByteArray("[S]\r\nk=ab\0cd\r\n", 14) << "S" << "k" << "ab";
    QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << "S" << "k" << "";
    QTest::newRow("Windows-1252") << QByteArray("[S]\r\nk=J\xfcrgen \x80\r\n") << "S" << "k" << QString::fromUtf8("Jürgen €");
    QTest::newRow("cut to 254") << ("[S]\r\nk=" + QByteArray(300, 'x') + "\r\n") << "S" << "k" << QString(254, u'x');
    QTest::newRow("UTF-8 mark before the first section") << QByteArray("\xef\xbb\xbf[S]\r\nk=v\r\n") << "S" << "k" << "v";
}

void IniStoreTest::readsStrings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("Wupple.ini"), file);
    QCOMPARE(GetIniString(section, key, QStringLiteral("<default>")), expected);
}

void IniStoreTest::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("leading blank") << QByteArray(" 2") << 2;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("text") << QByteArray("abc") << 0;
    QTest::newRow("number then text") << QByteArray("12abc") << 12;
    QTest::newRow("limit") << QByteArray("32767") << 32767;
    QTest::newRow("lower limit") << QByteArray("-32768") << -32768;
}

void IniStoreTest::readsNumbers()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("Wupple.ini"), "[Einstellungen]\r\nAnzahl=" + value + "\r\n");
    QCOMPARE(int(GetIniInt(QStringLiteral("Einstellungen"), QStringLiteral("Anzahl"), 4)), expected);
    QCOMPARE(int(GetIniInt(QStringLiteral("Einstellungen"), QStringLiteral("Missing"), 4)), 4);
    QVERIFY(env.dialogs.shown.isEmpty());
}

void IniStoreTest::numberBeyondSixteenBitsIsOverflowWithResultZero()
{
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeIni(QStringLiteral("[Window]\nLeft= 40000\nTop=99999999999999999999\n[Einstellungen]\nSpieler1=99999\n"));
    QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Left"), 5)), 0);
    QCOMPARE(env.dialogs.shown.size(), 1);
    const auto box = env.dialogs.shown[0];
    // One report names the file and every key out of range (names are never read as numbers).
    QCOMPARE(box.text, QStringLiteral("Error 6: Überlauf (%1: [Window] Left, [Window] Top)\r\n\t\toccurred at line 0\r\nin Wupple: GetIniInt")
                           .arg(QDir::toNativeSeparators(env.path(QStringLiteral("Wupple.ini")))));
    QCOMPARE(box.title, QStringLiteral("Wupple Error"));
    QCOMPARE(box.buttons, Buttons::AbortRetryIgnore);
    QCOMPARE(box.icon, Icon::Exclamation);
    QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Top"), 5)), 0);
    QCOMPARE(env.dialogs.shown.size(), 1);
    // The file changed on disk is reported anew; Retry reads it again and reports again.
    env.writeIni(QStringLiteral("[Window]\nTop= 70000\n"));
    env.dialogs.answers.enqueue(Answer::Retry);
    QCOMPARE(int(GetIniInt(QStringLiteral("Window"), QStringLiteral("Top"), 5)), 0);
    QCOMPARE(env.dialogs.shown.size(), 3);
}

void IniStoreTest::writesKeepEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replace in place") << QByteArray("; note\r\n[Einstellungen]\r\nanzahl= 2\r\nTipps= 1\r\n[Other]\r\nx=y\r\n")
                                      << QByteArray("; note\r\n[Einstellungen]\r\nAnzahl= 3\r\nTipps= 1\r\n[Other]\r\nx=y\r\n");
    QTest::newRow("new key ends its section") << QByteArray("[Einstellungen]\r\nTipps= 1\r\n\r\n[Other]\r\nx=y\r\n")
                                              << QByteArray("[Einstellungen]\r\nTipps= 1\r\nAnzahl= 3\r\n\r\n[Other]\r\nx=y\r\n");
    QTest::newRow("new section at the end") << QByteArray("[Other]\r\nx=y")
                                            << QByteArray("[Other]\r\nx=y\r\n[Einstellungen]\r\nAnzahl= 3\r\n");
    QTest::newRow("LF lines and garbage kept") << QByteArray("garbage\n\xff\xfe\n[einstellungen]\nAnzahl=9\n")
                                               << QByteArray("garbage\n\xff\xfe\n[einstellungen]\nAnzahl= 3\n");
    QTest::newRow("UTF-8 mark kept, its section found") << QByteArray("\xef\xbb\xbf[Einstellungen]\r\nAnzahl= 2\r\n")
                                                        << QByteArray("\xef\xbb\xbf[Einstellungen]\r\nAnzahl= 3\r\n");
}

void IniStoreTest::writesKeepEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("Wupple.ini"), before);
    SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Anzahl"), QStringLiteral(" 3"));
    QCOMPARE(env.ini(), after);
}

void IniStoreTest::firstWriteCreatesFileAndSection()
{
    TestEnvironment env(TestEnvironment::Words::None);
    SaveIni(QStringLiteral("Optionen"), QStringLiteral("Sprache"), QStringLiteral(" 1000"));
    SaveIni(QStringLiteral("Window"), QStringLiteral("Status"), QStringLiteral(" 2"));
    QCOMPARE(env.ini(), QByteArray("[Optionen]\r\nSprache= 1000\r\n[Window]\r\nStatus= 2\r\n"));
    QCOMPARE(int(GetIniInt(QStringLiteral("optionen"), QStringLiteral("SPRACHE"), 0)), 1000);
}

void IniStoreTest::windows1252RoundTrip()
{
    TestEnvironment env(TestEnvironment::Words::None);
    const QString name = QString::fromUtf8("Jörg Ærø €");
    SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Spieler1"), name);
    QVERIFY(env.ini().contains("Spieler1=J\xf6rg \xc6r\xf8 \x80\r\n"));
    QCOMPARE(GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("Spieler1"), {}), name);
    // A line break in a value cannot split the entry.
    SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Spieler2"), QStringLiteral("a\r\nb"));
    QCOMPARE(GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("Spieler2"), {}), QStringLiteral("a  b"));
}

void IniStoreTest::badFilesNeitherCrashNorHang()
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

void IniStoreTest::refusedWriteIsToldOnceAndOldFileStays()
{
    TestEnvironment env(TestEnvironment::Words::None);
    // A folder where the file should be: nothing can be written there.
    QDir(env.folder()).mkdir(QStringLiteral("Wupple.ini"));
    SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("1"));
    SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
    QCOMPARE(env.dialogs.shown.size(), 1);
    QCOMPARE(env.dialogs.shown[0].text,
             QDir::toNativeSeparators(env.path(QStringLiteral("Wupple.ini"))) +
                 QStringLiteral(" ist keine gewöhnliche Datei und wird weder gelesen noch überschrieben."));
    QVERIFY(QFileInfo(env.path(QStringLiteral("Wupple.ini"))).isDir());
    // A file that cannot be replaced is reported with its reason.
    QDir(env.folder()).rmdir(QStringLiteral("Wupple.ini"));
    QDir(env.folder()).mkdir(QStringLiteral("sub"));
    resetIniWriteWarning();
    setProgramFolder(env.path(QStringLiteral("sub/missing")));
    SaveIni(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("1"));
    QCOMPARE(env.dialogs.shown.size(), 2);
    QVERIFY(env.dialogs.shown[1].text.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")));
}

void IniStoreTest::changedOnDiskIsReadAgain_data()
{
    QTest::addColumn<bool>("byRename");
    QTest::newRow("rewritten in place, same size") << false;
    QTest::newRow("replaced by a rename") << true;
}

void IniStoreTest::changedOnDiskIsReadAgain()
{
    QFETCH(bool, byRename);
    TestEnvironment env(TestEnvironment::Words::None);
    const QString ini = env.path(QStringLiteral("Wupple.ini"));
    env.writeFile(QStringLiteral("Wupple.ini"), "[S]\r\nk=1\r\n");
    QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("1"));
    // Another copy of the game, or an editor, changes the file: the next read sees the change.
    if (byRename) {
        env.writeFile(QStringLiteral("new.ini"), "[S]\r\nk=2\r\n");
        QVERIFY(::rename(QFile::encodeName(env.path(QStringLiteral("new.ini"))), QFile::encodeName(ini)) == 0);
    } else {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime before = file.fileTime(QFileDevice::FileModificationTime);
        file.write("[S]\r\nk=3\r\n");
        QVERIFY(file.setFileTime(before.addSecs(1), QFileDevice::FileModificationTime));
    }
    QCOMPARE(GetIniString(QStringLiteral("S"), QStringLiteral("k"), {}), QString::fromLatin1(byRename ? "2" : "3"));
    SaveIni(QStringLiteral("S"), QStringLiteral("j"), QStringLiteral("4"));
    QCOMPARE(env.ini(), QByteArray(byRename ? "[S]\r\nk=2\r\nj=4\r\n" : "[S]\r\nk=3\r\nj=4\r\n"));
}

void IniStoreTest::symbolicLinkIsWrittenThroughOnlyInsideTheFolder_data()
{
    QTest::addColumn<QString>("target"); // relative to the test's folder; the game's folder is "game"
    QTest::addColumn<bool>("writtenThrough");
    QTest::newRow("file inside") << "game/settings/mine.ini" << true;
    QTest::newRow("file outside") << "elsewhere.ini" << false;
    QTest::newRow("dangling") << "game/gone.ini" << false;
}

void IniStoreTest::symbolicLinkIsWrittenThroughOnlyInsideTheFolder()
{
    QFETCH(QString, target);
    QFETCH(bool, writtenThrough);
    TestEnvironment env(TestEnvironment::Words::None);
    const QString game = env.path(QStringLiteral("game"));
    QDir().mkpath(game + QStringLiteral("/settings"));
    setProgramFolder(game);
    const QString targetPath = target.startsWith(u'/') ? target : env.path(target);
    if (!target.contains(QStringLiteral("gone")) && !target.startsWith(u'/'))
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

QTEST_MAIN(IniStoreTest)
#include "tst_ini_store.moc"
