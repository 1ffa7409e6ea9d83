#pragma once
#include "platform/speechengine.h"

#include <QList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

struct audio_object;

// The speech engine over espeak-ng. Voice 0 is espeak-ng's Catalan voice "ca"; the others are a
// short list of Catalan and Spanish speaker variants, those the installed voice data holds.
//
// Nothing is started until the first member is used, so the program starts fast. Then one worker
// thread of this engine synthesises each utterance (espeak-ng in synchronous mode) and plays the
// samples on the sound device as they come; the window goes on meanwhile. A new utterance or a
// stop ends the one being synthesised at its next block and drops what the device still holds.
// Without voice data nothing is spoken; without a sound device the samples go nowhere.
//
// espeak-ng is one library state per process: it is started once (the first engine's data folder
// wins), never shut down (its shutdown can hang), and one engine at a time synthesises.
class EspeakSpeech : public SpeechEngine {
public:
    // dataFolder: espeak-ng's data folder; empty for the installed one.
    explicit EspeakSpeech(QString dataFolder = {});
    ~EspeakSpeech() override;
    EspeakSpeech(const EspeakSpeech&) = delete;
    EspeakSpeech& operator=(const EspeakSpeech&) = delete;

    int voiceCount() override;
    QString voiceName(int voice) override;
    void stop() override;
    void reset() override;
    void setVoice(int voice) override;
    void speak(const QString& text) override;
    // Starts espeak-ng and finds the voices on a thread of its own; the first use waits for it.
    void prepare() override;

    // Whether espeak-ng started and holds the Catalan voice.
    bool available();
    // espeak-ng's name of a voice ("ca", "ca+m1"), empty for a number without a voice.
    QString voiceIdentifier(int voice);
    // Samples per second of every utterance (16-bit, mono).
    int sampleRate();
    // Synthesises the text in that voice without playing it and returns the samples; waits for
    // them. Empty when nothing could be synthesised.
    QList<qint16> synthesise(const QString& text, int voice);

    // Called on the worker thread with each block of an utterance's samples, before it is played.
    using Tap = std::function<void(const QString& text, const qint16* samples, int count)>;
    void setTap(Tap tap);
    // Waits until nothing is being said or waiting to be; false when the time ran out first.
    bool waitUntilIdle(int milliseconds);

private:
    struct Request {
        QString text;
        int voice = 0;
        quint64 serial = 0;
    };
    bool start();
    void run();
    void say(const Request& request);
    // Synthesises on the worker, handing each block to sink; sink returns false to end early.
    bool synthesiseOn(const QString& text, int voice, const std::function<bool(const qint16*, int)>& sink);
    bool openAudio();
    void closeAudio();
    void play(const qint16* samples, int count);

    QString dataFolder_;
    bool started_ = false;
    bool available_ = false;
    int voice_ = 0; // the voice that utterances are queued with

    std::mutex mutex_; // guards everything below up to the worker's own state
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<Request> pending_;
    std::deque<std::function<void()>> tasks_;
    Tap tap_;
    bool busy_ = false;
    bool quit_ = false;
    std::atomic<quint64> serial_{0}; // the utterance that should be sounding
    std::thread worker_;
    std::thread preparer_;

    // Worker's own state.
    audio_object* audio_ = nullptr;
    bool audioHoldsSamples_ = false;
    std::optional<std::chrono::steady_clock::time_point> audioFailedAt_;
};
