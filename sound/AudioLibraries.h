#pragma once
// SDL's audio and FluidSynth, loaded when the first sound or the music is needed rather than when
// the program starts: together they bring some fifty libraries, which a child waiting for the
// window would otherwise pay for, and which a game with sound and music switched off never needs.
#include <SDL.h>
#include <fluidsynth.h>

#define WUPPLE_AUDIO_FN(name) decltype(&::name) name = nullptr

struct SdlApi {
    WUPPLE_AUDIO_FN(SDL_SetHint);
    WUPPLE_AUDIO_FN(SDL_InitSubSystem);
    WUPPLE_AUDIO_FN(SDL_QuitSubSystem);
    WUPPLE_AUDIO_FN(SDL_WasInit);
    WUPPLE_AUDIO_FN(SDL_Quit);
    WUPPLE_AUDIO_FN(SDL_OpenAudioDevice);
    WUPPLE_AUDIO_FN(SDL_CloseAudioDevice);
    WUPPLE_AUDIO_FN(SDL_PauseAudioDevice);
    WUPPLE_AUDIO_FN(SDL_LockAudioDevice);
    WUPPLE_AUDIO_FN(SDL_UnlockAudioDevice);
    WUPPLE_AUDIO_FN(SDL_RWFromConstMem);
    WUPPLE_AUDIO_FN(SDL_LoadWAV_RW);
    WUPPLE_AUDIO_FN(SDL_FreeWAV);
    WUPPLE_AUDIO_FN(SDL_BuildAudioCVT);
    WUPPLE_AUDIO_FN(SDL_ConvertAudio);
    WUPPLE_AUDIO_FN(SDL_TLSCleanup);
};

struct FluidApi {
    WUPPLE_AUDIO_FN(new_fluid_settings);
    WUPPLE_AUDIO_FN(delete_fluid_settings);
    WUPPLE_AUDIO_FN(fluid_settings_setnum);
    WUPPLE_AUDIO_FN(fluid_settings_setint);
    WUPPLE_AUDIO_FN(new_fluid_synth);
    WUPPLE_AUDIO_FN(delete_fluid_synth);
    WUPPLE_AUDIO_FN(fluid_synth_sfload);
    WUPPLE_AUDIO_FN(fluid_synth_write_float);
    WUPPLE_AUDIO_FN(fluid_synth_get_active_voice_count);
    WUPPLE_AUDIO_FN(new_fluid_player);
    WUPPLE_AUDIO_FN(delete_fluid_player);
    WUPPLE_AUDIO_FN(fluid_player_add_mem);
    WUPPLE_AUDIO_FN(fluid_player_play);
    WUPPLE_AUDIO_FN(fluid_player_get_status);
    WUPPLE_AUDIO_FN(fluid_set_log_function);
};

#undef WUPPLE_AUDIO_FN

// Each loads its library on first use (from any thread, once) and stays loaded; null when the
// library or one of its functions is missing, and the game then plays on in silence or without music.
const SdlApi* sdlApi();
const FluidApi* fluidApi();
