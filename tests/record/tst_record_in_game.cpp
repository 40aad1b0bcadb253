// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record as a child's play fills it: every word that ends is kept with its letters, the file
// waits for the first end, a file the game cannot use is told once, tricky words come back
// when the option asks for it, and the progress window stays behind the password.
#include "GameSession.h"
#include "RecordTestData.h"
#include "i18n/RecordTexts.h"
#include "record/ProgressWindow.h"
#include "record/RecordStore.h"
#include "settings/Password.h"

#include <QTableWidget>

using namespace record;

class RecordInGameTest : public QObject {
    Q_OBJECT
private slots:
    void everyWordThatEndsIsKept();
    void badFileIsToldOnceAndPlayGoesOn();
    void trickyWordComesBackInEveryThirdDraw_data();
    void trickyWordComesBackInEveryThirdDraw();
    void progressWindowIsBehindThePassword();
};

namespace {
QString db(const GameSession& game) { return game.env.path(QStringLiteral("Wupple.db")); }

void flush(GameSession& game)
{
    game.window->records().store()->flush();
    QCoreApplication::processEvents();
}
} // namespace

void RecordInGameTest::everyWordThatEndsIsKept()
{
    GameSession game({QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\nSpieler1=Anna\nSpieler2=Ben\n"));
    game.startGame();
    // Nothing is opened before a word has ended.
    QVERIFY(!QFileInfo::exists(db(game)));
    game.typeText(QStringLiteral("EHAUS")); // Anna misses, Ben solves
    flush(game); // the file is made on the writing thread
    QVERIFY(QFileInfo::exists(db(game)));
    game.next();
    game.typeText(QStringLiteral("BCDFGIJKL")); // nine misses
    game.next();
    game.typeText(QStringLiteral("HX"));
    game.env.dialogs.answers << Answer::Yes;
    game.startGame(); // a new game leaves the word behind
    flush(game);

    const QString path = db(game);
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM words"), 3);
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM words WHERE outcome = 0 AND solver = 'Ben' AND misses = 1"
                                     " AND word = 'HAUS' AND list_file = 'wupp.dat' AND language = 0 AND player_count = 2"),
             1);
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM words WHERE outcome = 1 AND misses = 9 AND solver = ''"), 1);
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM words WHERE outcome = 2 AND misses = 1 AND tried = 2"), 1);
    // The letters in the order tried, with who tried them: E by Anna, then Ben's turn.
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM letters l JOIN words w ON w.id = l.word_id WHERE w.outcome = 0"
                                     " AND ((l.seq = 1 AND l.letter = 'E' AND l.hit = 0 AND l.player = 'Anna')"
                                     "   OR (l.seq = 5 AND l.letter = 'S' AND l.hit = 1 AND l.player = 'Ben'))"),
             2);
    QCOMPARE(recordtest::count(path, "SELECT count(*) FROM letters"), 5 + 9 + 2);
}

void RecordInGameTest::badFileIsToldOnceAndPlayGoesOn()
{
    GameSession game({QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"), GameSession::Window::None);
    QVERIFY(QDir().mkpath(db(game)));
    game.start();
    game.startGame();
    for (int word = 0; word < 3; ++word) {
        game.typeText(QStringLiteral("HAUS"));
        flush(game);
        game.next();
    }
    const QString told = recordText(RecordText::RecordingOff).arg(QDir::toNativeSeparators(db(game)));
    QStringList about;
    for (const QString& text : game.env.dialogs.texts())
        if (text.startsWith(told.left(told.indexOf(QStringLiteral("%2")))))
            about << text;
    QCOMPARE(about.size(), 1);
    QVERIFY(game.window->records().store()->isOff());
    // The game went on: the next word stands.
    QCOMPARE(game.board(), QStringLiteral("____"));
}

void RecordInGameTest::trickyWordComesBackInEveryThirdDraw_data()
{
    QTest::addColumn<bool>("practise");
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("thirdWord");
    QTest::newRow("off: the draw as always") << false << 1 << "BALL";
    QTest::newRow("on, one player") << true << 1 << "HAUS";
    QTest::newRow("on, two players") << true << 2 << "BALL";
}

void RecordInGameTest::trickyWordComesBackInEveryThirdDraw()
{
    QFETCH(bool, practise);
    QFETCH(int, players);
    QFETCH(QString, thirdWord);
    GameSession game({QStringLiteral("Ball"), QStringLiteral("Haus"), QStringLiteral("Maus")},
                     QStringLiteral("[Einstellungen]\nAnzahl= %1\nWiederholung=-1\nSpieler1=Anna\nUeben=%2\n")
                         .arg(players)
                         .arg(practise ? -1 : 0),
                     GameSession::Window::None);
    {
        RecordStore store(db(game));
        store.record(recordtest::word("HAUS", Outcome::Lost, {"Anna"}, "X-Q-Y-W-V-J-C-D-F-",
                                      QDateTime::currentDateTime().addDays(-2)));
        store.flush();
    }
    game.start();
    // The generator always gives 0: the first word of the pool, unless a tricky one comes.
    QStringList drawn;
    game.startGame();
    for (int draw = 0; draw < 4; ++draw) {
        drawn << game.window->round().word();
        game.typeText(game.window->round().word());
        game.next();
    }
    QCOMPARE(drawn, (QStringList{"BALL", "BALL", thirdWord, "BALL"}));
}

void RecordInGameTest::progressWindowIsBehindThePassword()
{
    QString scrambled = QStringLiteral("geheim");
    Encrypt(scrambled, PasswordKey);
    GameSession game({QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\nSpieler1=Anna\npassw=") + scrambled + "\n");
    game.startGame();
    game.typeText(QStringLiteral("HAUS"));
    flush(game);
    ProgressWindow::setChartFolder(qEnvironmentVariable("WUPPLE_RUNTIME_DIR"));

    game.env.dialogs.inputs << QStringLiteral("falsch");
    game.window->menu().mnuProgress->trigger();
    QVERIFY(!game.window->records().progressWindow());

    game.env.dialogs.inputs << QStringLiteral("geheim");
    game.window->menu().mnuProgress->trigger();
    auto* window = qobject_cast<ProgressWindow*>(game.window->records().progressWindow());
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->selectedChild(), QStringLiteral("Anna"));
    const auto* table = window->findChild<QTableWidget*>();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("1"));

    // Deleting asks first; No keeps everything.
    game.env.dialogs.answers << Answer::No;
    window->deleteChild();
    flush(game);
    QCOMPARE(recordtest::count(db(game), "SELECT count(*) FROM words"), 1);
    game.env.dialogs.answers << Answer::Yes;
    window->deleteChild();
    flush(game);
    QCOMPARE(recordtest::count(db(game), "SELECT count(*) FROM words"), 0);
    QCOMPARE(table->rowCount(), 0);

    // The export writes the header alone for an empty record.
    game.env.dialogs.files << game.env.path(QStringLiteral("out.csv"));
    window->exportCsv();
    QCOMPARE(game.env.readFile(QStringLiteral("out.csv")),
             QByteArray("date,time,language,list,word,outcome,misses,hints,seconds,solved_by,players,letters\r\n"));
    window->close();
}

QTEST_MAIN(RecordInGameTest)
#include "tst_record_in_game.moc"
