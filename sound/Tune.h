#pragma once
// The background tune: a MIDI file played once through FluidSynth with the General MIDI soundfont.
// Loading it (the soundfont above all) is slow and happens on a worker thread; playing it happens
// in the audio callback, which renders it sample by sample so that switching the music off fades
// it out instead of stopping it dead.
#include "sound/EffectVoice.h"

#include <QByteArray>
#include <atomic>
#include <memory>
#include <vector>

struct FluidApi;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

class Tune final {
public:
    // Null when FluidSynth or the soundfont is missing, or `midi` is no playable MIDI file.
    static std::unique_ptr<Tune> load(const QByteArray& midi, const char* soundFont, int sampleRate, float gain);
    ~Tune();
    Tune(const Tune&) = delete;
    Tune& operator=(const Tune&) = delete;

    // Audio callback only: adds the next `frames` stereo frames to `out`.
    void mixInto(std::int16_t* out, int frames);
    // Audio callback (under the device lock) only.
    void fadeOut();
    // The piece and its last notes are over, or it has faded out.
    bool finished() const { return m_finished.load(); }

private:
    Tune(const FluidApi& api) : m_api(api) {}
    void render(float* stereo, int frames, float gain);

    const FluidApi& m_api;
    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    std::vector<float> m_left, m_right, m_block;
    std::vector<float> m_preroll;
    std::size_t m_prerollUsed = 0;
    int m_fadeFrames = 0;
    sound::FadeOut m_fade;
    bool m_fading = false;
    std::atomic<bool> m_finished{false};
};
