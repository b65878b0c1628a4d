// Sonabridge where the speech SDK cannot be used: no core library beside the
// executable or on the search path, or one lacking a function. Built twice,
// once for each folder.
#include "sonabridge_rig.h"

#include <QtTest>

class TestSonabridgeUnavailable : public QObject {
    Q_OBJECT

private:
    SonabridgeExports mBridge;

private slots:
    void initTestCase()
    {
        const QString failure = mBridge.load();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void recognitionShowsAndLogsWhy()
    {
        CallbackRecorder recorder;
        mBridge.recognitionStart("westeurope", "key", "en-US", recorder.text(), recorder.log());
        const QStringList lines = recorder.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("text10 Microsoft speech unavailable: ") &&
                     lines[0].contains(EXPECTED_REASON),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], "log " + lines[0].mid(QStringLiteral("text10 ").size()));
        for (std::thread::id id : recorder.threads())
            QVERIFY(id != std::this_thread::get_id());
        // Nothing started: the rest of the press is harmless.
        const uint8_t audio[4] = {1, 2, 3, 4};
        mBridge.write(audio, sizeof(audio));
        mBridge.recognitionEnd();
        QCOMPARE(recorder.lines(), lines);
    }

    void transcriptionOnlyLogsWhy()
    {
        CallbackRecorder recorder;
        mBridge.transcriptionStart("westeurope", "key", "en-US", recorder.text(), recorder.log());
        const QStringList lines = recorder.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("log Microsoft speech unavailable: ") &&
                     lines[0].contains(EXPECTED_REASON),
                 qPrintable(lines[0]));
        mBridge.transcriptionEnd();
    }
};

QTEST_GUILESS_MAIN(TestSonabridgeUnavailable)
#include "test_sonabridge_unavailable.moc"
