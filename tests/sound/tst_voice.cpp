// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real voice: espeak-ng's letters and words in the four languages, heard through SDL's disk
// driver; a burst of keys; and a game that plays on in silence when the synthesizer is missing.
#include "GameSession.h"
#include "sound/EspeakSpeech.h"
#include "sound/SdlSound.h"
#include "sound/SpokenTexts.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <mutex>

namespace {

// Passes everything on to `next` (when given) and keeps each voice's samples.
class ClipTap final : public Sound {
public:
    explicit ClipTap(Sound* next = nullptr) : m_next(next) {}
    struct Clip {
        std::vector<short> samples;
        int rate = 0;
        double seconds() const { return double(samples.size()) / rate; }
    };
    std::vector<Clip> clips() const
    {
        std::lock_guard lock(m_mutex);
        return m_clips;
    }
    void playWav(int id, const QByteArray& wave) override
    {
        if (m_next)
            m_next->playWav(id, wave);
    }
    void openAndPlayMusic(const QString& path) override
    {
        if (m_next)
            m_next->openAndPlayMusic(path);
    }
    void closeMusic() override
    {
        if (m_next)
            m_next->closeMusic();
    }
    void playVoice(const short* samples, int count, int rate) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_clips.push_back({std::vector<short>(samples, samples + count), rate});
        }
        if (m_next)
            m_next->playVoice(samples, count, rate);
    }
    void stopVoice() override
    {
        if (m_next)
            m_next->stopVoice();
    }

private:
    Sound* m_next;
    mutable std::mutex m_mutex;
    std::vector<Clip> m_clips;
};

struct Level {
    int peak = 0;
    double rms = 0;
};

template <typename Samples>
Level levelOf(const Samples& s)
{
    Level l;
    double sum = 0;
    for (auto v : s) {
        l.peak = std::max(l.peak, std::abs(int(v)));
        sum += double(v) * v;
    }
    l.rms = s.empty() ? 0 : std::sqrt(sum / double(s.size()));
    return l;
}

QStringList lettersOf(int language)
{
    QStringList letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters << QString(QChar::fromLatin1(c));
    if (language == 0)
        letters << QStringLiteral("Ä") << QStringLiteral("Ö") << QStringLiteral("Ü");
    if (language == 2)
        letters << QStringLiteral("Ä") << QStringLiteral("Ö") << QStringLiteral("Å");
    return letters;
}

QStringList wordsOf(int language)
{
    static const char* const words[4][5] = {
        {"ELEFANT", "IGEL", "KÄFER", "SCHMETTERLING", "BÄR"},
        {"ELEPHANT", "CAT", "HOUSE", "BUTTERFLY", "APPLE"},
        {"ELEFANT", "ÄPPLE", "FÅGEL", "SKEPP", "KATT"},
        {"ELEFANTE", "GATTO", "CASA", "FARFALLA", "MELA"}};
    QStringList list;
    for (const char* w : words[language])
        list << spoken::word(QString::fromUtf8(w), language);
    return list;
}

// Puts a real voice in the game for one test, and takes it out again before it goes.
struct VoiceInstalled {
    explicit VoiceInstalled(Speech* speech) { platform().speech = speech; }
    ~VoiceInstalled() { platform().speech = nullptr; }
};

const QString noLibrary = QStringLiteral("/no/such/folder/libespeak-ng.so.1");

int soundLogLines = 0;
QtMessageHandler previousHandler = nullptr;
void countSoundLog(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && QByteArray(context.category) == "wupple.sound")
        ++soundLogLines;
    previousHandler(type, context, message);
}

} // namespace

class Voice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        EspeakSpeech probe(nullptr);
        for (int language = 0; language < 4; ++language)
            QVERIFY2(probe.hasVoice(language), "espeak-ng-data is missing: run scripts/install-deps.sh");
    }

    // Every letter name and five words of each language: heard, and as long as a name or a word
    // takes at a child's pace.
    void lettersAndWordsOfEachLanguage()
    {
        for (int language = 0; language < 4; ++language) {
            ClipTap tap;
            EspeakSpeech speech(&tap);
            const QStringList letters = lettersOf(language), words = wordsOf(language);
            for (const QString& text : letters + words) {
                speech.say(text, language, Speech::Manner::Cut);
                speech.waitForRequests();
            }
            const auto clips = tap.clips();
            QCOMPARE(int(clips.size()), int(letters.size() + words.size()));
            for (std::size_t i = 0; i < clips.size(); ++i) {
                const bool letter = i < std::size_t(letters.size());
                const QString what = QStringLiteral("%1 \"%2\"").arg(spoken::voiceName(language), (letters + words)[qsizetype(i)]);
                const Level level = levelOf(clips[i].samples);
                QVERIFY2(level.peak >= 4000 && level.rms >= 500, qPrintable(what));
                const double s = clips[i].seconds();
                QVERIFY2(letter ? s >= 0.1 && s <= 1.6 : s >= 0.25 && s <= 2.5, qPrintable(what + QStringLiteral(" %1 s").arg(s)));
            }
        }
    }

    // What the mixer really rendered, with the voice on a channel of its own: an effect started
    // while a word is spoken cuts nothing. WUPPLE_SPEECH_CLIPS=<folder> keeps every letter and
    // word of each language as rendered there, for listening and measuring (about a minute and a
    // half in real time).
    void heardThroughTheDiskDriver()
    {
        const QString keep = qEnvironmentVariable("WUPPLE_SPEECH_CLIPS");
        QTemporaryDir dir;
        const QString folder = keep.isEmpty() ? dir.path() : keep;
        QDir().mkpath(folder);
        qputenv("SDL_AUDIODRIVER", "disk");
        for (int language = 0; language < 4; ++language) {
            for (const bool letters : {true, false}) {
                if (keep.isEmpty() && letters)
                    continue;
                QStringList texts = letters ? lettersOf(language) : wordsOf(language);
                if (keep.isEmpty())
                    texts = texts.mid(0, 2);
                const QString path = QStringLiteral("%1/%2-%3.raw").arg(folder, spoken::voiceName(language), letters ? "letters" : "words");
                qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
                double spoken = 0;
                {
                    // Asleep between the clips, the device would start the file anew on waking.
                    SdlSound sound(std::chrono::milliseconds(keep.isEmpty() ? 300 : 5000));
                    ClipTap tap(&sound);
                    EspeakSpeech speech(&tap);
                    for (const QString& text : texts)
                        speech.say(text, language, Speech::Manner::After);
                    speech.waitForRequests();
                    for (const auto& clip : tap.clips())
                        spoken += clip.seconds();
                    QTest::qWait(int(tap.clips().back().seconds() * 1000) + 300);
                    sound.waitForRequests();
                }
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray raw = file.readAll();
                const auto* s = reinterpret_cast<const qint16*>(raw.constData());
                const std::vector<qint16> samples(s, s + raw.size() / 2);
                const Level level = levelOf(samples);
                QVERIFY2(level.peak >= 4000, qPrintable(path));
                // Every utterance was heard whole: the loud stretch of the output is as long as the clips.
                qsizetype loudFrames = 0;
                for (std::size_t f = 0; f + 1 < samples.size(); f += 2)
                    loudFrames += std::abs(samples[f]) >= 64 ? 1 : 0;
                QVERIFY2(loudFrames >= spoken * 44100 * 0.6, qPrintable(QStringLiteral("%1: %2 of %3 s loud").arg(path).arg(loudFrames / 44100.0).arg(spoken)));
                if (keep.isEmpty())
                    QFile::remove(path);
            }
        }
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    // Ten letters typed within a second by a child hammering the keyboard: each new letter cuts the
    // one before, nothing queues, and the last thing said is the word they completed.
    void tenKeysWithinASecond()
    {
        GameSession game({QStringLiteral("Abcdefghik")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
        SdlSound sound;
        EspeakSpeech speech(&sound);
        const VoiceInstalled installed(&speech);
        game.startGame();
        for (QChar c : QStringLiteral("abcdefghik")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(game.window.get(), &press);
            QTest::qWait(90);
        }
        settle(*game.window);
        speech.waitForRequests();
        const EspeakSpeech::Record record = speech.record();
        QCOMPARE(record.mostWaiting, 1);
        QVERIFY(record.handed >= 1 && record.handed <= 11);
        QCOMPARE(record.last, QStringLiteral("Abcdefghik"));
        QCOMPARE(game.window->round().score(0), 1);
    }

    // The synthesizer cannot be loaded: the game plays on, effects and all, with one line in the log.
    void missingLibraryPlaysOnSilently()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\n"));
        EspeakSpeech::Options options;
        options.library = noLibrary;
        EspeakSpeech speech(&game.env.sound, options);
        const VoiceInstalled installed(&speech);
        soundLogLines = 0;
        previousHandler = qInstallMessageHandler(countSoundLog);
        game.startGame();
        game.typeText(QStringLiteral("xigel"));
        speech.waitForRequests();
        game.next();
        game.typeText(QStringLiteral("igel"));
        speech.waitForRequests();
        qInstallMessageHandler(previousHandler);
        QVERIFY(speech.record().unavailable);
        QCOMPARE(speech.record().handed, 0);
        QCOMPARE(soundLogLines, 1);
        QCOMPARE(game.window->round().score(1), 2);
        QVERIFY(game.env.sound.played.contains(104));
    }
};

QTEST_MAIN(Voice)
#include "tst_voice.moc"
