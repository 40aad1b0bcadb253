#include "sound/EffectVoice.h"

namespace sound {

namespace {
// Effects that follow each other within a few milliseconds still fade, each on its own; beyond
// this many the oldest, by then nearly silent, is dropped.
constexpr std::size_t MaxEnding = 4;
} // namespace

void EffectVoice::start(Samples samples)
{
    stop();
    if (samples && samples->size() >= 2)
        m_current = Playing{std::move(samples), 0, FadeOut(), false};
}

void EffectVoice::stop()
{
    if (!m_current.samples)
        return;
    if (m_ending.size() >= MaxEnding)
        m_ending.erase(m_ending.begin());
    m_current.fading = true;
    m_current.fade = FadeOut(m_fadeFrames);
    m_ending.push_back(std::move(m_current));
    m_current = Playing();
}

bool EffectVoice::mix(Playing& p, std::int16_t* out, int frames)
{
    const std::vector<std::int16_t>& s = *p.samples;
    const std::size_t total = s.size() / 2;
    for (int f = 0; f < frames && p.frame < total; ++f, ++p.frame) {
        const float gain = p.fading ? p.fade.next() : 1.0f;
        out[2 * f] = saturatedAdd(out[2 * f], s[2 * p.frame] * gain);
        out[2 * f + 1] = saturatedAdd(out[2 * f + 1], s[2 * p.frame + 1] * gain);
        if (p.fading && p.fade.done()) {
            ++p.frame;
            return false;
        }
    }
    return p.frame < total;
}

void EffectVoice::mixInto(std::int16_t* out, int frames)
{
    for (auto it = m_ending.begin(); it != m_ending.end();)
        it = mix(*it, out, frames) ? it + 1 : m_ending.erase(it);
    if (m_current.samples && !mix(m_current, out, frames))
        m_current = Playing();
}

} // namespace sound
