#include "SdlSound.h"
#include "AudioLibraries.h"
#include "AudioThread.h"
#include "Tune.h"
#include "common/SafeFile.h"

#include <QFile>
#include <cstring>
#include <future>
#include <malloc.h>

namespace {

// SDL has one audio device for the game: while one player holds it, another one stays silent.
std::atomic<bool> deviceTaken{false};

// 44.1 kHz stereo in 512-frame buffers of about 12 ms: an effect reaches the driver within one
// or two buffers of the call.
constexpr int mixRate = 44100;
constexpr int mixChannels = 2;
constexpr int mixBufferFrames = 512;
// The tune renders about as loud as the effects; at this gain (-5.6 dB) it stays in the background,
// and an effect's peak on top of the music's peak still stays below full scale.
constexpr float musicGain = 0.525f;

// The General MIDI soundfont that comes with FluidSynth on Debian; the first one present wins.
const char* soundFont()
{
    static const char* const candidates[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
                                             "/usr/share/sounds/sf2/default-GM.sf2"};
    for (const char* path : candidates)
        if (QFile::exists(QString::fromLatin1(path)))
            return path;
    return nullptr;
}

} // namespace

SdlSound::SdlSound(std::chrono::milliseconds quietBeforeSleep)
    : m_quietFramesBeforeSleep(quietBeforeSleep.count() * mixRate / 1000)
{
    if (deviceTaken.exchange(true))
        return;
    m_ownsDevice = true;
    // SDL keeps an error text per thread, which only its own threads give back when they end.
    auto cleanUp = [this] {
        if (const SdlApi* sdl = m_sdl.load())
            sdl->SDL_TLSCleanup();
    };
    m_effectThread = std::make_unique<AudioThread>(cleanUp);
    // Loading the tune (libraries, soundfont) starts with the window's first activation; it must not
    // hold up the window coming up, so it takes only processor time nobody else wants.
    m_musicThread = std::make_unique<AudioThread>(cleanUp, AudioThread::Priority::Background);
    // The quiet is checked a few times over its length, and never while the device is closed.
    m_effectThread->setIdleCheck(std::max(quietBeforeSleep / 3, std::chrono::milliseconds(10)),
                                 [this] { return closeWhenQuiet(); });
}

SdlSound::~SdlSound()
{
    // The music worker first: while it loads a tune it may still hand work to the effects worker.
    m_musicThread.reset();
    m_effectThread.reset();
    closeDevice();
    if (const SdlApi* sdl = m_sdl.load(); sdl && sdl->SDL_WasInit(0) == 0)
        sdl->SDL_Quit();
    if (m_ownsDevice)
        deviceTaken = false;
}

void SdlSound::waitForRequests()
{
    if (!m_ownsDevice)
        return;
    for (AudioThread* worker : {m_musicThread.get(), m_effectThread.get()}) {
        std::promise<void> done;
        worker->post([&done] { done.set_value(); });
        done.get_future().wait();
    }
}

void SdlSound::playWav(int id, const QByteArray& wave)
{
    if (!isAudioOn() || wave.isEmpty())
        return;
    m_effectThread->postLatest([this, id, wave] { startEffect(id, wave); });
}

void SdlSound::openAndPlayMusic(const QString& midiPath)
{
    if (!isAudioOn())
        return;
    ++m_musicRequests;
    m_musicThread->post([this, path = QFile::encodeName(midiPath)] {
        startMusic(path);
        --m_musicRequests;
    });
}

void SdlSound::closeMusic()
{
    if (!isAudioOn())
        return;
    m_musicThread->post([this] { stopMusic(); });
}

bool SdlSound::openDevice()
{
    std::lock_guard lock(m_deviceMutex);
    if (m_device)
        return true;
    if (m_failed)
        return false;
    const SdlApi* sdl = sdlApi();
    m_sdl = sdl;
    // Without this hint SDL takes over SIGINT and SIGTERM, and the program no longer ends on them.
    if (!sdl || !sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1") || sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_failed = true;
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = mixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = mixChannels;
    wanted.samples = mixBufferFrames;
    wanted.callback = &SdlSound::mix;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants, and the mixing stays simple.
    m_device = sdl->SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (!m_device) {
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_failed = true;
        return false;
    }
    m_quietFrames = 0;
    m_deviceOpen = true;
    sdl->SDL_PauseAudioDevice(m_device, 0);
    // The effects worker watches for the quiet that lets the device sleep again.
    m_effectThread->post([] {});
    return true;
}

void SdlSound::closeDevice()
{
    std::unique_ptr<Tune> tune, ending;
    {
        std::lock_guard lock(m_deviceMutex);
        if (!m_device)
            return;
        const SdlApi* sdl = m_sdl.load();
        // Closing waits for SDL's audio thread to end, so nothing plays from here on.
        sdl->SDL_CloseAudioDevice(m_device);
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_device = 0;
        m_deviceOpen = false;
        m_voice = sound::EffectVoice();
        tune = std::move(m_tune);
        ending = std::move(m_endingTune);
    }
    if (tune || ending) {
        tune.reset();
        ending.reset();
        // The soundfont was read in many small pieces; hand the pages back to the system.
        malloc_trim(0);
    }
}

bool SdlSound::closeWhenQuiet()
{
    if (!m_deviceOpen)
        return false;
    if (m_musicRequests > 0 || m_quietFrames < m_quietFramesBeforeSleep)
        return true;
    closeDevice();
    // Decoded effects take more memory than their wave images; they are decoded again on demand.
    m_effects.clear();
    return false;
}

void SdlSound::startEffect(int id, const QByteArray& wave)
{
    if (!openDevice())
        return;
    auto it = m_effects.find(id);
    if (it == m_effects.end() || it->second.wave != wave) {
        // Decoded once per effect: converting to the device's format is the slow part.
        sound::Samples samples = decode(wave);
        if (!samples)
            return; // an unreadable wave image is simply not heard
        it = m_effects.insert_or_assign(id, CachedEffect{wave, std::move(samples)}).first;
    }
    std::lock_guard lock(m_deviceMutex);
    if (!m_device)
        return;
    const SdlApi* sdl = m_sdl.load();
    sdl->SDL_LockAudioDevice(m_device);
    m_voice.start(it->second.samples);
    m_quietFrames = 0;
    sdl->SDL_UnlockAudioDevice(m_device);
}

sound::Samples SdlSound::decode(const QByteArray& wave) const
{
    const SdlApi* sdl = m_sdl.load();
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!sdl->SDL_LoadWAV_RW(sdl->SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1, &spec, &buffer, &length))
        return nullptr;
    SDL_AudioCVT cvt{};
    const int needed = sdl->SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, mixChannels, mixRate);
    if (needed < 0) {
        sdl->SDL_FreeWAV(buffer);
        return nullptr;
    }
    std::vector<Uint8> work(std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1)));
    std::memcpy(work.data(), buffer, length);
    sdl->SDL_FreeWAV(buffer);
    cvt.buf = work.data();
    cvt.len = int(length);
    if (needed > 0 && sdl->SDL_ConvertAudio(&cvt) != 0)
        return nullptr;
    const std::size_t bytes = needed > 0 ? std::size_t(cvt.len_cvt) : length;
    auto samples = std::make_shared<std::vector<std::int16_t>>(bytes / 2);
    std::memcpy(samples->data(), work.data(), samples->size() * 2);
    return samples;
}

void SdlSound::startMusic(const QByteArray& path)
{
    stopMusic();
    // A missing or broken file, or no soundfont, leaves the game without music and says nothing.
    // Only a regular file of a sane size is read: a FIFO would hold this worker in open() and the
    // program could never end.
    const FileRead midi = readRegularFile(QFile::decodeName(path), 8 * 1024 * 1024);
    if (midi.check != FileCheck::Ok)
        return;
    std::unique_ptr<Tune> tune = Tune::load(midi.bytes, soundFont(), mixRate, musicGain);
    if (!tune || !openDevice())
        return;
    std::unique_ptr<Tune> dropped;
    {
        std::lock_guard lock(m_deviceMutex);
        if (!m_device)
            return;
        const SdlApi* sdl = m_sdl.load();
        sdl->SDL_LockAudioDevice(m_device);
        // The tune switched off just before may still be fading; it goes on fading beside the new one.
        dropped = std::move(m_endingTune);
        m_endingTune = std::move(m_tune);
        m_tune = std::move(tune);
        m_quietFrames = 0;
        sdl->SDL_UnlockAudioDevice(m_device);
    }
    // `dropped` is freed here, outside the device lock.
}

void SdlSound::stopMusic()
{
    std::lock_guard lock(m_deviceMutex);
    if (!m_device || !m_tune)
        return;
    const SdlApi* sdl = m_sdl.load();
    sdl->SDL_LockAudioDevice(m_device);
    m_tune->fadeOut();
    sdl->SDL_UnlockAudioDevice(m_device);
}

void SdlSound::mix(void* self, unsigned char* stream, int length)
{
    auto* s = static_cast<SdlSound*>(self);
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const int frames = length / (2 * mixChannels);
    std::memset(stream, 0, std::size_t(length));
    bool quiet = true;
    for (Tune* tune : {s->m_endingTune.get(), s->m_tune.get()}) {
        if (tune && !tune->finished()) {
            tune->mixInto(out, frames);
            quiet = false;
        }
    }
    s->m_voice.mixInto(out, frames);
    quiet = quiet && !s->m_voice.sounding();
    s->m_quietFrames = quiet ? s->m_quietFrames + frames : 0;
}

std::unique_ptr<Sound> createSdlSound() { return std::make_unique<SdlSound>(); }
