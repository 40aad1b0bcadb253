// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared helpers. Pacing at real speed is checked by the game's waits (tst_waits), the number
// form by the settings file's bytes (tst_settings_value, tst_einst).
#include "TestEnvironment.h"
#include "common/ErrorReport.h"
#include "common/MessageBoxes.h"
#include "common/Pacing.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/Windows1252.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QCoro::Task<> record(QStringList& log, QString name, double seconds)
{
    log << name + QStringLiteral(" starts");
    co_await Pacing::Verzoegerung(seconds);
    log << name + QStringLiteral(" ends");
}
} // namespace

class CommonTest : public QObject {
    Q_OBJECT
private slots:
    void errorReportAnswers_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("failures"); // of the step before it succeeds
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("Abort leaves") << QList<Answer>{Answer::Abort} << 9 << 1 << false;
        QTest::newRow("Ignore skips the step") << QList<Answer>{Answer::Ignore} << 9 << 1 << true;
        QTest::newRow("Retry repeats it") << QList<Answer>{Answer::Retry, Answer::Retry, Answer::Abort} << 9 << 3 << false;
        QTest::newRow("a retried step that succeeds goes on") << QList<Answer>{Answer::Retry} << 1 << 2 << true;
    }

    void errorReportAnswers()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(int, failures);
        QFETCH(int, attempts);
        QFETCH(bool, goesOn);
        TestEnvironment env(TestEnvironment::Words::None);
        for (Answer a : answers)
            env.dialogs.answers.enqueue(a);
        int tries = 0;
        const bool result = step(QStringLiteral("Such_Wort"), [&] {
            if (++tries <= failures)
                throw RuntimeError(Err::FileNotFound);
        });
        QCOMPARE(result, goesOn);
        QCOMPARE(tries, attempts);
        QCOMPARE(env.dialogs.shown.first().text,
                 QStringLiteral("Error 53: Datei nicht gefunden\r\n\t\toccurred at line 0\r\nin Wupple: Such_Wort"));
        QCOMPARE(env.dialogs.shown.first().title, QStringLiteral("Wupple Error"));
        QCOMPARE(env.dialogs.shown.first().icon, Icon::Exclamation);
        QCOMPARE(env.dialogs.shown.first().buttons, Buttons::AbortRetryIgnore);
    }

    void pacingKeepsTheOrderAtZero()
    {
        Pacing::setScale(0);
        QStringList log;
        auto a = record(log, QStringLiteral("a"), 1.5);
        auto b = record(log, QStringLiteral("b"), 0.1);
        QCOMPARE(log, (QStringList{"a starts", "b starts"}));
        QCoro::waitFor(a);
        QCoro::waitFor(b);
        QCOMPARE(log.size(), 4);
    }

    // A file longer than it looked when it was opened (a /proc file says 0 bytes) is read on, but
    // never past the limit.
    void fileGrownSinceItsSizeWasSeenIsReadUpToTheLimit()
    {
        const QString path = QStringLiteral("/proc/self/status");
        const FileRead whole = readRegularFile(path, 1 << 20);
        QCOMPARE(whole.check, FileCheck::Ok);
        QVERIFY(whole.bytes.startsWith("Name:") && whole.bytes.contains("VmRSS"));
        const FileRead capped = readRegularFile(path, 10);
        QCOMPARE(capped.check, FileCheck::TooLarge);
        QVERIFY(capped.bytes.isEmpty());
    }

    // A save replaces the file whole and keeps what the user set on it; a failed one leaves
    // neither a changed file nor a temporary one.
    void saveKeepsPermissionsAndLeavesNothingBehind()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wupp.dat"));
        QVERIFY(saveWhole(path, "Ball\r\n").ok);
        // A new file as any other program makes it, readable by others unless the umask says no.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0666 & ~mask);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        QVERIFY(saveWhole(path, "Baum\r\n").ok);
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
        const auto contents = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QCOMPARE(contents(), QByteArray("Baum\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"wupp.dat"});

        const SaveResult missing = saveWhole(dir.filePath(QStringLiteral("gone/wupp.dat")), "x");
        QVERIFY(!missing.ok && !missing.diskFull && !missing.reason.isEmpty());
        if (::geteuid() != 0) { // root may write anything
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0440), 0);
            QVERIFY(!saveWhole(path, "Auto\r\n").ok);
            QCOMPARE(contents(), QByteArray("Baum\r\n"));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"wupp.dat"});
    }

    void programFolderIsTheProgramsWhenWritable()
    {
        QTemporaryDir exe, user;
        QCOMPARE(chooseProgramFolder(exe.path(), user.path()), exe.path());
        // Not a writable folder (here: a folder that does not exist): the user's folder. An installed
        // copy and its seeded user folder: tests/install/first_start.sh.
        QCOMPARE(chooseProgramFolder(exe.filePath(QStringLiteral("missing")), user.path()), user.path());
        // A read-only program folder and no writable home: the shipped files are used where they are.
        const auto nothingWritable = [](const QString&) { return false; };
        QCOMPARE(chooseProgramFolder(exe.path(), user.filePath(QStringLiteral("Wupple")), nothingWritable), exe.path());
        QVERIFY(QDir(exe.path()).mkpath(QStringLiteral("share/wupple/deutsch")) && QDir(exe.path()).mkpath(QStringLiteral("bin")));
        QCOMPARE(chooseProgramFolder(exe.filePath(QStringLiteral("bin")), user.filePath(QStringLiteral("Wupple")), nothingWritable),
                 exe.filePath(QStringLiteral("share/wupple")));

        // Seeding copies what is missing and never overwrites a list the user edited.
        QVERIFY(QDir(user.path()).mkpath(QStringLiteral("deutsch")));
        for (const char* file : {"share/wupple/wupple.mid", "share/wupple/deutsch/wupp.dat"})
            QVERIFY(QFile(exe.filePath(QString::fromLatin1(file))).open(QIODevice::WriteOnly));
        QFile edited(user.filePath(QStringLiteral("deutsch/wupp.dat")));
        QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write("Meine\r\n") == 7);
        edited.close();
        seedUserFolder(exe.filePath(QStringLiteral("share/wupple")), user.path());
        QVERIFY(edited.open(QIODevice::ReadOnly));
        QCOMPARE(edited.readAll(), QByteArray("Meine\r\n"));
        QVERIFY(QFile::exists(user.filePath(QStringLiteral("wupple.mid"))));
    }

    void closingABoxAnswers_data()
    {
        // Closing a question by its title bar must never answer Yes or OK.
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("click");
        QTest::addColumn<Answer>("answer");
        const auto closed = QMessageBox::NoButton;
        QTest::newRow("Yes/No closed answers No") << Buttons::YesNo << closed << Answer::No;
        QTest::newRow("OK/Cancel closed answers Cancel") << Buttons::OKCancel << closed << Answer::Cancel;
        QTest::newRow("Yes/No/Cancel closed answers Cancel") << Buttons::YesNoCancel << closed << Answer::Cancel;
        QTest::newRow("Yes clicked") << Buttons::YesNo << QMessageBox::Yes << Answer::Yes;
    }

    void closingABoxAnswers()
    {
        QFETCH(Buttons, buttons);
        QFETCH(QMessageBox::StandardButton, click);
        QFETCH(Answer, answer);
        MessageBoxes boxes;
        QString shown;
        Qt::TextFormat format = Qt::RichText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                format = box->textFormat();
                shown = box->text();
                icon = box->icon();
                if (click == QMessageBox::NoButton)
                    box->close();
                else
                    box->button(click)->click();
            }
        });
        const QString text = QStringLiteral("Datei <font size=7 color=red>x</font>.dat?");
        QCOMPARE(boxes.message(text, QStringLiteral("Wupple"), Icon::Exclamation, buttons), answer);
        // The text is shown as it is, never read as markup, beside the warning sign.
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
        QCOMPARE(icon, QMessageBox::Warning);
    }

    // The settings file and the word lists read and write exactly as through the system's
    // converter: every byte, and every character of the Basic Multilingual Plane.
    void codePageAsTheSystemConverter()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += char(b);
        QStringDecoder decoder("windows-1252");
        QCOMPARE(fromWindows1252(bytes), QString(decoder(bytes)));
        QCOMPARE(toWindows1252(fromWindows1252(bytes)), bytes);
        QStringEncoder encoder("windows-1252");
        for (char16_t u = 0x80; u != 0; ++u) {
            if (QChar::isSurrogate(u))
                continue;
            const QChar c(u);
            const QByteArray system = encoder(QStringView(&c, 1));
            const QByteArray expected = system.size() == 1 && system[0] != '\x1a' ? system : QByteArray("?");
            QCOMPARE(toWindows1252(QString(c)), expected);
            if (encoder.hasError())
                encoder = QStringEncoder("windows-1252");
        }
        // A pair of surrogates (no code page character) is one question mark.
        QCOMPARE(toWindows1252(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    }
};

QTEST_MAIN(CommonTest)
#include "tst_common.moc"
