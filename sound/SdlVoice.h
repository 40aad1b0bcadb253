// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound player's voice channels: two mixer channels of their own beside the effects', so an
// effect and a voice never cut each other. A new utterance starts on one while the other fades the
// previous one out, and the music is lowered while either speaks.
#include <SDL_mixer.h>
#include <array>
#include <vector>

struct MixerApi;

class VoiceChannels {
public:
    static constexpr int First = 4; // after the effects' channels
    static constexpr int Count = 2;

    // Starts `count` mono samples at `rate` Hz, fading out the utterance being spoken. The device is
    // open and its lock held.
    void start(const MixerApi* mixer, const short* samples, int count, int rate, int deviceRate);
    // Fades out whatever is being spoken.
    void fadeOut(const MixerApi* mixer);
    // Stops and frees everything before the device closes.
    void release(const MixerApi* mixer);

private:
    struct Clip {
        std::vector<Sint16> frames; // stereo at the device's rate, read by the mixer while it plays
        Mix_Chunk* chunk = nullptr;
    };
    std::array<Clip, Count> m_clips;
    int m_current = -1; // the clip speaking now
};

// The music's volume while voices are lowering it: the tune stays audible under the voice. Also
// remembers `volume` to come back to once the voice has finished.
int musicVolumeBesideVoices(int volume);
