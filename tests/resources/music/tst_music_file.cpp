// wupple.mid beside the program is a Standard MIDI File of a complete little piece: 60 to 120
// seconds, tune, bass and drums, an instrument change half way, and no note left hanging.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <optional>

namespace {

struct Event {
    qint64 tick;
    int status; // 0x80..0xEF, or 0xFF for a meta event
    int data1;
    int data2;
    QByteArray meta;
};

struct Midi {
    int format = -1;
    int division = 0;
    QList<QList<Event>> tracks;
};

int varLen(const QByteArray& b, int& at)
{
    int v = 0;
    for (int i = 0; i < 4 && at < b.size(); ++i) {
        const auto c = quint8(b[at++]);
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80))
            return v;
    }
    return -1;
}

quint32 big(const QByteArray& b, int at, int size)
{
    quint32 v = 0;
    for (int i = 0; i < size; ++i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

// A strict reader: anything malformed gives no result.
std::optional<Midi> parse(const QByteArray& b)
{
    if (b.size() < 14 || b.left(4) != "MThd" || big(b, 4, 4) != 6)
        return {};
    Midi m;
    m.format = int(big(b, 8, 2));
    const int count = int(big(b, 10, 2));
    m.division = int(big(b, 12, 2));
    int at = 14;
    for (int t = 0; t < count; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk")
            return {};
        const int end = at + 8 + int(big(b, at + 4, 4));
        if (end > b.size())
            return {};
        at += 8;
        QList<Event> events;
        qint64 tick = 0;
        int running = 0;
        bool ended = false;
        while (at < end && !ended) {
            const int delta = varLen(b, at);
            if (delta < 0 || at >= end)
                return {};
            tick += delta;
            int status = quint8(b[at]);
            if (status & 0x80)
                ++at;
            else if (running)
                status = running;
            else
                return {};
            Event e{tick, status, 0, 0, {}};
            if (status == 0xFF) {
                e.data1 = quint8(b[at++]);
                const int len = varLen(b, at);
                if (len < 0 || at + len > end)
                    return {};
                e.meta = b.mid(at, len);
                at += len;
                ended = e.data1 == 0x2F;
            } else if (status == 0xF0 || status == 0xF7) {
                const int len = varLen(b, at);
                if (len < 0 || at + len > end)
                    return {};
                at += len;
            } else {
                running = status;
                e.data1 = quint8(b[at++]);
                const int kind = status & 0xF0;
                if (kind != 0xC0 && kind != 0xD0)
                    e.data2 = quint8(b[at++]);
            }
            events.append(e);
        }
        if (!ended || at != end)
            return {};
        m.tracks.append(events);
    }
    return at == b.size() ? std::optional(m) : std::nullopt;
}

// Seconds from the start to `tick`, following every tempo change (the default is 120 per minute).
double seconds(const Midi& m, qint64 tick)
{
    std::map<qint64, int> tempo{{0, 500000}};
    for (const auto& track : m.tracks)
        for (const Event& e : track)
            if (e.status == 0xFF && e.data1 == 0x51 && e.meta.size() == 3)
                tempo[e.tick] = int(big(e.meta, 0, 3));
    double us = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < tick; ++it) {
        const auto next = std::next(it);
        const qint64 to = next == tempo.end() ? tick : std::min(tick, next->first);
        us += double(to - it->first) * it->second / m.division;
    }
    return us / 1e6;
}

QByteArray musicFile()
{
    QFile file(qEnvironmentVariable("WUPPLE_RUNTIME_DIR") + QStringLiteral("/wupple.mid"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MusicFile : public QObject {
    Q_OBJECT

private slots:
    void isAPieceOfTheRightShape()
    {
        const auto midi = parse(musicFile());
        QVERIFY2(midi, "wupple.mid is missing or not a Standard MIDI File");
        QCOMPARE(midi->format, 1);
        QVERIFY(midi->division > 0 && midi->division < 0x8000); // ticks per quarter, not SMPTE
        QCOMPARE(midi->tracks.size() >= 4, true);

        qint64 end = 0;
        std::map<int, int> notesPerChannel;
        std::map<std::pair<int, int>, int> sounding; // (channel, key) -> open note-ons
        QList<qint64> programTicks;
        for (const auto& track : midi->tracks) {
            for (const Event& e : track) {
                end = std::max(end, e.tick);
                const int kind = e.status & 0xF0;
                const int channel = (e.status & 0x0F) + 1;
                if (kind == 0x90 && e.data2 > 0) {
                    ++notesPerChannel[channel];
                    ++sounding[{channel, e.data1}];
                } else if (kind == 0x80 || (kind == 0x90 && e.data2 == 0)) {
                    int& open = sounding[std::make_pair(channel, e.data1)];
                    QVERIFY2(open > 0, "note-off without a note");
                    --open;
                } else if (kind == 0xC0 && e.tick > 0) {
                    programTicks.append(e.tick);
                }
            }
        }
        for (const auto& [note, open] : sounding)
            QVERIFY2(open == 0, qPrintable(QStringLiteral("note %1 on channel %2 never ends").arg(note.second).arg(note.first)));

        QVERIFY2(notesPerChannel[10] >= 50, "no drums on channel 10");
        int tuned = 0;
        for (const auto& [channel, count] : notesPerChannel)
            tuned += channel != 10 && count >= 30;
        QVERIFY2(tuned >= 2, "needs a melody and a bass line");

        const double length = seconds(*midi, end);
        QVERIFY2(length >= 60.0 && length <= 120.0, qPrintable(QStringLiteral("%1 s").arg(length)));
        const bool changeInTheMiddle = std::any_of(programTicks.begin(), programTicks.end(), [&](qint64 t) {
            const double at = seconds(*midi, t);
            return at > length / 3 && at < length * 2 / 3;
        });
        QVERIFY2(changeInTheMiddle, "no instrument change in the middle of the piece");
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
