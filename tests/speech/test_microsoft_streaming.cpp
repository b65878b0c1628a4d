// The Microsoft recogniser with a speech library beside the executable (a
// stand-in that remembers its calls): what each session start passes, where
// the audio goes, which end closes it, and the library's sentences as results.

#include "core/speech/microsoftspeech.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtTest>

class FakeMouse : public QObject
{
    Q_OBJECT
signals:
    void onAudioData(QByteArray audio);
};

class MicrosoftStreamingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sessionRunsThroughTheLibrary_data();
    void sessionRunsThroughTheLibrary();

private:
    QString takeCalls() const { return QString::fromUtf8(m_takeCalls()); }
    using TakeCalls = const char *(*)();
    TakeCalls m_takeCalls = nullptr;
};

void MicrosoftStreamingTest::initTestCase()
{
    MicrosoftSpeech speech;
    QString why;
    QVERIFY2(speech.streamingAvailable(&why), qPrintable(why));
    QLibrary library(QCoreApplication::applicationDirPath() + "/libsonabridge.so");
    QVERIFY(library.load());
    m_takeCalls = reinterpret_cast<TakeCalls>(library.resolve("fakeSonabridgeTakeCalls"));
    QVERIFY(m_takeCalls);
    takeCalls();
}

void MicrosoftStreamingTest::sessionRunsThroughTheLibrary_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QString>("results");
    QTest::newRow("recognition") << "" << "en-US"
                                 << "recognition westeurope k3y-value en-US|write 640|recognition end"
                                 << "ShowText:5 juta rupiah|Confirm:5 juta rupiah|Finish:5 juta rupiah";
    QTest::newRow("meeting transcription ends as a transcription")
        << "Transcript" << "id-ID"
        << "transcription westeurope k3y-value id-ID|write 640|transcription end"
        << "ShowText:Rp5.000.000|Confirm:Rp5.000.000|Finish:Rp5.000.000";
}

void MicrosoftStreamingTest::sessionRunsThroughTheLibrary()
{
    QFETCH(QString, mode);
    QFETCH(QString, locale);
    QFETCH(QString, calls);
    QFETCH(QString, results);
    FakeMouse mouse;
    MicrosoftSpeech speech;
    speech.setAudioSource(&mouse);
    speech.setRegion("westeurope");
    speech.setKey("k3y-value");
    speech.setLocale(locale);
    QStringList received;
    connect(&speech, &MicrosoftSpeech::asrResult, this,
            [&](bool, const QString &text, PXASRResultType type) {
                received << QString::fromLatin1(pxAsrResultTypeName(type)) + ':' + text;
            });

    speech.startRecognition(mode.toStdString());
    speech.startRecognition(mode.toStdString());  // connected once, not twice
    emit mouse.onAudioData(QByteArray(640, '\x01'));
    speech.recognitionEnd();
    emit mouse.onAudioData(QByteArray(320, '\x02'));  // after the end: not written
    speech.recognitionEnd();                          // nothing left to end

    QStringList expected = calls.split('|');
    expected.insert(1, expected.first());  // the second start
    QCOMPARE(takeCalls(), expected.join('|'));
    QTRY_COMPARE(received.join('|'), results);
}

QTEST_GUILESS_MAIN(MicrosoftStreamingTest)
#include "test_microsoft_streaming.moc"
