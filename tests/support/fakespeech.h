#pragma once
#include "platform/speechengine.h"

#include <QList>
#include <QStringList>
#include <QTest>

// Reports the voices a test gives it and records every member used, in order.
class FakeSpeech : public SpeechEngine {
public:
    struct Call {
        int member = 0;   // 18, 23, 36, 69 or 6
        QString argument; // the voice number or the text; empty for 18 and 36
        bool operator==(const Call&) const = default;
    };

    int voiceCount() override {
        calls.append(Call{18, {}});
        return int(voices.size());
    }
    QString voiceName(int voice) override {
        calls.append(Call{23, QString::number(voice)});
        return voices.value(voice - 1);
    }
    void stop() override { calls.append(Call{36, {}}); }
    void setVoice(int voice) override {
        calls.append(Call{69, QString::number(voice)});
        voice_ = voice;
    }
    // Not a member the windows call, so it is counted apart from the calls.
    void reset() override {
        ++resets;
        voice_ = 0;
    }
    int voice() const { return voice_; }
    void speak(const QString& text) override { calls.append(Call{6, text}); }

    // The member numbers called, in order.
    QList<int> members() const {
        QList<int> out;
        for (const Call& c : calls)
            out.append(c.member);
        return out;
    }

    QStringList voices; // the names of voices 1 to n
    QList<Call> calls;
    int resets = 0;

private:
    int voice_ = 0; // the voice utterances would be spoken in
};

// "member(argument)" in a test's failure message.
inline char* toString(const FakeSpeech::Call& call) {
    return QTest::toString(QStringLiteral("%1(%2)").arg(call.member).arg(call.argument));
}
