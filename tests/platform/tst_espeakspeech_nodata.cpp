// The real speech engine on a machine without voice data: it reports no voice and says nothing.
// Its own program, since espeak-ng starts once per process.
#include "platform/espeakspeech.h"

#include <QTemporaryDir>
#include <QTest>

class TestEspeakSpeechNoData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void silent() {
        QTemporaryDir empty;
        EspeakSpeech e(empty.path());
        QVERIFY(!e.available());
        QCOMPARE(e.voiceCount(), 0);
        QCOMPARE(e.voiceName(1), QString());
        e.stop();
        e.setVoice(0);
        e.speak("hola");
        QVERIFY(e.synthesise("hola", 0).isEmpty());
        QVERIFY(e.waitUntilIdle(1000));
    }
};

QTEST_MAIN(TestEspeakSpeechNoData)
#include "tst_espeakspeech_nodata.moc"
