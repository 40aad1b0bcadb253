// The celebrations of a solved word and a won game run beside the game and end when it moves on.
#include "GameSession.h"
#include "game/BoardJoy.h"

#include <QAbstractAnimation>

namespace {
struct OnePlayer : GameSession {
    OnePlayer() : GameSession({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\nSpieler1=Tim\n")) {}
};

bool anyAnimationRuns(const wupp& w)
{
    const auto animations = w.findChildren<QAbstractAnimation*>();
    return std::any_of(animations.begin(), animations.end(),
                       [](const QAbstractAnimation* a) { return a->state() == QAbstractAnimation::Running; });
}
} // namespace

class JoyTest : public QObject {
    Q_OBJECT
private slots:
    void solvedWordHopsAndPops();
    void wonGameRainsConfettiBeforeTheWinnerIsNamed();
    void closingMidCelebrationIsSafe();
};

void JoyTest::solvedWordHopsAndPops()
{
    OnePlayer s;
    auto [env, w] = std::tie(s.env, s.window);
    auto d = s.play();
    d.start();
    const int row = w->Feld[1]->y();
    const QRect token = w->Punkt[0]->geometry();
    d.typeText(QStringLiteral("igel"));
    // The game has gone on to its wait for the next word while the tiles hop.
    QVERIFY(w->mnuWeiter->isEnabled());
    QVERIFY(w->joy()->running());
    QTest::qWait(150);
    QVERIFY(std::any_of(w->Feld.begin() + 1, w->Feld.end(), [row](QWidget* tile) { return tile->y() < row; }));
    QVERIFY(w->Punkt[0]->geometry() != token);
    // Left alone, every element comes back to its place and nothing keeps ticking.
    QTRY_VERIFY_WITH_TIMEOUT(!w->joy()->running(), 3000);
    QVERIFY(!anyAnimationRuns(*w));
    for (int i = 1; i < int(w->Feld.size()); ++i)
        QCOMPARE(w->Feld[i]->y(), row);
    QCOMPARE(w->Punkt[0]->geometry(), token);
    // The next word ends a celebration at once.
    d.next();
    d.typeText(QStringLiteral("igel"));
    QVERIFY(w->joy()->running());
    d.next();
    QVERIFY(!w->joy()->running());
    QVERIFY(!anyAnimationRuns(*w));
    QCOMPARE(w->Punkt[1]->geometry(), token.translated(token.width(), 0));
}

void JoyTest::wonGameRainsConfettiBeforeTheWinnerIsNamed()
{
    OnePlayer s;
    auto [env, w] = std::tie(s.env, s.window);
    auto d = s.play();
    QList<bool> confettiWhileShown;
    env.dialogs.whileShown = [&] {
        QWidget* layer = w->joy()->confettiLayer();
        confettiWhileShown << (layer && layer->isVisible() && layer->geometry() == w->board->rect());
    };
    d.start();
    for (int word = 1; word <= 8; ++word) {
        env.dialogs.answers << Answer::OK << Answer::Yes;
        d.typeText(QStringLiteral("igel"));
        if (word < 8) {
            QVERIFY(!w->joy()->confettiLayer());
            d.next();
        }
    }
    // Confetti over the board at the winner's message and at the question; the new game's first
    // word ended it.
    QCOMPARE(confettiWhileShown, (QList<bool>{true, true}));
    QCOMPARE(env.dialogs.shown.size(), 2);
    QVERIFY(!w->joy()->confettiLayer());
    QVERIFY(!w->joy()->running());
}

void JoyTest::closingMidCelebrationIsSafe()
{
    OnePlayer s;
    auto [env, w] = std::tie(s.env, s.window);
    auto d = s.play();
    d.start();
    d.typeText(QStringLiteral("igel"));
    QVERIFY(w->joy()->running());
    w->joy()->confetti();
    w->close();
    QVERIFY(!w->joy()->running());
    w->joy()->confetti();
    w.reset(); // the window goes while the confetti falls
    QTest::qWait(100);
}

QTEST_MAIN(JoyTest)
#include "tst_joy.moc"
