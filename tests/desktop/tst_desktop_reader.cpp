// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of the game, read back over the accessibility bus the way a reader
// reads it: every control on show has a name in the current language, the status line names each
// hit and miss, and the row of the player whose turn it is says so, in German and in Swedish.
#include "Desktop.h"
#include "GameSession.h"
#include "common/MessageBoxes.h"
#include "i18n/Catalogue.h"
#include "i18n/Letters.h"

#include <QApplication>
#include <QProcess>

namespace {
struct Node {
    int depth = 0;
    QString role;
    QString name;
};

// The objects on show in the windows whose title contains `window`, as the reader prints them.
QList<Node> readTree(const QString& window, QString* printed = nullptr)
{
    // On a busy machine the reader's first call on the accessibility bus can time out before the
    // bus answers ("Couldn't register with accessibility bus"); it is asked again, twice at most.
    QString out;
    for (int attempt = 0; attempt < 3 && out.isEmpty(); ++attempt) {
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {qEnvironmentVariable("WUPPLE_TREE_READER"), QString::number(QCoreApplication::applicationPid()), window});
        // The program answers the reader's questions from its event loop, which keeps running here.
        if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 60000)) {
            reader.kill();
            reader.waitForFinished();
            qWarning() << "the reader did not finish";
            return {};
        }
        const QString err = QString::fromUtf8(reader.readAllStandardError());
        if (!err.isEmpty())
            qWarning().noquote() << err;
        out = QString::fromUtf8(reader.readAllStandardOutput());
    }
    if (printed)
        *printed = out;
    QList<Node> nodes;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype indent = line.size() - line.trimmed().size();
        const QStringList parts = line.trimmed().split(QLatin1Char('\t'));
        nodes.push_back({int(indent / 2), parts.value(0), parts.value(1)});
    }
    return nodes;
}

// Roles that only group or decorate others: a reader names the controls inside them.
bool container(const QString& role)
{
    static const QStringList roles = {QStringLiteral("filler"), QStringLiteral("panel"), QStringLiteral("separator"),
                                      QStringLiteral("scroll pane"), QStringLiteral("viewport"),
                                      QStringLiteral("menu bar"), QStringLiteral("layered pane")};
    return roles.contains(role);
}

QStringList unnamed(const QList<Node>& tree)
{
    QStringList found;
    for (const Node& n : tree)
        if (!container(n.role) && n.name.trimmed().isEmpty())
            found << n.role;
    return found;
}

QStringList namesOf(const QList<Node>& tree, const QString& role)
{
    QStringList names;
    for (const Node& n : tree)
        if (n.role == role)
            names << n.name;
    return names;
}

QString statusOf(const QList<Node>& tree)
{
    const QStringList names = namesOf(tree, QStringLiteral("status bar"));
    return names.size() == 1 ? names.front() : QStringLiteral("(%1 status lines)").arg(names.size());
}

bool hasName(const QList<Node>& tree, const QString& name)
{
    for (const Node& n : tree)
        if (n.name == name)
            return true;
    qWarning() << "no object named" << name;
    return false;
}

// A letter of the language that is in the word, and one that is not.
std::pair<QChar, QChar> hitAndMiss(const QString& word)
{
    QChar hit = word.front().toUpper(), miss;
    for (QChar c : letters::current())
        if (!word.toUpper().contains(c)) {
            miss = c;
            break;
        }
    return {hit, miss};
}

// Saves the whole screen when WUPPLE_SHOTS names a folder.
void shot(const QString& name)
{
    const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(300);
    QDir().mkpath(folder);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

const QString players = QStringLiteral("[Einstellungen]\nAnzahl= 2\nSpieler1=Vaduza\nSpieler2=Nils\n");
} // namespace

class DesktopReaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Wupple")); }

    void theBoardIsReadInGermanAndInSwedish()
    {
        GameSession s({QStringLiteral("Puppe")}, players);
        wupp& w = *s.window;
        QVERIFY(desktop::waitFramed(&w));
        s.startGame();
        QString printed;
        QList<Node> tree = readTree(w.windowTitle(), &printed);
        qInfo().noquote() << "German, a word begun:\n" << printed;
        QVERIFY(!tree.isEmpty());
        QCOMPARE(unnamed(tree), QStringList());
        QVERIFY(hasName(tree, QStringLiteral("Buchstabe 3 von 5: leer")));
        QVERIFY(hasName(tree, QStringLiteral("Bild: 0 von 9 Fehlern")));
        QVERIFY(hasName(tree, QStringLiteral("Vaduza, 0 Punkte, du bist dran")));
        QVERIFY(hasName(tree, QStringLiteral("Nils, 0 Punkte")));
        QVERIFY(hasName(tree, QStringLiteral("Spiel starten")));
        QVERIFY(hasName(tree, QStringLiteral("Buchstaben anzeigen")));
        QVERIFY(namesOf(tree, QStringLiteral("push button")).contains(QStringLiteral("Q")));
        shot(QStringLiteral("reader-german"));

        // A hit names the letter and fills the tiles; the turn stays.
        s.click(u'P');
        tree = readTree(w.windowTitle());
        QCOMPARE(statusOf(tree), QStringLiteral("P ist im Wort."));
        QVERIFY(hasName(tree, QStringLiteral("Buchstabe 3 von 5: P")));
        QVERIFY(hasName(tree, QStringLiteral("Vaduza, 0 Punkte, du bist dran")));
        // A miss names the letter and the next player, whose row now says it is their turn.
        s.click(u'X');
        tree = readTree(w.windowTitle());
        QCOMPARE(statusOf(tree), QStringLiteral("X ist nicht im Wort. Nils ist dran."));
        QVERIFY(hasName(tree, QStringLiteral("Bild: 1 von 9 Fehlern")));
        QVERIFY(hasName(tree, QStringLiteral("Nils, 0 Punkte, du bist dran")));
        QVERIFY(hasName(tree, QStringLiteral("Vaduza, 0 Punkte")));

        // Swedish while the game runs: after the question the game starts again in Swedish.
        s.env.dialogs.answers.enqueue(Answer::OK);
        w.menu().mnuLang[2]->trigger();
        s.finish();
        QCOMPARE(g().SprachOffset, 2000);
        const QString word = w.round().word();
        QVERIFY(!word.isEmpty());
        tree = readTree(w.windowTitle(), &printed);
        qInfo().noquote() << "Swedish, a word begun:\n" << printed;
        QCOMPARE(unnamed(tree), QStringList());
        QVERIFY(hasName(tree, QStringLiteral("bokstav 1 av %1: tom").arg(word.size())));
        QVERIFY(hasName(tree, QStringLiteral("bild: 0 av 9 missar")));
        QVERIFY(hasName(tree, QStringLiteral("Vaduza, 0 poäng, din tur")));
        QVERIFY(hasName(tree, QStringLiteral("Starta spelet")));
        shot(QStringLiteral("reader-swedish"));
        const auto [hit, miss] = hitAndMiss(word);
        s.click(hit);
        QCOMPARE(statusOf(readTree(w.windowTitle())), QStringLiteral("%1 finns i ordet.").arg(hit));
        s.click(miss);
        tree = readTree(w.windowTitle());
        QCOMPARE(statusOf(tree), QStringLiteral("%1 finns inte i ordet. Nils är på tur.").arg(miss));
        QVERIFY(hasName(tree, QStringLiteral("Nils, 0 poäng, din tur")));

        // For looking at: the star at the board's design size, and the struck cards of a lost word.
        w.menu().mnuAnpassen->trigger();
        settle(w);
        shot(QStringLiteral("turn-star-scale-1"));
        for (QChar c : letters::current())
            if (w.round().takesGuesses() && !word.toUpper().contains(c) && !w.round().guessed(c))
                s.click(c);
        QVERIFY(!w.round().takesGuesses());
        tree = readTree(w.windowTitle());
        QVERIFY(statusOf(tree).contains(QStringLiteral("Ordet är förlorat.")));
        shot(QStringLiteral("struck-cards"));
    }

    void dialogsAreReadInGermanAndInSwedish()
    {
        GameSession s({QStringLiteral("Puppe")}, players);
        for (int language : {0, 2}) {
            s.window->menu().mnuLang[language]->trigger();
            s.finish();
            Einst& d = s.open();
            QVERIFY(desktop::waitActive(&d));
            QString printed;
            QList<Node> tree = readTree(d.windowTitle(), &printed);
            qInfo().noquote() << "settings dialog" << language << ":\n" << printed;
            QVERIFY(!tree.isEmpty());
            QCOMPARE(unnamed(tree), QStringList());
            d.close();
            s.finish();

            WEdit* editor = s.openEditor();
            QVERIFY(desktop::waitActive(editor));
            tree = readTree(editor->windowTitle(), &printed);
            qInfo().noquote() << "editor" << language << ":\n" << printed;
            QVERIFY(!tree.isEmpty());
            QCOMPARE(unnamed(tree), QStringList());
            editor->close();

            MessageBoxes real;
            for (bool password : {false, true}) {
                QList<Node> box;
                desktop::whenModal(password ? "QInputDialog" : "QMessageBox", [&](QWidget* shown) {
                    if (!shown)
                        return;
                    box = readTree(shown->windowTitle(), &printed);
                    static_cast<QDialog*>(shown)->reject();
                });
                if (password)
                    real.input(LoadText(161), QStringLiteral("Wupple"), true);
                else
                    real.message(LoadText(143), QStringLiteral("Wupple"), Icon::Question, Buttons::YesNo);
                qInfo().noquote() << (password ? "password box" : "message box") << language << ":\n" << printed;
                QVERIFY(!box.isEmpty());
                QCOMPARE(unnamed(box), QStringList());
            }
        }
    }
};

QTEST_MAIN(DesktopReaderTest)
#include "tst_desktop_reader.moc"
