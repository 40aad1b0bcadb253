// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/EspeakLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Fn>
bool bind(void* library, Fn& fn, const char* name)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}

} // namespace

#define BIND(name) bind(library, bound.name, #name)

bool loadEspeak(const char* path, EspeakApi& api)
{
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    EspeakApi bound;
    const bool complete = BIND(espeak_Initialize) && BIND(espeak_SetSynthCallback) && BIND(espeak_SetVoiceByName)
        && BIND(espeak_SetParameter) && BIND(espeak_Synth);
    if (!complete) {
        dlclose(library);
        return false;
    }
    bound.library = library;
    api = bound;
    return true;
}

#undef BIND

const char* const* espeakDataFolders()
{
    static const char* const folders[] = {
#ifdef WUPPLE_MULTIARCH
        "/usr/lib/" WUPPLE_MULTIARCH "/espeak-ng-data",
#endif
        "/usr/lib/x86_64-linux-gnu/espeak-ng-data", "/usr/lib/aarch64-linux-gnu/espeak-ng-data",
        "/usr/lib/i386-linux-gnu/espeak-ng-data",   "/usr/lib/arm-linux-gnueabihf/espeak-ng-data",
        "/usr/share/espeak-ng-data",                "/usr/local/share/espeak-ng-data",
        nullptr};
    return folders;
}
