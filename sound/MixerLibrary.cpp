// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerLibrary.h"

#include <QLoggingCategory>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <mutex>

namespace {

// FluidSynth's own messages (a broken MIDI file, a missing soundfont) would land on the terminal;
// the game says nothing about music it cannot play. QT_LOGGING_RULES="wupple.sound.debug=true"
// shows them.
Q_LOGGING_CATEGORY(soundLog, "wupple.sound", QtInfoMsg)

void quietFluidLog(int, const char* message, void*) { qCDebug(soundLog, "fluidsynth: %s", message); }

// FluidSynth comes with SDL_mixer; its log is reached without loading it a second time.
void quietenFluidSynth()
{
    void* fluid = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_NOLOAD);
    if (!fluid)
        return;
    if (auto setLog = reinterpret_cast<decltype(&::fluid_set_log_function)>(dlsym(fluid, "fluid_set_log_function")))
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            setLog(level, &quietFluidLog, nullptr);
    dlclose(fluid); // only the reference NOLOAD took
}

// Binds one member to the symbol of the same name, found in SDL_mixer or in SDL beneath it.
struct Binder {
    void* library;
    bool complete = true;
    template <typename Fn>
    void operator()(Fn& fn, const char* name)
    {
        fn = reinterpret_cast<Fn>(dlsym(library, name));
        complete = complete && fn;
    }
};

#define BIND(name) bind(api.name, #name)

bool bindAll(MixerApi& api, Binder& bind)
{
    BIND(SDL_SetHint);
    BIND(SDL_InitSubSystem);
    BIND(SDL_QuitSubSystem);
    BIND(SDL_WasInit);
    BIND(SDL_Quit);
    BIND(SDL_RWFromConstMem);
    BIND(SDL_TLSCleanup);
    BIND(Mix_OpenAudioDevice);
    BIND(Mix_CloseAudio);
    BIND(Mix_AllocateChannels);
    BIND(Mix_LoadWAV_RW);
    BIND(Mix_QuickLoad_RAW);
    BIND(Mix_FreeChunk);
    BIND(Mix_PlayChannel);
    BIND(Mix_ExpireChannel);
    BIND(Mix_RegisterEffect);
    BIND(Mix_HaltChannel);
    BIND(Mix_GroupChannels);
    BIND(Mix_GroupOldest);
    BIND(Mix_GroupAvailable);
    BIND(Mix_Playing);
    BIND(Mix_SetSoundFonts);
    BIND(Mix_LoadMUS_RW);
    BIND(Mix_FreeMusic);
    BIND(Mix_PlayMusic);
    BIND(Mix_VolumeMusic);
    BIND(Mix_FadeOutMusic);
    BIND(Mix_HaltMusic);
    BIND(Mix_PlayingMusic);
    return bind.complete;
}

#undef BIND

} // namespace

const MixerApi* mixerApi()
{
    static MixerApi api;
    static bool loaded = false;
    static std::once_flag once;
    std::call_once(once, [] {
        // Kept for the life of the program: SDL's and FluidSynth's threads and handlers may outlive
        // any one player.
        void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        Binder bind{library};
        loaded = bindAll(api, bind);
        quietenFluidSynth();
    });
    return loaded ? &api : nullptr;
}
