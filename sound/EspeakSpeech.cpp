// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/EspeakSpeech.h"
#include "sound/Sound.h"
#include "sound/SpokenTexts.h"

#include <QFile>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdlib>

namespace {

Q_LOGGING_CATEGORY(speechLog, "wupple.sound", QtInfoMsg)

// The synthesizer is started once per program and never ended: ending it waits for a thread of its
// own that its synchronous mode never wakes, so the program could not end. Its sample rate, once
// started; only one voice speaks at a time.
std::mutex startMutex;
int startedRate = 0;

// The samples of the utterance being synthesized; the synthesizer runs on one thread only.
thread_local std::vector<short>* collecting = nullptr;

int collect(short* samples, int count, espeak_EVENT*)
{
    if (samples && collecting)
        collecting->insert(collecting->end(), samples, samples + count);
    return 0; // go on
}

// The synthesizer starts and ends with a little silence; cut so a letter is heard at once, keeping a
// few milliseconds of it so the voice does not start with a click.
void trimSilence(std::vector<short>& samples, int rate)
{
    constexpr int threshold = 96;
    const auto loud = [](short s) { return std::abs(int(s)) >= threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        samples.clear();
        return;
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const std::ptrdiff_t margin = rate / 200; // 5 ms
    const auto from = samples.begin() + std::max<std::ptrdiff_t>(first - samples.begin() - margin, 0);
    const auto to = last + std::min<std::ptrdiff_t>(samples.end() - last, margin * 4);
    samples = std::vector<short>(from, to);
}

QString voiceFile(const QString& folder, int language)
{
    return folder + QLatin1Char('/') + QString::fromLatin1(spoken::voiceName(language)) + QStringLiteral("_dict");
}

} // namespace

EspeakSpeech::EspeakSpeech(Sound* sound, Options options) : m_sound(sound), m_options(std::move(options)) {}

EspeakSpeech::~EspeakSpeech()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_requests.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void EspeakSpeech::say(const QString& text, int language, Manner manner)
{
    if (text.trimmed().isEmpty())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_record.unavailable)
            return;
        if (manner == Manner::Cut) {
            // Only the newest letter is worth saying: nothing queues behind the voice.
            ++m_cuts;
            m_requests.clear();
        }
        m_requests.push_back({text, language, manner, m_cuts});
        m_record.mostWaiting = std::max(m_record.mostWaiting, int(m_requests.size()));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_all();
}

void EspeakSpeech::silence()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_cuts;
        m_requests.clear();
    }
    m_wake.notify_all();
    if (m_sound)
        m_sound->stopVoice();
}

bool EspeakSpeech::hasVoice(int language) const
{
    if (language < 0 || language > 3)
        return false;
    if (!m_options.dataFolder.isEmpty())
        return QFile::exists(voiceFile(m_options.dataFolder, language));
    if (const char* own = std::getenv("ESPEAK_DATA_PATH"); own && *own) {
        const QString folder = QFile::decodeName(own);
        if (QFile::exists(voiceFile(folder + QStringLiteral("/espeak-ng-data"), language)) || QFile::exists(voiceFile(folder, language)))
            return true;
    }
    for (const char* const* folder = espeakDataFolders(); *folder; ++folder)
        if (QFile::exists(voiceFile(QString::fromLatin1(*folder), language)))
            return true;
    return false;
}

void EspeakSpeech::waitForRequests()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_requests.empty() && !m_working; });
}

EspeakSpeech::Record EspeakSpeech::record() const
{
    std::lock_guard lock(m_mutex);
    return m_record;
}

bool EspeakSpeech::stale(const Request& request) const { return request.cuts != m_cuts || m_stopping; }

bool EspeakSpeech::load()
{
    if (m_loadTried)
        return m_loaded;
    m_loadTried = true;
    const QByteArray path = QFile::encodeName(m_options.library);
    if (!loadEspeak(path.constData(), m_api)) {
        qCInfo(speechLog, "No voice: the speech synthesizer %s could not be loaded; the game plays on without it",
               path.constData());
        return false;
    }
    const QByteArray data = QFile::encodeName(m_options.dataFolder);
    {
        std::lock_guard lock(startMutex);
        // Without this option a missing data folder ends the whole program.
        if (startedRate <= 0)
            startedRate = m_api.espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                                  data.isEmpty() ? nullptr : data.constData(), espeakINITIALIZE_DONT_EXIT);
        m_sampleRate = startedRate;
    }
    if (m_sampleRate <= 0) {
        qCInfo(speechLog, "No voice: the speech synthesizer did not start; the game plays on without it");
        return false;
    }
    m_api.espeak_SetSynthCallback(&collect);
    // Another voice may have chosen the synthesizer's language before.
    m_voice = -1;
    m_loaded = true;
    return true;
}

std::vector<short> EspeakSpeech::synthesize(const Request& request)
{
    std::vector<short> samples;
    const int language = std::clamp(request.language, 0, 3);
    if (m_voiceMissing[language])
        return samples;
    if (language != m_voice) {
        if (m_api.espeak_SetVoiceByName(spoken::voiceName(language)) != EE_OK) {
            m_voiceMissing[language] = true;
            m_voice = -1;
            qCInfo(speechLog, "No voice for the language \"%s\"; the game plays on without it", spoken::voiceName(language));
            return samples;
        }
        m_voice = language;
    }
    m_api.espeak_SetParameter(espeakRATE, m_options.wordsPerMinute, 0);
    const QByteArray text = request.text.toUtf8();
    collecting = &samples;
    m_api.espeak_Synth(text.constData(), std::size_t(text.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                       nullptr);
    collecting = nullptr;
    trimSilence(samples, m_sampleRate);
    return samples;
}

void EspeakSpeech::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_working = false;
        m_idle.notify_all();
        m_wake.wait(lock, [this] { return m_stopping || !m_requests.empty(); });
        if (m_stopping)
            break;
        Request request = std::move(m_requests.front());
        m_requests.pop_front();
        m_working = true;
        lock.unlock();

        std::vector<short> samples;
        const bool loaded = load();
        if (loaded)
            samples = synthesize(request);

        lock.lock();
        if (!loaded) {
            m_record.unavailable = true;
            m_requests.clear();
            continue;
        }
        // What follows waits until the voice before it has finished; a cut ends the wait.
        if (request.manner == Manner::After)
            m_wake.wait_until(lock, m_speakingUntil, [&] { return stale(request); });
        if (stale(request) || samples.empty())
            continue;
        ++m_record.handed;
        m_record.last = request.text;
        lock.unlock();
        if (m_sound)
            m_sound->playVoice(samples.data(), int(samples.size()), m_sampleRate);
        m_speakingUntil = std::chrono::steady_clock::now()
            + std::chrono::microseconds(qint64(samples.size()) * 1000000 / m_sampleRate);
        lock.lock();
    }
}
