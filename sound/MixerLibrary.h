// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL_mixer, loaded when the first sound or the music is needed rather than when the program
// starts: with SDL and FluidSynth it brings some fifty libraries, which a child waiting for the
// window would otherwise pay for, and which a game with sound and music switched off never needs.
// Only the functions the player calls are bound, each with its type from SDL_mixer's own header.
#include <SDL.h>
#include <SDL_mixer.h>

#define WUPPLE_MIXER_FN(name) decltype(&::name) name = nullptr

struct MixerApi {
    WUPPLE_MIXER_FN(SDL_SetHint);
    WUPPLE_MIXER_FN(SDL_InitSubSystem);
    WUPPLE_MIXER_FN(SDL_QuitSubSystem);
    WUPPLE_MIXER_FN(SDL_WasInit);
    WUPPLE_MIXER_FN(SDL_Quit);
    WUPPLE_MIXER_FN(SDL_RWFromConstMem);
    WUPPLE_MIXER_FN(SDL_TLSCleanup);
    WUPPLE_MIXER_FN(Mix_OpenAudioDevice);
    WUPPLE_MIXER_FN(Mix_CloseAudio);
    WUPPLE_MIXER_FN(Mix_AllocateChannels);
    WUPPLE_MIXER_FN(Mix_LoadWAV_RW);
    WUPPLE_MIXER_FN(Mix_QuickLoad_RAW);
    WUPPLE_MIXER_FN(Mix_FreeChunk);
    WUPPLE_MIXER_FN(Mix_PlayChannel);
    WUPPLE_MIXER_FN(Mix_ExpireChannel);
    WUPPLE_MIXER_FN(Mix_RegisterEffect);
    WUPPLE_MIXER_FN(Mix_HaltChannel);
    WUPPLE_MIXER_FN(Mix_GroupChannels);
    WUPPLE_MIXER_FN(Mix_GroupOldest);
    WUPPLE_MIXER_FN(Mix_GroupAvailable);
    WUPPLE_MIXER_FN(Mix_Playing);
    WUPPLE_MIXER_FN(Mix_SetSoundFonts);
    WUPPLE_MIXER_FN(Mix_LoadMUS_RW);
    WUPPLE_MIXER_FN(Mix_FreeMusic);
    WUPPLE_MIXER_FN(Mix_PlayMusic);
    WUPPLE_MIXER_FN(Mix_VolumeMusic);
    WUPPLE_MIXER_FN(Mix_FadeOutMusic);
    WUPPLE_MIXER_FN(Mix_HaltMusic);
    WUPPLE_MIXER_FN(Mix_PlayingMusic);
};

#undef WUPPLE_MIXER_FN

// Loads the library on first use (from any thread, once) and keeps it loaded; null when it or one
// of its functions is missing, and the game then plays on in silence.
const MixerApi* mixerApi();
