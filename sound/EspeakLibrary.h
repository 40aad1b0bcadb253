// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// espeak-ng, loaded when the first word is to be said rather than when the program starts: it brings
// PulseAudio's and ALSA's libraries along, which a game whose voice stays unused never needs. Only
// the functions the voice calls are bound, each with its type from the library's own header.
#include <espeak-ng/speak_lib.h>

#define WUPPLE_ESPEAK_FN(name) decltype(&::name) name = nullptr

struct EspeakApi {
    WUPPLE_ESPEAK_FN(espeak_Initialize);
    WUPPLE_ESPEAK_FN(espeak_SetSynthCallback);
    WUPPLE_ESPEAK_FN(espeak_SetVoiceByName);
    WUPPLE_ESPEAK_FN(espeak_SetParameter);
    WUPPLE_ESPEAK_FN(espeak_Synth);
    void* library = nullptr;
};

#undef WUPPLE_ESPEAK_FN

// The library's usual name, found along the system's library path.
inline constexpr const char* EspeakLibraryName = "libespeak-ng.so.1";

// Loads the library at `path` and binds its functions. False, with `api` untouched, when the library
// or one of its functions is missing. The library stays loaded for the life of the program.
bool loadEspeak(const char* path, EspeakApi& api);

// The folders where the synthesizer's data may be installed, most specific first.
const char* const* espeakDataFolders();
