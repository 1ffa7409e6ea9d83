#pragma once
#include <QString>

// The speech synthesiser the speech window hosts. Each member keeps the number under which the
// speaking windows address it. Speaking never blocks the caller and never reports a failure:
// without a sound device or voice data it simply says nothing.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // 18: how many voices there are besides voice 0 (Catalan).
    virtual int voiceCount() = 0;
    // 23: the display name of voice 1 to voiceCount(); empty for any other number.
    virtual QString voiceName(int voice) = 0;
    // 36: called before each utterance; stops what is being said.
    virtual void stop() = 0;
    // 69: the voice the following utterances use; a number without a voice is ignored.
    virtual void setVoice(int voice) = 0;
    // 6: speaks the text in the background; a new utterance replaces one still playing.
    virtual void speak(const QString& text) = 0;
    // The synthesiser as the speech window finds it when it loads: voice 0, nothing being said.
    // The window hosts it, so a voice chosen before the window was closed does not outlive it.
    virtual void reset() = 0;
    // Readies the synthesiser in the background ahead of its first use, so that the first word
    // spoken does not wait for it; returns at once. Nothing to do where nothing needs readying.
    virtual void prepare() {}
};
