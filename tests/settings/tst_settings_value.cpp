// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings value and its store on a real settings file, without any window.
#include "common/Allgemein.h"
#include "common/ProgramFolder.h"
#include "settings/SettingsValue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SettingsValueTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        setProgramFolder(m_folder.path());
        QFile::remove(m_folder.filePath(QStringLiteral("Wupple.ini")));
        resetAllgemein();
    }

    // A file, and what each setting must be after loading, in the global record or in the value
    // returned; every setting not named keeps its default.
    void loads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QByteArray e = "[Einstellungen]\r\n";
        const QByteArray o = "[Optionen]\r\n";
        QTest::newRow("no file: players") << QByteArray() << "players" << "4";
        QTest::newRow("no file: hints") << QByteArray() << "hints" << "3";
        QTest::newRow("no file: motif") << QByteArray() << "motif" << "1";
        QTest::newRow("no file: unguessed only") << QByteArray() << "repeat" << "0";
        QTest::newRow("no file: solution shown") << QByteArray() << "solution" << "1";
        QTest::newRow("no file: sound, music, fit") << QByteArray() << "switches" << "111";
        QTest::newRow("no file: design names") << QByteArray() << "names" << "Vivur,Vaduza,Viredaz,Doreru";
        QTest::newRow("players clamped high") << e + "Anzahl=9\r\n" << "players" << "4";
        QTest::newRow("players clamped low") << e + "Anzahl=0\r\n" << "players" << "1";
        QTest::newRow("hints clamped") << e + "Tipps=-2\r\n" << "hints" << "0";
        QTest::newRow("motif clamped") << e + "Motiv=7\r\n" << "motif" << "3";
        QTest::newRow("all words again") << e + "Wiederholung=-1\r\n" << "repeat" << "1";
        QTest::newRow("any other rule: unguessed") << e + "Wiederholung=5\r\n" << "repeat" << "0";
        QTest::newRow("solution off") << e + "Anzeige=0\r\n" << "solution" << "0";
        QTest::newRow("switches off") << e + "Sound=0\r\nMusic=0\r\n" + o + "Anpassen=0\r\n" << "switches" << "000";
        QTest::newRow("stored names, unset ones keep the design")
            << e + "Spieler1=  Tim \r\nSpieler3=Spieler 3\r\nSpieler4=Spieler 5\r\n" << "names"
            << "Tim,Vaduza,Viredaz,Spieler 5";
        QTest::newRow("word file per language") << e + "Datei0=tiere.dat\r\nDatei2000=djur.dat\r\n" << "files"
                                                << "tiere.dat,,djur.dat,";
        QTest::newRow("language") << o + "Sprache=1000\r\n" << "language" << "1000";
    }

    void loads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFile ini(m_folder.filePath(QStringLiteral("Wupple.ini")));
        QVERIFY(file.isEmpty() || (ini.open(QIODevice::WriteOnly) && ini.write(file) == file.size()));
        ini.close();
        const Settings s = loadSettings();
        auto bit = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
        QStringList files;
        for (int offset : {0, 1000, 2000, 3000})
            files << loadWordFile(offset);
        const QHash<QString, QString> got{
            {"players", QString::number(g().AnzahlSpieler)},
            {"hints", QString::number(g().AnzahlTipps)},
            {"motif", QString::number(g().MotivNr)},
            {"repeat", bit(s.allWordsRepeated)},
            {"solution", bit(s.showSolution)},
            {"switches", bit(g().SoundAn) + bit(g().MusikAn) + bit(s.fitBoard)},
            {"names", QStringList(s.names.begin(), s.names.end()).join(u',')},
            {"files", files.join(u',')},
            {"language", QString::number(g().SprachOffset)}};
        QVERIFY2(got.contains(field), qPrintable(field));
        QCOMPARE(got.value(field), expected);
    }

    void savedValueLoadsBack()
    {
        Settings s;
        g().AnzahlSpieler = 2;
        g().AnzahlTipps = 0;
        s.names = {QStringLiteral("Tim"), QStringLiteral("Jürgen"), QStringLiteral("C"), QStringLiteral("D")};
        s.allWordsRepeated = false;
        s.showSolution = false;
        g().MotivNr = 3;
        g().SprachOffset = 2000;
        g().WortDatei = QStringLiteral("djur.dat");
        saveDialogSettings(s);
        // A new file holds the dialog's entries in the order it writes them.
        QFile ini(m_folder.filePath(QStringLiteral("Wupple.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), QByteArray("[Einstellungen]\r\nAnzahl= 2\r\nAnzeige= 0\r\nWiederholung= 0\r\nTipps= 0\r\n"
                                           "Spieler1=Tim\r\nSpieler2=J\xfcrgen\r\nSpieler3=C\r\nSpieler4=D\r\n"
                                           "Datei2000=djur.dat\r\nMotiv= 3\r\n"));
        // The language is the language menu's entry, not the dialog's.
        resetAllgemein();
        QCOMPARE(loadSettings(), s);
        QCOMPARE(g().SprachOffset, 0);
        QCOMPARE(g().AnzahlSpieler, 2);
        QCOMPARE(g().AnzahlTipps, 0);
        QCOMPARE(g().MotivNr, 3);
        QCOMPARE(loadWordFile(2000), QStringLiteral("djur.dat"));

    }

    void storedNames_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("unset");
        QTest::newRow("default") << "Spieler 3" << "Spieler 3" << true;
        QTest::newRow("ninth is 5") << "Spieler 5" << "Spieler 5" << false;
        QTest::newRow("cut to 25") << QString(30, u'x') << QString(25, u'x') << false;
        QTest::newRow("blanks trimmed after the cut") << (QString(24, u' ') + QStringLiteral("ab")) << "a" << false;
        QTest::newRow("any ninth digit 1..4") << "Annabell1" << "Annabell1" << true;
    }

    void storedNames()
    {
        QFETCH(QString, raw);
        QFETCH(QString, name);
        QFETCH(bool, unset);
        QCOMPARE(storedName(raw), name);
        QCOMPARE(nameIsUnset(storedName(raw)), unset);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(SettingsValueTest)
#include "tst_settings_value.moc"
