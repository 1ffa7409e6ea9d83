#include "platform/espeakspeech.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <alsa/error.h>
#include <espeak-ng/espeak_ng.h>
#include <future>
#include <pcaudiolib/audio.h>

// Quiet unless asked for: a machine without sound is no news to its user.
Q_LOGGING_CATEGORY(lcSpeech, "taudrin.speech", QtInfoMsg)

namespace {

// The voices offered, in menu order. Item 0 is the voice used until one is chosen.
struct VoiceChoice {
    const char* name;
    const char* language;
    const char* variant; // a speaker variant file of the voice data, or nullptr
};
constexpr VoiceChoice voiceChoices[] = {
    {"Català", "ca", nullptr},
    {"Català, home", "ca", "m1"},
    {"Català, home greu", "ca", "m4"},
    {"Català, dona", "ca", "f1"},
    {"Català, dona aguda", "ca", "f5"},
    {"Català, àvia", "ca", "grandma"},
    {"Català, avi", "ca", "grandpa"},
    {"Català, xiuxiueig", "ca", "whisperf"},
    {"Castellà", "es", nullptr},
    {"Castellà, home", "es", "m1"},
    {"Castellà, dona", "es", "f1"},
    {"Castellà d'Amèrica", "es-419", nullptr},
    {"Castellà d'Amèrica, dona", "es-419", "f1"},
};

struct Voice {
    QString name;
    QByteArray identifier; // "ca", "ca+m1"
};

// espeak-ng's one state in the process.
struct Runtime {
    bool ok = false;
    int sampleRate = 22050;
    QList<Voice> voices;  // [0] is Catalan
    std::mutex synthesis; // one utterance at a time, whichever engine asks
};

// Where the blocks of the utterance being synthesised on this thread go.
thread_local const std::function<bool(const qint16*, int)>* currentSink = nullptr;

int synthCallback(short* samples, int count, espeak_EVENT*) {
    if (!currentSink) return 1;
    if (samples && count > 0) return (*currentSink)(samples, count) ? 0 : 1;
    return 0;
}

Runtime& runtime(const QString& dataFolder) {
    static Runtime r;
    static std::once_flag once;
    std::call_once(once, [&] {
        const QByteArray path = QFile::encodeName(dataFolder);
        espeak_ng_InitializePath(dataFolder.isEmpty() ? nullptr : path.constData());
        espeak_ng_ERROR_CONTEXT context = nullptr;
        const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK) {
            qCDebug(lcSpeech) << "no voice data, speech stays silent" << Qt::hex << status;
            return;
        }
        // Blocks of 100 ms: a stop or a new utterance takes effect within one block.
        if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 100, nullptr) != ENS_OK) return;
        const char* data = nullptr;
        espeak_Info(&data);
        const QDir variants(QFile::decodeName(data ? data : "") + QStringLiteral("/voices/!v"));
        for (const VoiceChoice& c : voiceChoices) {
            if (espeak_ng_SetVoiceByName(c.language) != ENS_OK) continue;
            // espeak-ng quietly ignores a missing variant, so look for its file.
            if (c.variant && !variants.exists(QString::fromLatin1(c.variant))) continue;
            QByteArray id(c.language);
            if (c.variant) id += '+' + QByteArray(c.variant);
            r.voices.append({QString::fromUtf8(c.name), id});
        }
        if (r.voices.isEmpty() || r.voices.first().identifier != "ca") {
            qCDebug(lcSpeech) << "no Catalan voice, speech stays silent";
            r.voices.clear();
            return;
        }
        espeak_SetSynthCallback(&synthCallback);
        r.sampleRate = espeak_ng_GetSampleRate();
        r.ok = true;
    });
    return r;
}

Runtime& runtime() {
    return runtime(QString());
}

// ALSA writes its own complaints to the terminal when there is no sound card; we just stay silent.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

EspeakSpeech::EspeakSpeech(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

EspeakSpeech::~EspeakSpeech() {
    if (preparer_.joinable()) preparer_.join();
    if (!worker_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        pending_.reset();
        ++serial_;
    }
    wake_.notify_all();
    worker_.join();
}

bool EspeakSpeech::start() {
    if (started_) return available_;
    started_ = true;
    available_ = runtime(dataFolder_).ok;
    if (available_) worker_ = std::thread(&EspeakSpeech::run, this);
    return available_;
}

void EspeakSpeech::prepare() {
    if (started_ || preparer_.joinable()) return;
    preparer_ = std::thread([folder = dataFolder_] { runtime(folder); });
}

bool EspeakSpeech::available() {
    return start();
}

int EspeakSpeech::voiceCount() {
    return start() ? int(runtime().voices.size()) - 1 : 0;
}

QString EspeakSpeech::voiceName(int voice) {
    if (!start() || voice < 1 || voice >= runtime().voices.size()) return QString();
    return runtime().voices.at(voice).name;
}

QString EspeakSpeech::voiceIdentifier(int voice) {
    if (!start() || voice < 0 || voice >= runtime().voices.size()) return QString();
    return QString::fromLatin1(runtime().voices.at(voice).identifier);
}

int EspeakSpeech::sampleRate() {
    return start() ? runtime().sampleRate : 0;
}

void EspeakSpeech::stop() {
    if (!start()) return;
    std::lock_guard lock(mutex_);
    pending_.reset();
    ++serial_;
}

void EspeakSpeech::reset() {
    stop();
    std::lock_guard lock(mutex_);
    voice_ = 0;
}

void EspeakSpeech::setVoice(int voice) {
    if (!start() || voice < 0 || voice >= runtime().voices.size()) return;
    voice_ = voice;
}

void EspeakSpeech::speak(const QString& text) {
    if (!start()) return;
    {
        std::lock_guard lock(mutex_);
        pending_ = Request{text, voice_, ++serial_};
    }
    wake_.notify_all();
}

void EspeakSpeech::setTap(Tap tap) {
    std::lock_guard lock(mutex_);
    tap_ = std::move(tap);
}

bool EspeakSpeech::waitUntilIdle(int milliseconds) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                          [this] { return !busy_ && !pending_ && tasks_.empty(); });
}

QList<qint16> EspeakSpeech::synthesise(const QString& text, int voice) {
    if (!start() || voice < 0 || voice >= runtime().voices.size()) return {};
    auto result = std::make_shared<std::promise<QList<qint16>>>();
    std::future<QList<qint16>> samples = result->get_future();
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back([this, text, voice, result] {
            QList<qint16> out;
            synthesiseOn(text, voice, [&out](const qint16* s, int n) {
                out.append(QList<qint16>(s, s + n));
                return true;
            });
            result->set_value(std::move(out));
        });
    }
    wake_.notify_all();
    return samples.get();
}

void EspeakSpeech::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || pending_ || !tasks_.empty(); });
        if (quit_) break;
        busy_ = true;
        if (!tasks_.empty()) {
            std::function<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
        } else {
            const Request request = *pending_;
            pending_.reset();
            lock.unlock();
            say(request);
        }
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
    // Whatever is left waits for nobody now.
    for (auto& task : tasks_)
        task();
    tasks_.clear();
    lock.unlock();
    closeAudio();
}

bool EspeakSpeech::synthesiseOn(const QString& text, int voice,
                                const std::function<bool(const qint16*, int)>& sink) {
    Runtime& r = runtime();
    std::lock_guard lock(r.synthesis);
    if (espeak_ng_SetVoiceByName(r.voices.at(voice).identifier.constData()) != ENS_OK) return false;
    const QByteArray utf8 = text.toUtf8();
    currentSink = &sink;
    // Plain text, not markup: whatever a child types is spoken as it stands.
    const espeak_ng_STATUS status = espeak_ng_Synthesize(
        utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    currentSink = nullptr;
    return status == ENS_OK;
}

void EspeakSpeech::say(const Request& request) {
    Tap tap;
    {
        std::lock_guard lock(mutex_);
        tap = tap_;
    }
    const bool sound = openAudio();
    if (!sound && !tap) return;
    const auto current = [&] { return serial_.load() == request.serial; };
    synthesiseOn(request.text, request.voice, [&](const qint16* samples, int count) {
        if (!current()) return false;
        if (tap) tap(request.text, samples, count);
        play(samples, count);
        return current();
    });
    if (!audio_ || !audioHoldsSamples_) return;
    // Draining also starts a short utterance that did not fill the device's buffer; one cut
    // short gives way at once to the next.
    if (current())
        audio_object_drain(audio_);
    else
        audio_object_flush(audio_);
    audioHoldsSamples_ = false;
}

void EspeakSpeech::play(const qint16* samples, int count) {
    if (!audio_) return;
    if (audio_object_write(audio_, samples, size_t(count) * sizeof(qint16)) != 0) {
        // The device went away: the rest of the utterance goes unheard.
        closeAudio();
        audioFailedAt_ = std::chrono::steady_clock::now();
        return;
    }
    audioHoldsSamples_ = true;
}

bool EspeakSpeech::openAudio() {
    if (audio_) return true;
    // A machine without a sound device is not asked again at every word.
    const auto now = std::chrono::steady_clock::now();
    if (audioFailedAt_ && now - *audioFailedAt_ < std::chrono::seconds(30)) return false;
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(&quietAlsa); });
    audio_object* audio = create_audio_device_object(nullptr, "Taudrin", "Taudrin'veu");
    if (audio &&
        audio_object_open(audio, AUDIO_OBJECT_FORMAT_S16LE, uint32_t(runtime().sampleRate), 1) == 0) {
        audio_ = audio;
        audioFailedAt_.reset();
        return true;
    }
    if (audio) audio_object_destroy(audio);
    qCDebug(lcSpeech) << "no sound device";
    audioFailedAt_ = now;
    return false;
}

void EspeakSpeech::closeAudio() {
    if (!audio_) return;
    audio_object_close(audio_);
    audio_object_destroy(audio_);
    audio_ = nullptr;
    audioHoldsSamples_ = false;
}
