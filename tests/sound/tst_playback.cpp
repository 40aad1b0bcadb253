// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The game's way to the player: each effect id reaches it with its own wave, which is kept while
// it plays.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
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
            QCOMPARE(g().WavDaten, env.sound.waves.last());
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
