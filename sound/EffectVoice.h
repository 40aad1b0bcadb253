#pragma once
// The one voice the effects play on. A new effect ends the one playing, as the game wants it, but
// the one it ends is faded out over a few milliseconds, and the new one starts right after:
// a jump from the middle of a wave to silence is heard as a click, and one sound at a time never
// piles two onsets on top of each other. Plain samples, no audio device: the real player calls
// this from its audio callback, tests call it directly.
#include <cstdint>
#include <memory>
#include <vector>

namespace sound {

// Interleaved stereo, signed 16 bit, at the device's rate.
using Samples = std::shared_ptr<const std::vector<std::int16_t>>;

// A linear fade to silence over a fixed number of frames.
class FadeOut {
public:
    explicit FadeOut(int frames = 0) : m_frames(frames), m_left(frames) {}
    bool done() const { return m_left <= 0; }
    // The gain for the next frame, stepping down to 0.
    float next()
    {
        if (m_left <= 0)
            return 0.0f;
        return float(m_left--) / float(m_frames + 1);
    }

private:
    int m_frames;
    int m_left;
};

// Adds `value` to `sample` without wrapping around.
inline std::int16_t saturatedAdd(std::int16_t sample, float value)
{
    const float sum = float(sample) + value;
    if (sum > 32767.0f)
        return 32767;
    if (sum < -32768.0f)
        return -32768;
    return std::int16_t(sum);
}

class EffectVoice {
public:
    // 5 ms at 44.1 kHz: short enough that the new effect seems to start at once, long enough not
    // to click.
    static constexpr int DefaultFadeFrames = 220;
    explicit EffectVoice(int fadeFrames = DefaultFadeFrames) : m_fadeFrames(fadeFrames) {}

    // Starts `samples` once the effect playing until now has faded out (at once when none plays).
    void start(Samples samples);
    // Adds the voice to `frames` stereo frames of `out`.
    void mixInto(std::int16_t* out, int frames);
    bool sounding() const { return m_current.samples || m_next; }

private:
    struct Playing {
        Samples samples;
        std::size_t frame = 0;
        FadeOut fade;
        bool fading = false;
    };
    // Mixes `p` into at most `frames` frames; returns how many it filled before it was over, or
    // `frames` while it goes on.
    static int mix(Playing& p, std::int16_t* out, int frames);

    int m_fadeFrames;
    Playing m_current;
    Samples m_next;
};

} // namespace sound
