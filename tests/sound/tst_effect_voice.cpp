// The effects' one voice, rendered sample by sample as the audio device would ask for it.
#include "sound/EffectVoice.h"

#include <QtTest>
#include <cmath>

using namespace sound;

namespace {

constexpr int block = 512; // the device asks for this many frames at a time

// A loud wave: stopping it dead anywhere but near a zero crossing is a jump many times larger than
// any step the wave takes itself.
Samples sine(int frames, double period, double amplitude)
{
    auto s = std::make_shared<std::vector<std::int16_t>>(std::size_t(2 * frames));
    for (int f = 0; f < frames; ++f)
        (*s)[2 * f] = (*s)[2 * f + 1] = std::int16_t(std::lround(amplitude * std::sin(2 * M_PI * f / period)));
    return s;
}

std::vector<std::int16_t> render(EffectVoice& voice, int frames)
{
    std::vector<std::int16_t> out(std::size_t(2 * frames), 0);
    for (int done = 0; done < frames; done += block)
        voice.mixInto(out.data() + 2 * done, std::min(block, frames - done));
    return out;
}

int largestStep(const std::vector<std::int16_t>& s)
{
    int step = 0;
    for (std::size_t i = 2; i < s.size(); ++i)
        step = std::max(step, std::abs(s[i] - s[i - 2]));
    return step;
}

} // namespace

class EffectVoiceTest : public QObject {
    Q_OBJECT

private slots:
    void newEffectEndsThePlayingOneWithoutAJump_data()
    {
        QTest::addColumn<int>("cutAt"); // frames of the first effect heard before the second starts
        // The first effect's wave stands at -37 %, +68 %, -90 % and +25 % of its height there.
        QTest::newRow("after one block") << block;
        QTest::newRow("after two blocks") << 2 * block;
        QTest::newRow("after three blocks") << 3 * block;
        QTest::newRow("after nine blocks") << 9 * block;
    }
    void newEffectEndsThePlayingOneWithoutAJump()
    {
        QFETCH(int, cutAt);
        const Samples first = sine(44100, 200, 20000);
        const Samples second = sine(8000, 100, 8000);
        EffectVoice voice;
        voice.start(first);
        std::vector<std::int16_t> heard = render(voice, cutAt);
        voice.start(second);
        const std::vector<std::int16_t> after = render(voice, 6000);
        EffectVoice alone;
        alone.start(second);
        const std::vector<std::int16_t> secondAlone = render(alone, 6000);

        // The first effect fades out, and only then does the second one start, from its beginning.
        const std::size_t fade = 2 * EffectVoice::DefaultFadeFrames;
        QVERIFY(std::equal(after.begin() + qsizetype(fade), after.end(), secondAlone.begin()));
        heard.insert(heard.end(), after.begin(), after.begin() + qsizetype(fade) + 2);
        // The fade adds a little to the wave's own steps; stopping dead adds up to 20 times them.
        const int own = largestStep(std::vector<std::int16_t>(first->begin(), first->end()));
        QVERIFY2(largestStep(heard) <= own + own / 10,
                 qPrintable(QStringLiteral("a jump of %1 where the first effect ends").arg(largestStep(heard))));
    }

    void voiceFallsQuietWhenItsEffectsAreOver()
    {
        EffectVoice voice;
        QVERIFY(!voice.sounding());
        voice.start(sine(1000, 200, 1000));
        voice.start(sine(700, 200, 1000)); // waits for the first to fade, then plays to its end
        QVERIFY(voice.sounding());
        render(voice, 800);
        QVERIFY(voice.sounding());
        render(voice, 400);
        QVERIFY(!voice.sounding());
        // Nothing asked for while something plays: it fades out and the voice falls quiet.
        voice.start(sine(1000, 200, 1000));
        render(voice, 100);
        voice.start(nullptr);
        const std::vector<std::int16_t> tail = render(voice, 512);
        QVERIFY(!voice.sounding());
        QVERIFY(std::all_of(tail.begin() + 2 * EffectVoice::DefaultFadeFrames, tail.end(), [](std::int16_t s) { return s == 0; }));
    }

    void loudEffectsClipInsteadOfWrapping()
    {
        EffectVoice voice;
        voice.start(std::make_shared<std::vector<std::int16_t>>(4000, std::int16_t(30000)));
        std::vector<std::int16_t> out(2 * 100, 20000); // the music already playing, loud
        voice.mixInto(out.data(), 100);
        QVERIFY(std::all_of(out.begin(), out.end(), [](std::int16_t s) { return s == 32767; }));
    }
};

QTEST_GUILESS_MAIN(EffectVoiceTest)
#include "tst_effect_voice.moc"
