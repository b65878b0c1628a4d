// The Microsoft recogniser in the control center: streaming through the
// speech library where it can run, otherwise file transcription of what the
// mouse recorded (segments as they are written, or the whole recording when
// the press ends).

#include "funcontrolcenter.h"

#include "core/config/endpoints.h"
#include "core/device/mousedevice.h"
#include "core/speech/microsoftspeech.h"
#include "widget/tradialogue.h"

#include <QDebug>

void FunControlCenter::initMicrosoftSpeech()
{
    m_microsoftSpeech = new MicrosoftSpeech(this);
    m_microsoftSpeechRegion = BuiltInCredentials::speechMicrosoftRegion();
    m_microsoftSpeechKey = BuiltInCredentials::speechMicrosoftKey();
    m_microsoftSpeech->setRegion(m_microsoftSpeechRegion);
    m_microsoftSpeech->setKey(m_microsoftSpeechKey);
    connect(m_microsoftSpeech, &MicrosoftSpeech::asrResult, this,
            &FunControlCenter::processingRecognitionResults);
    if (m_device) {
        m_microsoftSpeech->setAudioSource(m_device);
        connect(m_device, &MouseDevice::audioWavFile, m_microsoftSpeech,
                &MicrosoftSpeech::multiFileTranscription);
    }
}

bool FunControlCenter::usesMicrosoft() const
{
    return m_device && m_device->recognizer == QLatin1String("microsoft");
}

void FunControlCenter::startMicrosoftRecognition(const QString &code, bool meeting)
{
    // The library keeps one session at a time.
    if (m_microsoftPath == MicrosoftPath::Streaming)
        m_microsoftSpeech->recognitionEnd();
    m_microsoftSpeech->setLocale(code);
    QString why;
    if (m_microsoftSpeech->streamingAvailable(&why)) {
        m_microsoftPath = MicrosoftPath::Streaming;
        m_microsoftSpeech->startRecognition(meeting ? "Transcript" : std::string());
        return;
    }
    // Without the speech library the press is still recognised, from files.
    const QString &mode = meeting ? m_device->meetingMode : m_device->voiceMode;
    qWarning().noquote() << "no streaming recognition (" << why << "), transcribing files in"
                         << mode << "mode";
    if (mode == QLatin1String("Multi")) {
        m_microsoftPath = MicrosoftPath::Segments;
        m_segmentRecording = true;
    } else {
        m_microsoftPath = MicrosoftPath::WholeRecording;
    }
}

void FunControlCenter::stopMicrosoftRecognition()
{
    const MicrosoftPath path = m_microsoftPath;
    m_microsoftPath = MicrosoftPath::None;
    switch (path) {
    case MicrosoftPath::Streaming:
        m_microsoftSpeech->recognitionEnd();
        break;
    case MicrosoftPath::Segments:
        // The device hands over its last segment (index -1) as it stops.
        m_segmentRecording = false;
        break;
    case MicrosoftPath::WholeRecording:
        if (!m_microsoftSpeech->quickTranscription(QString(), -1)) {
            emit speechWindowText(tr("没有录到声音"));
            finishLater();
        }
        break;
    case MicrosoftPath::None:
        break;
    }
}
