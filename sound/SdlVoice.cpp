// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SdlVoice.h"
#include "sound/MixerLibrary.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// A voice cut by the next one fades over 20 ms: short enough for the new letter to follow at once,
// long enough not to click in the middle of a vowel.
constexpr int rampMs = 20;
// The channel ends by the clock well after the ramp has silenced it.
constexpr int expireMs = rampMs + 80;

struct VoiceRamp {
    std::atomic<int> left{-1}; // frames left of the fade, or -1 while the voice plays on
    int length = 1;
};
VoiceRamp ramps[VoiceChannels::Count];

// Voices playing, and the music's volume to come back to once none does.
std::atomic<int> speaking{0};
std::atomic<int> musicVolume{-1};
const MixerApi* duckingMixer = nullptr;

constexpr int lowered(int volume) { return volume / 4; }

// Runs on SDL's audio thread on the channel's samples before they are mixed.
void SDLCALL rampDown(int, void* stream, int length, void* data)
{
    auto* ramp = static_cast<VoiceRamp*>(data);
    int frames = ramp->left.load();
    if (frames < 0)
        return;
    auto* s = static_cast<Sint16*>(stream);
    for (int f = 0; f < length / 4; ++f) {
        const float gain = float(frames) / float(ramp->length);
        s[2 * f] = Sint16(s[2 * f] * gain);
        s[2 * f + 1] = Sint16(s[2 * f + 1] * gain);
        frames = std::max(frames - 1, 0);
    }
    ramp->left = frames;
}

// Runs when the channel has finished or was halted (SDL's audio lock held, which is recursive):
// the last voice to end brings the music back.
void SDLCALL voiceDone(int, void*)
{
    if (speaking.fetch_sub(1) == 1 && duckingMixer && musicVolume.load() >= 0)
        duckingMixer->Mix_VolumeMusic(musicVolume.load());
}

// Mono at the synthesizer's rate to stereo at the device's, by linear interpolation.
std::vector<Sint16> toDevice(const short* samples, int count, int rate, int deviceRate)
{
    const auto frames = std::size_t(std::llround(double(count) * deviceRate / rate));
    std::vector<Sint16> out(frames * 2);
    const double step = double(rate) / deviceRate;
    for (std::size_t f = 0; f < frames; ++f) {
        const double at = double(f) * step;
        const auto i = std::min(std::size_t(at), std::size_t(count - 1));
        const auto j = std::min(i + 1, std::size_t(count - 1));
        const double t = at - double(i);
        const auto v = Sint16(std::lround(samples[i] * (1 - t) + samples[j] * t));
        out[2 * f] = v;
        out[2 * f + 1] = v;
    }
    return out;
}

} // namespace

int musicVolumeBesideVoices(int volume)
{
    musicVolume = volume;
    return speaking.load() > 0 ? lowered(volume) : volume;
}

void VoiceChannels::fadeOut(const MixerApi* mixer)
{
    for (int i = 0; i < Count; ++i) {
        int playingOn = -1;
        if (mixer->Mix_Playing(First + i) && ramps[i].left.compare_exchange_strong(playingOn, ramps[i].length))
            mixer->Mix_ExpireChannel(First + i, expireMs);
    }
    m_current = -1;
}

void VoiceChannels::start(const MixerApi* mixer, const short* samples, int count, int rate, int deviceRate)
{
    if (count <= 0 || rate <= 0)
        return;
    const int next = m_current == 0 ? 1 : 0;
    fadeOut(mixer);
    Clip& clip = m_clips[std::size_t(next)];
    // Its previous utterance faded out long ago, or is cut now by a burst of letters.
    mixer->Mix_HaltChannel(First + next);
    if (clip.chunk)
        mixer->Mix_FreeChunk(clip.chunk);
    clip.frames = toDevice(samples, count, rate, deviceRate);
    clip.chunk = mixer->Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(clip.frames.data()),
                                          Uint32(clip.frames.size() * sizeof(Sint16)));
    if (!clip.chunk)
        return;
    VoiceRamp& ramp = ramps[next];
    ramp.length = std::max(deviceRate * rampMs / 1000, 1);
    ramp.left = -1;
    duckingMixer = mixer;
    if (speaking.fetch_add(1) == 0) {
        const int now = mixer->Mix_VolumeMusic(-1);
        if (musicVolume.load() < 0)
            musicVolume = now;
        mixer->Mix_VolumeMusic(lowered(musicVolume.load()));
    }
    if (mixer->Mix_PlayChannel(First + next, clip.chunk, 0) != First + next
        || !mixer->Mix_RegisterEffect(First + next, &rampDown, &voiceDone, &ramp)) {
        mixer->Mix_HaltChannel(First + next);
        voiceDone(First + next, nullptr);
        return;
    }
    m_current = next;
}

void VoiceChannels::release(const MixerApi* mixer)
{
    for (int i = 0; i < Count; ++i) {
        mixer->Mix_HaltChannel(First + i);
        if (m_clips[std::size_t(i)].chunk)
            mixer->Mix_FreeChunk(m_clips[std::size_t(i)].chunk);
        m_clips[std::size_t(i)] = Clip();
    }
    m_current = -1;
}
