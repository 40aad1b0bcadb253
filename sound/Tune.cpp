#include "sound/Tune.h"
#include "sound/AudioLibraries.h"

#include <algorithm>

namespace {
// 20 ms: the music ends at once to the ear, and without a click.
constexpr int fadeMilliseconds = 20;
constexpr int prerollFrames = 512;
} // namespace

std::unique_ptr<Tune> Tune::load(const QByteArray& midi, const char* soundFont, int sampleRate, float gain)
{
    const FluidApi* api = fluidApi();
    if (!api || !soundFont)
        return nullptr;
    // FluidSynth's own messages would only tell the player what the silence already says.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        api->fluid_set_log_function(level, nullptr, nullptr);
    std::unique_ptr<Tune> tune(new Tune(*api));
    tune->m_settings = api->new_fluid_settings();
    if (!tune->m_settings)
        return nullptr;
    api->fluid_settings_setnum(tune->m_settings, "synth.sample-rate", sampleRate);
    api->fluid_settings_setnum(tune->m_settings, "synth.gain", gain);
    // Locked pages would keep the soundfont in memory even when the system needs it elsewhere.
    api->fluid_settings_setint(tune->m_settings, "synth.lock-memory", 0);
    // Only the samples of the instruments the tune plays are read, not the whole soundfont; and a
    // four-part tune with its echoes never needs more than a few dozen voices.
    api->fluid_settings_setint(tune->m_settings, "synth.dynamic-sample-loading", 1);
    api->fluid_settings_setint(tune->m_settings, "synth.polyphony", 64);
    tune->m_synth = api->new_fluid_synth(tune->m_settings);
    if (!tune->m_synth || api->fluid_synth_sfload(tune->m_synth, soundFont, 1) == FLUID_FAILED)
        return nullptr;
    tune->m_player = api->new_fluid_player(tune->m_synth);
    if (!tune->m_player || api->fluid_player_add_mem(tune->m_player, midi.constData(), std::size_t(midi.size())) != FLUID_OK ||
        api->fluid_player_play(tune->m_player) != FLUID_OK)
        return nullptr;
    // A file that is no music at all leaves the player done before its first note.
    if (api->fluid_player_get_status(tune->m_player) != FLUID_PLAYER_PLAYING)
        return nullptr;
    tune->m_fadeFrames = sampleRate * fadeMilliseconds / 1000;
    // The first block chooses the instruments, which reads their samples from the disk: that
    // happens here, not in the audio callback, which must never wait for the disk.
    tune->m_preroll.resize(std::size_t(2 * prerollFrames));
    tune->render(tune->m_preroll.data(), prerollFrames, 1.0f);
    return tune;
}

Tune::~Tune()
{
    if (m_player)
        m_api.delete_fluid_player(m_player);
    if (m_synth)
        m_api.delete_fluid_synth(m_synth);
    if (m_settings)
        m_api.delete_fluid_settings(m_settings);
}

void Tune::fadeOut()
{
    if (m_fading)
        return;
    m_fading = true;
    m_fade = sound::FadeOut(m_fadeFrames);
}

void Tune::render(float* stereo, int frames, float gain)
{
    m_left.resize(std::size_t(frames));
    m_right.resize(std::size_t(frames));
    m_api.fluid_synth_write_float(m_synth, frames, m_left.data(), 0, 1, m_right.data(), 0, 1);
    for (int f = 0; f < frames; ++f) {
        stereo[2 * f] = m_left[std::size_t(f)] * gain;
        stereo[2 * f + 1] = m_right[std::size_t(f)] * gain;
    }
}

void Tune::mixInto(std::int16_t* out, int frames)
{
    if (m_finished)
        return;
    m_block.resize(std::size_t(2 * frames));
    // What was rendered ahead while loading comes first.
    const int early = std::min(frames, int(m_preroll.size() / 2 - m_prerollUsed));
    std::copy_n(m_preroll.begin() + std::ptrdiff_t(2 * m_prerollUsed), 2 * early, m_block.begin());
    m_prerollUsed += std::size_t(early);
    if (early < frames)
        render(m_block.data() + 2 * early, frames - early, 1.0f);
    for (int f = 0; f < frames; ++f) {
        const float gain = (m_fading ? m_fade.next() : 1.0f) * 32767.0f;
        out[2 * f] = sound::saturatedAdd(out[2 * f], m_block[std::size_t(2 * f)] * gain);
        out[2 * f + 1] = sound::saturatedAdd(out[2 * f + 1], m_block[std::size_t(2 * f + 1)] * gain);
    }
    if (m_fading && m_fade.done()) {
        m_finished = true;
    } else if (!m_fading && m_api.fluid_player_get_status(m_player) == FLUID_PLAYER_DONE &&
               m_api.fluid_synth_get_active_voice_count(m_synth) == 0) {
        // The last note has died away; the room's echo is faded rather than cut.
        fadeOut();
    }
}
