// The real speech engine over espeak-ng: readying it ahead, the voices, Catalan audio, speaking in the
// background, replacing an utterance, and a machine without a sound device (as on CI).
#include "platform/espeakspeech.h"

#include <QElapsedTimer>
#include <QTest>
#include <future>
#include <mutex>
#include <semaphore>

namespace {
const QString greeting = QString::fromUtf8("Bon dia, com estàs?");
const QString longText = QString::fromUtf8(
    "Hi havia una vegada un nen que vivia en una casa petita al costat del riu, i cada matí "
    "anava a l'escola amb la seva germana gran, que li explicava contes de dracs i de princeses.");

// What the tap saw, block by block.
struct Heard {
    std::mutex mutex;
    QStringList texts; // one entry per block
    qsizetype samples = 0;
    void add(const QString& text, int count) {
        std::lock_guard lock(mutex);
        texts << text;
        samples += count;
    }
};
} // namespace

class TestEspeakSpeech : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // First, while espeak-ng is not yet started in this process: readying it in the background
    // changes nothing of what follows, also for an engine that goes while it readies.
    void preparedAhead() {
        {
            EspeakSpeech gone;
            gone.prepare();
        }
        EspeakSpeech e;
        e.prepare();
        e.prepare();
        QCOMPARE(e.voiceIdentifier(0), QString("ca"));
        QVERIFY(e.voiceCount() >= 1);
        QVERIFY(!e.synthesise(greeting, 0).isEmpty());
    }

    void voices() {
        EspeakSpeech e;
        QVERIFY(e.available());
        QCOMPARE(e.voiceIdentifier(0), QString("ca"));
        const int n = e.voiceCount();
        QVERIFY2(n >= 1 && n < 20, "a short list, not every language");
        for (int i = 1; i <= n; ++i) {
            const QString name = e.voiceName(i);
            QVERIFY2(name.startsWith(QString::fromUtf8("Català")) ||
                         name.startsWith(QString::fromUtf8("Castellà")),
                     qPrintable(name));
            const QString id = e.voiceIdentifier(i);
            QVERIFY2(id.startsWith("ca") || id.startsWith("es"), qPrintable(id));
        }
        QCOMPARE(e.voiceName(0), QString());
        QCOMPARE(e.voiceName(n + 1), QString());
        QCOMPARE(e.voiceIdentifier(-1), QString());
    }

    void catalanAudio() {
        EspeakSpeech e;
        const QList<qint16> samples = e.synthesise(greeting, 0);
        // Some half a second of sound at the least, not silence.
        QVERIFY2(samples.size() > e.sampleRate() / 2, qPrintable(QString::number(samples.size())));
        const auto loudest = std::max_element(samples.begin(), samples.end(),
                                              [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); });
        QVERIFY(std::abs(*loudest) > 1000);
        // Every voice of the list speaks, and an unknown number gives nothing.
        for (int i = 1; i <= e.voiceCount(); ++i)
            QVERIFY2(!e.synthesise(greeting, i).isEmpty(), qPrintable(e.voiceName(i)));
        QVERIFY(e.synthesise(greeting, e.voiceCount() + 1).isEmpty());
    }

    // On CI there is no sound device: speaking goes through all the same and reports nothing.
    void speakReturnsAndSynthesises() {
        EspeakSpeech e;
        Heard heard;
        e.setTap([&](const QString& text, const qint16*, int count) { heard.add(text, count); });
        e.stop();
        e.setVoice(0);
        e.speak(greeting);
        e.setVoice(99); // no such voice: ignored
        QVERIFY(e.waitUntilIdle(20000));
        QVERIFY(heard.samples > e.sampleRate() / 2);
        QVERIFY(heard.texts.count(greeting) == heard.texts.size());
    }

    // The window goes on while an utterance is synthesised, and a new one cuts the old one short.
    void newUtteranceReplacesTheOldOne() {
        EspeakSpeech e;
        Heard heard;
        std::binary_semaphore firstBlock{0}, release{0};
        e.setTap([&](const QString& text, const qint16*, int count) {
            heard.add(text, count);
            if (text == longText && heard.texts.count(longText) == 1) {
                firstBlock.release();
                release.acquire(); // the worker is stuck in the long text's first block
            }
        });
        e.speak(longText);
        QVERIFY(firstBlock.try_acquire_for(std::chrono::seconds(20)));
        // The caller is not held up by the worker.
        QElapsedTimer timer;
        timer.start();
        e.stop();
        e.speak("dos");
        QVERIFY(timer.elapsed() < 1000);
        release.release();
        QVERIFY(e.waitUntilIdle(20000));
        QCOMPARE(heard.texts.count(longText), 1);
        QVERIFY(heard.texts.count("dos") >= 1);
    }

    void stopDropsWhatWaits() {
        EspeakSpeech e;
        Heard heard;
        std::binary_semaphore inside{0}, release{0};
        e.setTap([&](const QString& text, const qint16*, int count) {
            heard.add(text, count);
            if (text == "u" && heard.texts.count("u") == 1) {
                inside.release();
                release.acquire();
            }
        });
        e.speak("u");
        QVERIFY(inside.try_acquire_for(std::chrono::seconds(20)));
        e.speak("dos"); // waits for the worker...
        e.stop();       // ...and is dropped before it is said
        release.release();
        QVERIFY(e.waitUntilIdle(20000));
        QVERIFY(!heard.texts.contains("dos"));
    }

    void destroyedWhileSpeaking() {
        QElapsedTimer timer;
        {
            std::promise<void> started;
            std::once_flag once;
            auto e = std::make_unique<EspeakSpeech>(); // goes first, before what its tap uses
            e->setTap([&](const QString&, const qint16*, int) {
                std::call_once(once, [&] { started.set_value(); });
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            });
            for (int i = 0; i < 3; ++i)
                e->speak(longText);
            QCOMPARE(started.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
            timer.start();
        }
        QVERIFY2(timer.elapsed() < 2000, "the worker stops at its next block");
    }
};

QTEST_MAIN(TestEspeakSpeech)
#include "tst_espeakspeech.moc"
