// Whole games through the real window, played by clicks and keys.
#include "GameSession.h"

#include <QLineEdit>
#include <QMenu>

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void hitKeepsTurnMissPassesIt();
    void letterTwiceUncoversBothWithTwoPops();
    void ninthMissLosesShowsSolutionAndReturnsWord();
    void onePlayerKeepsTheTurn();
    void eighthPointWins_data();
    void eighthPointWins();
    void hintsGuessInButtonOrderUpToTheLimit();
    void umlautKeys_data();
    void umlautKeys();
    void enterGivesTheNextWord();
    void startDuringAGameAsksFirst();
    void startDuringThePauseDrawsTheNextWord();
    void soundOffPlaysNothingAndDoesNotWait();
    void languageSwitchDuringAGame();
    void emptyWordListDrawsNothing();
};

void PlayTest::hitKeepsTurnMissPassesIt()
{
    GameSession game({QStringLiteral("Apfel")}, QStringLiteral("[Einstellungen]\nAnzahl= 3\n"));
    auto d = game.play();
    d.start();
    QCOMPARE(g().Ratewort, QStringLiteral("APFEL"));
    QCOMPARE(d.board(), QStringLiteral("_____"));
    QCOMPARE(d.activePlayer(), 0);
    d.click(u'A');
    QCOMPARE(d.board(), QStringLiteral("A____"));
    QCOMPARE(d.activePlayer(), 0);
    QVERIFY(game.window->alpha[0]->isHidden());
    d.click(u'X');
    QCOMPARE(d.activePlayer(), 1);
    QCOMPARE(d.visibleStage(), 1);
    d.click(u'Y');
    d.click(u'Z');
    // After player 3 comes player 1 again.
    QCOMPARE(d.activePlayer(), 0);
    QCOMPARE(game.window->Spieler[0]->background(), fromBgr(0x0000FF));
    QCOMPARE(game.window->Spieler[2]->background(), fromBgr(0xFF0000));
    QVERIFY(game.window->Spieler[3]->isHidden());
}

void PlayTest::letterTwiceUncoversBothWithTwoPops()
{
    GameSession game({QStringLiteral("Puppe")});
    auto d = game.play();
    d.start();
    d.takeSounds();
    d.click(u'P');
    QCOMPARE(d.board(), QStringLiteral("P_PP_"));
    QCOMPARE(g().Treffer, 3);
    QCOMPARE(d.takeSounds(), (QList<int>{104, 104, 104}));
}

void PlayTest::ninthMissLosesShowsSolutionAndReturnsWord()
{
    GameSession game({QStringLiteral("Ball")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\n"));
    auto d = game.play();
    d.start();
    QCOMPARE(d.takeSounds().mid(0, 1), QList<int>{100});
    d.click(u'L');
    d.takeSounds();
    const QString misses = QStringLiteral("CDEFGHIJK");
    for (int i = 0; i < 8; ++i)
        d.click(misses[i]);
    QCOMPARE(d.visibleStage(), 8);
    QCOMPARE(g().BildStufe, 8);
    QVERIFY(!game.window->mnuWeiter->isEnabled());
    d.click(misses[8]);
    QCOMPARE(d.visibleStage(), 9);
    // The solution appears letter by letter in button order, the lost word goes back to the pool.
    QCOMPARE(d.board(), QStringLiteral("BALL"));
    QVERIFY(game.window->mnuWeiter->isEnabled());
    QVERIFY(!game.window->PicBut[3]->isHidden());
    QVERIFY(!game.window->alpha[0]->isEnabled());
    QVERIFY(!game.window->mnuTipp->isEnabled());
    QCOMPARE(game.window->List1.count(QStringLiteral("BALL")), 1);
    const QList<int> sounds = d.takeSounds();
    QCOMPARE(sounds.count(103), 8);
    QVERIFY(sounds.contains(102));
    QCOMPARE(sounds.count(101), 4); // A, B, L, L in button order
    // Eight misses passed the turn eight times, the ninth once more: player 2 of 2.
    QCOMPARE(d.activePlayer(), 1);
    d.next();
    QCOMPARE(d.visibleStage(), 0);
    QCOMPARE(d.board(), QStringLiteral("____"));
    QCOMPARE(d.activePlayer(), 1);
}

void PlayTest::onePlayerKeepsTheTurn()
{
    GameSession game({QStringLiteral("Hase")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
    auto d = game.play();
    d.start();
    d.click(u'X');
    QCOMPARE(d.activePlayer(), 0);
    QCOMPARE(game.window->Spieler[0]->background(), fromBgr(0x0000FF));
    QCOMPARE(game.window->Spieler[0]->textColour(), fromBgr(0xFFFFFF));
}

void PlayTest::eighthPointWins_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("Yes starts a new game") << true;
    QTest::newRow("No ends the program") << false;
}

void PlayTest::eighthPointWins()
{
    QFETCH(bool, again);
    GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\nSpieler1=Tim\n"));
    auto d = game.play();
    d.start();
    for (int word = 1; word <= 8; ++word) {
        game.env.dialogs.answers.enqueue(Answer::OK);
        game.env.dialogs.answers.enqueue(again ? Answer::Yes : Answer::No);
        d.typeText(QStringLiteral("igel"));
        if (word < 8) {
            QCOMPARE(g().Punkte[0], word);
            QVERIFY(!game.window->Punkt[word - 1]->isHidden());
            d.next();
        }
    }
    const auto& shown = game.env.dialogs.shown;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("Tim\rhat gewonnen!"));
    QCOMPARE(shown[0].title, QStringLiteral("Hurra!"));
    QCOMPARE(shown[0].icon, Icon::Information);
    QCOMPARE(shown[1].text, QStringLiteral("Noch 'ne Runde?"));
    QCOMPARE(shown[1].title, QString());
    QCOMPARE(shown[1].buttons, Buttons::YesNo);
    if (!again) {
        QCOMPARE(game.env.quitCalls, 1);
        QVERIFY(!game.window->isVisible());
        return;
    }
    // Yes: scores reset, tokens hidden, a new word without the next-word command, music restarted.
    QCOMPARE(g().Punkte[0], 0);
    QCOMPARE(d.board(), QStringLiteral("____"));
    QVERIFY(!game.window->mnuWeiter->isEnabled());
    QVERIFY(game.window->Punkt[7]->isHidden());
    QCOMPARE(d.activePlayer(), 0);
    QVERIFY(game.env.sound.played.contains(105));
    QCOMPARE(game.env.sound.musicStarts, 2);
}

void PlayTest::hintsGuessInButtonOrderUpToTheLimit()
{
    GameSession game({QStringLiteral("Zebra")}, QStringLiteral("[Einstellungen]\nTipps= 2\n"));
    auto d = game.play();
    d.start();
    QVERIFY(game.window->mnuTipp->isEnabled());
    game.window->mnuTipp->trigger();
    settle(*game.window);
    QCOMPARE(d.board(), QStringLiteral("____A"));
    game.window->mnuTipp->trigger();
    settle(*game.window);
    QCOMPARE(d.board(), QStringLiteral("__B_A"));
    QVERIFY(!game.window->mnuTipp->isEnabled());
    QVERIFY(game.window->PicBut[2]->isHidden());
}

void PlayTest::umlautKeys_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German") << "deutsch" << "wupp.dat" << 0 << "Ü___";
    QTest::newRow("Swedish") << "svenska" << "wuppla.dat" << 2000 << "____";
    QTest::newRow("English") << "english" << "wupple.dat" << 1000 << "____";
}

void PlayTest::umlautKeys()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    GameSession s({}, QStringLiteral("[Optionen]\nSprache= %1\n").arg(offset), GameSession::Window::None);
    s.writeWords(file, {QString::fromUtf8("Übel")}, language);
    auto d = s.start();
    d.start();
    d.typeText(QString::fromUtf8("ü"));
    QCOMPARE(d.board(), expected);
    if (offset == 2000)
        QVERIFY(d.w.alpha[28]->isHidden());
}

void PlayTest::enterGivesTheNextWord()
{
    GameSession game({QStringLiteral("Maus"), QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
    auto d = game.play();
    d.start();
    d.typeText(QStringLiteral("MAUSH"));
    QVERIFY(game.window->mnuWeiter->isEnabled());
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    settle(*game.window);
    QVERIFY(!game.window->mnuWeiter->isEnabled());
    QCOMPARE(d.board(), QStringLiteral("____"));
}

void PlayTest::startDuringAGameAsksFirst()
{
    GameSession game({QStringLiteral("Katze")});
    auto d = game.play();
    d.start();
    d.typeText(QStringLiteral("KX"));
    const QString before = d.board();
    game.env.dialogs.answers.enqueue(Answer::No);
    d.start();
    QCOMPARE(game.env.dialogs.shown.last().text, QStringLiteral("Wirklich ein neues Spiel anfangen?"));
    QCOMPARE(game.env.dialogs.shown.last().title, QStringLiteral("Start"));
    QCOMPARE(d.board(), before);
    QCOMPARE(d.activePlayer(), 1);
    game.env.dialogs.answers.enqueue(Answer::Yes);
    d.start();
    QCOMPARE(d.board(), QStringLiteral("_____"));
    QCOMPARE(d.activePlayer(), 0);
    QCOMPARE(d.visibleStage(), 0);
}

void PlayTest::startDuringThePauseDrawsTheNextWord()
{
    GameSession game({QStringLiteral("Kuh"), QStringLiteral("Pferd")});
    auto d = game.play();
    d.start();
    d.typeText(QStringLiteral("PFERD"));
    QCOMPARE(g().Punkte[0], 1);
    QVERIFY(game.window->mnuWeiter->isEnabled());
    game.env.dialogs.answers.enqueue(Answer::Yes);
    d.start();
    // The waiting guess drew the next word; the scores were reset.
    QVERIFY(!game.window->mnuWeiter->isEnabled());
    QCOMPARE(g().Punkte[0], 0);
    QCOMPARE(d.board(), QStringLiteral("_____"));
    QVERIFY(game.window->alpha[0]->isEnabled());
}

void PlayTest::soundOffPlaysNothingAndDoesNotWait()
{
    GameSession game({QStringLiteral("Ente")}, QStringLiteral("[Einstellungen]\nSound= 0\n"));
    auto d = game.play();
    d.start();
    d.typeText(QStringLiteral("BCDFGHIJK"));
    QCOMPARE(d.visibleStage(), 9);
    QVERIFY(game.env.sound.played.isEmpty());
}

void PlayTest::languageSwitchDuringAGame()
{
    GameSession s({QStringLiteral("Hund")}, {}, GameSession::Window::None, TestEnvironment::Words::None);
    s.writeWords(QStringLiteral("wupple.dat"), {QStringLiteral("horse")}, QStringLiteral("english"));
    auto d = s.start();
    auto& env = s.env;
    auto* w = &d.w;
    d.start();
    d.typeText(QStringLiteral("H"));
    env.dialogs.answers.enqueue(Answer::Cancel);
    w->mnuLang[1]->trigger();
    settle(*w);
    QCOMPARE(env.dialogs.shown.last().text,
             QStringLiteral("Hierdurch wird das Spiel neu gestartet!\r\n\r\nThis will start a new game!"));
    QCOMPARE(env.dialogs.shown.last().title, QStringLiteral("Wuppel"));
    QCOMPARE(g().SprachOffset, 0);
    QVERIFY(w->mnuLang[0]->isChecked());
    QCOMPARE(d.board(), QStringLiteral("H___"));

    env.dialogs.answers.enqueue(Answer::OK);
    w->mnuLang[1]->trigger();
    settle(*w);
    QCOMPARE(g().SprachOffset, 1000);
    QVERIFY(w->mnuLang[1]->isChecked() && !w->mnuLang[0]->isChecked());
    QCOMPARE(w->mnuSpiel->title(), QStringLiteral("&Game"));
    QCOMPARE(g().LetzterBuchstabe, 25);
    QVERIFY(env.ini().contains("Sprache= 1000\r\n"));
    QCOMPARE(g().Ratewort, QStringLiteral("HORSE"));
    QCOMPARE(d.board(), QStringLiteral("_____"));
    QVERIFY(w->alpha[26]->isHidden());
    QVERIFY(w->windowTitle().startsWith(QStringLiteral("Wupple  Version ")));
}

void PlayTest::emptyWordListDrawsNothing()
{
    GameSession s({}, {}, GameSession::Window::Started, TestEnvironment::Words::None);
    auto d = s.play();
    auto& env = s.env;
    auto* w = &d.w;
    QCOMPARE(env.dialogs.shown.size(), 1);
    QCOMPARE(env.dialogs.shown[0].text, QStringLiteral("Datei wupp.dat nicht gefunden!"));
    QCOMPARE(env.dialogs.shown[0].title, QStringLiteral("Fehler"));
    QCOMPARE(env.dialogs.shown[0].icon, Icon::Exclamation);
    d.start();
    QCOMPARE(env.dialogs.shown.size(), 2);
    QCOMPARE(w->fieldCount(), 0);
    QVERIFY(!w->alpha[0]->isEnabled());
    env.writeWords(QStringLiteral("deutsch"), QStringLiteral("wupp.dat"), {QStringLiteral("ab, c")});
    d.start();
    QCOMPARE(env.dialogs.shown.last().text, QStringLiteral("In der Datei wupp.dat steht kein Wort, das gespielt werden kann."));
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
