// The shared helpers: the error report's three answers, the number form, pacing, the program folder.
#include "TestEnvironment.h"
#include "common/ErrorReport.h"
#include "common/MessageBoxes.h"
#include "common/NumberForm.h"
#include "common/Pacing.h"
#include "common/ProgramFolder.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class CommonTest : public QObject {
    Q_OBJECT
private slots:
    void errorReportAnswers_data();
    void errorReportAnswers();
    void numberForm_data();
    void numberForm();
    void pacingKeepsTheOrderAtZero();
    void pacingWaitsAtRealPace();
    void programFolderIsTheProgramsWhenWritable();
    void userFolderIsSeededButNeverOverwritten();
    void messageBoxShowsTextAsItIs();
    void closingABoxAnswers_data();
    void closingABoxAnswers();
};

void CommonTest::errorReportAnswers_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("Abort leaves") << QList<Answer>{Answer::Abort} << 1 << false;
    QTest::newRow("Ignore skips the step") << QList<Answer>{Answer::Ignore} << 1 << true;
    QTest::newRow("Retry repeats it") << QList<Answer>{Answer::Retry, Answer::Retry, Answer::Abort} << 3 << false;
}

void CommonTest::errorReportAnswers()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(int, attempts);
    QFETCH(bool, goesOn);
    TestEnvironment env(TestEnvironment::Words::None);
    for (Answer a : answers)
        env.dialogs.answers.enqueue(a);
    int tries = 0;
    const bool result = step(QStringLiteral("Such_Wort"), [&] {
        ++tries;
        throw RuntimeError(Err::FileNotFound);
    });
    QCOMPARE(result, goesOn);
    QCOMPARE(tries, attempts);
    QCOMPARE(env.dialogs.shown.first().text,
             QStringLiteral("Error 53: Datei nicht gefunden\r\n\t\toccurred at line 0\r\nin Wupple: Such_Wort"));
    QCOMPARE(env.dialogs.shown.first().title, QStringLiteral("Wupple Error"));
    // A retried step that then succeeds goes on.
    env.dialogs.answers.enqueue(Answer::Retry);
    int calls = 0;
    QVERIFY(step(QStringLiteral("x"), [&] {
        if (++calls == 1)
            throw RuntimeError(Err::Overflow);
    }));
    QCOMPARE(calls, 2);
}

void CommonTest::numberForm_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive") << 4 << " 4";
    QTest::newRow("zero") << 0 << " 0";
    QTest::newRow("true") << -1 << "-1";
    QTest::newRow("offset") << 1000 << " 1000";
}

void CommonTest::numberForm()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(::numberForm(value), text);
}

namespace {
QCoro::Task<> record(QStringList& log, QString name, double seconds)
{
    log << name + QStringLiteral(" starts");
    co_await Pacing::Verzoegerung(seconds);
    log << name + QStringLiteral(" ends");
}
} // namespace

void CommonTest::pacingKeepsTheOrderAtZero()
{
    Pacing::setScale(0);
    QStringList log;
    auto a = record(log, QStringLiteral("a"), 1.5);
    auto b = record(log, QStringLiteral("b"), 0.1);
    QCOMPARE(log, (QStringList{"a starts", "b starts"}));
    QElapsedTimer t;
    t.start();
    QCoro::waitFor(a);
    QCoro::waitFor(b);
    QVERIFY(t.elapsed() < 200);
    QCOMPARE(log.size(), 4);
}

void CommonTest::pacingWaitsAtRealPace()
{
    Pacing::setScale(1);
    QElapsedTimer t;
    t.start();
    QCoro::waitFor(Pacing::Verzoegerung(0.1));
    QVERIFY(t.elapsed() >= 99);
    Pacing::setScale(0);
}

void CommonTest::programFolderIsTheProgramsWhenWritable()
{
    QTemporaryDir exe, user;
    QCOMPARE(chooseProgramFolder(exe.path(), user.path()), exe.path());
    // Not a writable folder (here: a folder that does not exist): the user's folder, seeded.
    QCOMPARE(chooseProgramFolder(exe.filePath(QStringLiteral("missing")), user.path()), user.path());
    // An installed copy uses the user's folder even where it could write beside the program.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/wupple/deutsch")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QFile shipped(prefix.filePath(QStringLiteral("share/wupple/deutsch/wupp.dat")));
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.close();
    QCOMPARE(chooseProgramFolder(prefix.filePath(QStringLiteral("bin")), user.path()), user.path());
    QVERIFY(QFile::exists(user.filePath(QStringLiteral("deutsch/wupp.dat"))));
    // A read-only program folder and no writable home: the shipped files are used where they are.
    const auto nothingWritable = [](const QString&) { return false; };
    QCOMPARE(chooseProgramFolder(exe.path(), user.filePath(QStringLiteral("Wupple")), nothingWritable), exe.path());
    QDir(exe.path()).mkpath(QStringLiteral("share/wupple"));
    QDir(exe.path()).mkpath(QStringLiteral("bin"));
    QCOMPARE(chooseProgramFolder(exe.filePath(QStringLiteral("bin")), user.filePath(QStringLiteral("Wupple")), nothingWritable),
             exe.filePath(QStringLiteral("share/wupple")));
}

void CommonTest::messageBoxShowsTextAsItIs()
{
    MessageBoxes boxes;
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        format = box->textFormat();
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    const QString text = QStringLiteral("Datei <font size=7 color=red>x</font>.dat nicht gefunden!");
    QCOMPARE(boxes.message(text, QStringLiteral("Fehler"), Icon::Exclamation, Buttons::OK), Answer::OK);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, text);
}

void CommonTest::userFolderIsSeededButNeverOverwritten()
{
    QTemporaryDir shipped, user;
    QDir(shipped.path()).mkpath(QStringLiteral("deutsch"));
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(shipped.filePath(QStringLiteral("deutsch/wupp.dat")), "Neu\r\n");
    write(shipped.filePath(QStringLiteral("wupple.mid")), "MThd");
    QDir(user.path()).mkpath(QStringLiteral("deutsch"));
    write(user.filePath(QStringLiteral("deutsch/wupp.dat")), "Meine\r\n");
    seedUserFolder(shipped.path(), user.path());
    QFile edited(user.filePath(QStringLiteral("deutsch/wupp.dat")));
    QVERIFY(edited.open(QIODevice::ReadOnly));
    QCOMPARE(edited.readAll(), QByteArray("Meine\r\n"));
    QVERIFY(QFile::exists(user.filePath(QStringLiteral("wupple.mid"))));
}

void CommonTest::closingABoxAnswers_data()
{
    // Closing a question by its title bar must never answer Yes or OK.
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Yes/No answers No") << Buttons::YesNo << Answer::No;
    QTest::newRow("OK/Cancel answers Cancel") << Buttons::OKCancel << Answer::Cancel;
    QTest::newRow("Yes/No/Cancel answers Cancel") << Buttons::YesNoCancel << Answer::Cancel;
}

void CommonTest::closingABoxAnswers()
{
    QFETCH(Buttons, buttons);
    QFETCH(Answer, answer);
    MessageBoxes boxes;
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QCOMPARE(boxes.message(QStringLiteral("?"), QStringLiteral("Wupple"), Icon::Question, buttons), answer);
}

QTEST_MAIN(CommonTest)
#include "tst_common.moc"
