// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scrambling the settings password and what the settings file can hold of it.
#include "settings/IniFile.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "TestEnvironment.h"

#include <QTest>

class PasswordCoreTest : public QObject {
    Q_OBJECT
private slots:
    // Every password the check lets through comes back from the file as it was typed. A PIN with 4
    // as its second digit scrambles to a 0x1A ('4' XOR '.').
    void storablePasswordsRoundTripThroughTheFile()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        for (const char* typed : {"a", "geheim", "Lehrerin2024", "Größe", "x y z", "a!b?c", "Hund&Katze", "0123456789",
                                  "2468", "1492", "0451"}) {
            const QString password = QString::fromUtf8(typed);
            QVERIFY2(passwordIsStorable(password), typed);
            QString scrambled = password;
            Encrypt(scrambled, PasswordKey);
            QVERIFY2(scrambled.size() == password.size() && scrambled != password, typed);
            SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("passw"), scrambled);
            QString back = GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("passw"), {});
            Encrypt(back, PasswordKey);
            QCOMPARE(back, password);
        }
    }

    void knownScrambles_data()
    {
        // What every copy of the program has stored for these passwords, byte for byte.
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("abc") << "abc" << QByteArray::fromHex("564c53");
        QTest::newRow("Geheim1") << "Geheim1" << QByteArray::fromHex("704b58535e4301");
        QTest::newRow("umlaut") << QString::fromUtf8("Äpfel") << QByteArray::fromHex("f35e56535b");
        QTest::newRow("the key itself") << "7.06" << QByteArray::fromHex("00000000");
    }

    void knownScrambles()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, stored);
        QString scrambled = password;
        Encrypt(scrambled, PasswordKey);
        QCOMPARE(ini::encode(scrambled).toHex(), stored.toHex());
    }

    void unstorablePasswordsAreRecognised()
    {
        // '7' XOR '7' is code 0; ' ' at either end is lost by the reader; '"'.. '"' would lose quotes.
        const QString quoted = QString(QChar(u'"' ^ u'7')) + u'x' + QChar(u'"' ^ u'0');
        for (const QString& password : {QStringLiteral("7"), QString(QChar(u'7' ^ u' ')), QString::fromUtf8("пароль"), quoted})
            QVERIFY2(!passwordIsStorable(password), qPrintable(password));
    }
};

QTEST_MAIN(PasswordCoreTest)
#include "tst_password_core.moc"
