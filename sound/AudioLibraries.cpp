#include "AudioLibraries.h"

#include <dlfcn.h>
#include <mutex>

namespace {

// Binds every member, in declaration order, to the symbol of the same name; all or nothing.
template <typename Api>
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

#define BIND(api, name) bind(api.name, #name)

bool bindSdl(SdlApi& api, Binder<SdlApi>& bind)
{
    BIND(api, SDL_SetHint);
    BIND(api, SDL_InitSubSystem);
    BIND(api, SDL_QuitSubSystem);
    BIND(api, SDL_WasInit);
    BIND(api, SDL_Quit);
    BIND(api, SDL_OpenAudioDevice);
    BIND(api, SDL_CloseAudioDevice);
    BIND(api, SDL_PauseAudioDevice);
    BIND(api, SDL_LockAudioDevice);
    BIND(api, SDL_UnlockAudioDevice);
    BIND(api, SDL_RWFromConstMem);
    BIND(api, SDL_LoadWAV_RW);
    BIND(api, SDL_FreeWAV);
    BIND(api, SDL_BuildAudioCVT);
    BIND(api, SDL_ConvertAudio);
    BIND(api, SDL_TLSCleanup);
    return bind.complete;
}

bool bindFluid(FluidApi& api, Binder<FluidApi>& bind)
{
    BIND(api, new_fluid_settings);
    BIND(api, delete_fluid_settings);
    BIND(api, fluid_settings_setnum);
    BIND(api, fluid_settings_setint);
    BIND(api, new_fluid_synth);
    BIND(api, delete_fluid_synth);
    BIND(api, fluid_synth_sfload);
    BIND(api, fluid_synth_write_float);
    BIND(api, fluid_synth_get_active_voice_count);
    BIND(api, new_fluid_player);
    BIND(api, delete_fluid_player);
    BIND(api, fluid_player_add_mem);
    BIND(api, fluid_player_play);
    BIND(api, fluid_player_get_status);
    BIND(api, fluid_set_log_function);
    return bind.complete;
}

#undef BIND

template <typename Api, typename BindAll>
const Api* load(const char* soname, BindAll bindAll)
{
    // Local binding keeps the library's many dependencies out of the game's own symbol lookups.
    void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static Api api;
    Binder<Api> binder{library};
    if (!bindAll(api, binder))
        return nullptr; // the library stays loaded: unloading it is never worth the risk
    return &api;
}

} // namespace

const SdlApi* sdlApi()
{
    static std::once_flag once;
    static const SdlApi* api = nullptr;
    std::call_once(once, [] { api = load<SdlApi>("libSDL2-2.0.so.0", bindSdl); });
    return api;
}

const FluidApi* fluidApi()
{
    static std::once_flag once;
    static const FluidApi* api = nullptr;
    std::call_once(once, [] { api = load<FluidApi>("libfluidsynth.so.3", bindFluid); });
    return api;
}
