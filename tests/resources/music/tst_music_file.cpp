// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wupple.mid beside the program is a complete little piece: 60 to 120 seconds, tune, bass and
// drums, an instrument change half way, no note left hanging. wupple.sf2 beside it plays it
// exactly as the whole General MIDI soundfont it is taken from.
#include "resources/music/fontsubset/TuneNotes.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

namespace {

constexpr int frameRate = 44100;

QString runtimeFile(const char* name) { return qEnvironmentVariable("WUPPLE_RUNTIME_DIR") + u'/' + QLatin1String(name); }

// The piece as FluidSynth renders it with `font`, set up as SDL_mixer sets it up (44.1 kHz,
// 16-bit stereo in blocks of 4096 frames), from its start until the player is done.
QByteArray render(const QString& font)
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", frameRate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    QByteArray out;
    if (fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) >= 0 &&
        fluid_player_add(player, QFile::encodeName(runtimeFile("wupple.mid")).constData()) == FLUID_OK) {
        fluid_player_play(player);
        std::vector<qint16> block(2 * 4096);
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
            fluid_synth_write_s16(synth, 4096, block.data(), 0, 2, block.data(), 1, 2);
            out.append(reinterpret_cast<const char*>(block.data()), qsizetype(block.size() * 2));
        }
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

} // namespace

class MusicFile : public QObject {
    Q_OBJECT

    QByteArray m_whole; // rendered with the whole General MIDI soundfont

private slots:
    void initTestCase() { m_whole = render(QStringLiteral(WUPPLE_GM_SOUNDFONT)); }

    void isAPieceOfTheRightShape()
    {
        QFile file(runtimeFile("wupple.mid"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // A file the reader cannot take throws, which fails the suite.
        const auto events = fontsubset::readChannelEvents({bytes.begin(), bytes.end()});
        std::map<int, int> notesPerChannel;
        std::map<std::pair<int, int>, int> sounding; // (channel, key) -> open note-ons
        std::vector<std::uint64_t> programTicks;
        for (const auto& e : events) {
            const int kind = e.status & 0xF0;
            const int channel = (e.status & 0x0F) + 1;
            if (kind == 0x90 && e.data2 > 0) {
                ++notesPerChannel[channel];
                ++sounding[{channel, e.data1}];
            } else if (kind == 0x80 || kind == 0x90) {
                int& open = sounding[std::make_pair(channel, int(e.data1))];
                QVERIFY2(open-- > 0, "note-off without a note");
            } else if (kind == 0xC0 && e.tick > 0) {
                programTicks.push_back(e.tick);
            }
        }
        for (const auto& [note, open] : sounding)
            QVERIFY2(open == 0, qPrintable(QStringLiteral("note %1 on channel %2 never ends").arg(note.second).arg(note.first)));
        QVERIFY2(notesPerChannel[10] >= 50, "no drums on channel 10");
        const auto tuned = std::count_if(notesPerChannel.begin(), notesPerChannel.end(),
                                         [](const auto& c) { return c.first != 10 && c.second >= 30; });
        QVERIFY2(tuned >= 2, "needs a melody and a bass line");
        // The piece keeps one tempo, so the middle in ticks is the middle in time.
        const std::uint64_t end = events.back().tick;
        QVERIFY2(std::any_of(programTicks.begin(), programTicks.end(), [&](auto t) { return t > end / 3 && t < end * 2 / 3; }),
                 "no instrument change in the middle of the piece");
        const double seconds = double(m_whole.size() / 4) / frameRate;
        QVERIFY2(seconds >= 60.0 && seconds <= 120.0, qPrintable(QStringLiteral("%1 s").arg(seconds)));
    }

    // The subset keeps every zone the piece reaches (drum keys, velocity layers, key splits): a
    // missing one changes the sound, and the comparison is sample for sample.
    void ownSoundFontPlaysThePieceExactlyAsTheWholeSet()
    {
        const QFileInfo own(runtimeFile("wupple.sf2"));
        QVERIFY2(own.isFile(), "wupple.sf2 was not made");
        QVERIFY(own.size() * 10 < QFileInfo(QStringLiteral(WUPPLE_GM_SOUNDFONT)).size());
        const QByteArray heard = render(own.filePath());
        QCOMPARE(heard.size(), m_whole.size());
        qsizetype first = 0;
        while (first < heard.size() && heard[first] == m_whole[first])
            ++first;
        QVERIFY2(first == heard.size(), qPrintable(QStringLiteral("differs from %1 s on").arg(double(first / 4) / frameRate)));
    }

    // A mistake in the score stops the build with its line instead of making a piece out of step.
    void scoreMistakesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("score");
        QTest::addColumn<int>("line");
        const QByteArray head = "tempo 120\npart tune channel 1 program 0\npart drums channel 10\n";
        QTest::newRow("bar too short") << head + "section s\ntune | c4:q d4:q e4:q\nplay s\n" << 5;
        QTest::newRow("bar too long") << head + "section s\ntune | c4:w d4:e\nplay s\n" << 5;
        QTest::newRow("no such pitch") << head + "section s\ntune | h4:w\nplay s\n" << 5;
        QTest::newRow("no such drum") << head + "section s\ndrums | bongo:w\nplay s\n" << 5;
        QTest::newRow("no such pattern") << head + "section s\ntune | @verse\nplay s\n" << 5;
        QTest::newRow("parts out of step") << head + "section s\ntune | c4:w | c4:w\ndrums | kick:w\nplay s\n" << 7;
        QTest::newRow("no such section") << head + "play chorus\n" << 4;
        QTest::newRow("no such part") << head + "program flute 3\n" << 4;
    }
    void scoreMistakesAreRefused()
    {
        QFETCH(QByteArray, score);
        QFETCH(int, line);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("bad.score")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(score);
        file.close();
        QProcess gen;
        gen.start(QStringLiteral(WUPPLE_MIDIGEN), {file.fileName(), dir.filePath(QStringLiteral("out.mid"))});
        QVERIFY(gen.waitForFinished(10000));
        QCOMPARE(gen.exitCode(), 1);
        const QString message = QString::fromUtf8(gen.readAllStandardError());
        QVERIFY2(message.contains(QStringLiteral("line %1:").arg(line)), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(MusicFile)
#include "tst_music_file.moc"
