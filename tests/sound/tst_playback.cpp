// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The game's way to the player: each effect id reaches it with its own wave (the player shares the
// bytes for as long as it plays them).
#include "TestEnvironment.h"
#include "sound/Playback.h"

#include <QTest>

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void everyEffectPlaysItsOwnWave()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        for (int id = 100; id <= 113; ++id) {
            PlayWAV(id);
            QCOMPARE(env.sound.played.last(), id);
            QCOMPARE(effectOfWave(env.sound.waves.last()), id == 106 ? 101 : id);
        }
        QCOMPARE(env.dialogs.texts(), QStringList());
    }

    void missingEffectIsReported()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        PlayWAV(99);
        QVERIFY(env.sound.played.isEmpty());
        QCOMPARE(env.dialogs.shown.size(), 1);
        QVERIFY2(env.dialogs.shown[0].text.endsWith(QStringLiteral("in Wupple: PlayWAV")), qPrintable(env.dialogs.shown[0].text));
    }
};

QTEST_MAIN(PlaybackTest)
#include "tst_playback.moc"
