#include "sound/EffectVoice.h"

namespace sound {

void EffectVoice::start(Samples samples)
{
    if (samples && samples->size() < 2)
        samples = nullptr;
    if (!m_current.samples) {
        m_current = Playing{std::move(samples), 0, FadeOut(), false};
        return;
    }
    // An effect asked for while the last one fades replaces the one that was waiting.
    m_next = std::move(samples);
    if (!m_current.fading) {
        m_current.fading = true;
        m_current.fade = FadeOut(m_fadeFrames);
    }
}

int EffectVoice::mix(Playing& p, std::int16_t* out, int frames)
{
    const std::vector<std::int16_t>& s = *p.samples;
    const std::size_t total = s.size() / 2;
    int f = 0;
    for (; f < frames && p.frame < total; ++f, ++p.frame) {
        const float gain = p.fading ? p.fade.next() : 1.0f;
        out[2 * f] = saturatedAdd(out[2 * f], s[2 * p.frame] * gain);
        out[2 * f + 1] = saturatedAdd(out[2 * f + 1], s[2 * p.frame + 1] * gain);
        if (p.fading && p.fade.done())
            return f + 1;
    }
    return p.frame < total ? frames : f;
}

void EffectVoice::mixInto(std::int16_t* out, int frames)
{
    int done = 0;
    while (done < frames) {
        if (!m_current.samples) {
            if (!m_next)
                return;
            m_current = Playing{std::move(m_next), 0, FadeOut(), false};
            m_next = nullptr;
        }
        const int filled = mix(m_current, out + 2 * done, frames - done);
        done += filled;
        if (done < frames || m_current.frame >= m_current.samples->size() / 2 ||
            (m_current.fading && m_current.fade.done()))
            m_current = Playing();
    }
}

} // namespace sound
