// Meetings in the control center: one long recognition from the record
// button to the stop button, every result handed to the minutes window, and
// the finished transcript translated for it.

#include "funcontrolcenter.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/tencentcloudspeech.h"
#include "core/speech/xfyunwebapidomestic.h"

#include "core/config/endpoints.h"

#include <QDebug>
#include <QJsonDocument>

void FunControlCenter::initAliyunMeeting()
{
    registerMeetingResultType();
    m_aliyun = new AliyunMeetingApi(this);
    if (m_device)
        m_aliyun->setAudioSource(m_device, SIGNAL(onAudioData(QByteArray)));
    connect(m_aliyun, &AliyunMeetingApi::meetingResultBlock, this,
            &FunControlCenter::aliyunMeetingResult);
    m_meetingAppId = BuiltInCredentials::dashscopeAppId();
    m_meetingApiKey = BuiltInCredentials::dashscopeApiKey();
}

void FunControlCenter::setMeetingCredentials(const QString &appId, const QString &apiKey)
{
    m_meetingAppId = appId;
    m_meetingApiKey = apiKey;
}

bool FunControlCenter::usesAliyunMeeting()
{
    return IniFileInf::get_keydefine(QStringLiteral("use_aliyun_meeting")) == QLatin1String("1");
}

void FunControlCenter::startMeeting()
{
    if (usesAliyunMeeting()) {
        mSence = SENCE_MEETING;
        startAliyunMeeting(QJsonObject());
        return;
    }
    // A dictation still draining must not write into the meeting.
    m_xfyun->cancelAsr();
    m_tencent->cancelAsr();
    m_listening = false;
    mSence = SENCE_MEETING;
    m_typedText.clear();
    m_segmentRecording = false;
    const int ptt = IniFileInf::get_keydefine(QStringLiteral("ptt")).toInt();
    m_xfyun->setPtt(ptt);
    m_xfyun->setRegion(IniFileInf::get_keydefine(QStringLiteral("country")));
    chooseRecogniser(IniFileInf::get_keydefine(QStringLiteral("listenlangstr")), ptt, true);
    if (m_device)
        m_device->startRecord();
}

void FunControlCenter::stopMeeting()
{
    if (usesAliyunMeeting()) {
        stopAliyunMeeting();
        return;
    }
    if (m_device)
        m_device->stopRecord();
    if (!m_listening)
        return;
    m_listening = false;
    if (usesTencent(IniFileInf::get_keydefine(QStringLiteral("listenlangstr")))) {
        m_tencent->finishAsr();
        return;
    }
    if (m_microsoftPath != MicrosoftPath::None) {
        stopMicrosoftRecognition();
        return;
    }
    // The long dictation delivers everything it has, then LongAudioEnd.
    m_xfyun->endAsr(true);
}

void FunControlCenter::meetProcessingRecognitionResults(bool success, const QString &text,
                                                        PXASRResultType type)
{
    qDebug() << "FunControlCenter::meetProcessingRecognitionResults" << success << " textResult: "
             << text << int(type);
    emit showMeetingText(success, text, type);
}

void FunControlCenter::translateMeeting(const QString &transcript)
{
    if (transcript.trimmed().isEmpty())
        return;
    mSence = SENCE_MEETING;
    m_typeTranslation = false;
    startTranslation(transcript, IniFileInf::get_keydefine(QStringLiteral("translatelangstr")));
}

void FunControlCenter::startAliyunMeeting(const QJsonObject &parameters)
{
    qDebug() << "startAliyunMeeting called";
    qDebug() << "appId:" << m_meetingAppId << " apiKey:"
             << (m_meetingApiKey.isEmpty() ? "empty" : "set");
    if (m_meetingAppId.isEmpty() || m_meetingApiKey.isEmpty()) {
        qWarning() << "Aliyun appId/apiKey not configured";
        // The minutes window would otherwise wait for a meeting that never starts.
        emit showMeetingText(false, tr("会议转写服务未配置"), PXASRResultType::Error);
        return;
    }
    mSence = SENCE_MEETING;
    m_meetingTaskId.clear();
    m_meetingSentences.clear();
    m_meetingTranscript.clear();
    m_meetingEnded = false;
    qDebug() << "Calling startMeetingWithCreate";
    m_aliyun->startMeetingWithCreate(
        m_meetingAppId, m_meetingApiKey, QStringLiteral("pcm"), 16000, QString(), parameters,
        [this](bool success, const QString &text, AliyunMeetingApi::MeetingResultType type) {
            qDebug() << "Lambda callback called with success:" << success << " msg:" << text
                     << " type:" << int(type);
            if (!success)
                return;
            if (type == AliyunMeetingApi::TaskCreated) {
                qDebug() << "Aliyun task created, dataId=" << text;
                if (m_device)
                    m_device->startRecord();
            } else if (type == AliyunMeetingApi::RecognizeResult) {
                emit aliyunRecognitionText(text);
            }
        });
}

void FunControlCenter::stopAliyunMeeting()
{
    // No reset before the end: it would drop the audio not yet sent, and the
    // client sends the last frames before its final finish-task.
    m_aliyun->endMeeting();
    if (m_meetingTaskId.isEmpty())
        return;
    if (m_device)
        m_device->stopRecord();
    m_aliyun->finishTask(m_meetingAppId, m_meetingTaskId, m_meetingApiKey, {});
}

void FunControlCenter::queryMeetingTask(const QString &taskId)
{
    if (taskId.isEmpty())
        return;
    m_aliyun->getTask(
        m_meetingAppId, taskId, m_meetingApiKey,
        [this](bool success, const QString &text, AliyunMeetingApi::MeetingResultType type) {
            qDebug() << "Query task result:" << success << text << int(type);
            if (success && type == AliyunMeetingApi::RawMessage)
                emit showMeetingJson(text);
        });
}

void FunControlCenter::aliyunMeetingResult(bool success, const QString &text,
                                           AliyunMeetingApi::MeetingResultType type)
{
    qDebug() << "AliyunMeetingApi callback" << success << text << int(type);
    switch (type) {
    case AliyunMeetingApi::RecognizeResult: {
        // The service sends one sentence at a time; the minutes window shows
        // everything so far, as with the other recognisers.
        const QString whole = m_meetingSentences + text;
        if (m_aliyun->lastSentenceEnded())
            m_meetingSentences = whole;
        m_meetingTranscript = whole;
        emit showMeetingText(true, whole, PXASRResultType::Continue);
        break;
    }
    case AliyunMeetingApi::MeetingEnded:
        // "Disconnected" follows the service's own end: one end per meeting.
        if (m_meetingEnded)
            break;
        m_meetingEnded = true;
        // The window shows what it is given: the transcript, not the words
        // "Meeting ended"; then the end of the meeting asks for its translation,
        // as a long dictation's end does.
        qDebug() << "meeting ended:" << text;
        if (!m_meetingTranscript.isEmpty())
            emit showMeetingText(true, m_meetingTranscript, PXASRResultType::Finish);
        emit showMeetingText(true, QString(), PXASRResultType::LongAudioEnd);
        break;
    case AliyunMeetingApi::TaskFailed:
    case AliyunMeetingApi::RequestFailed:
        emit showMeetingText(false, text, PXASRResultType::Error);
        break;
    case AliyunMeetingApi::TaskCreated: {
        m_meetingTaskId = text;
        emit showMeetingText(true, text, PXASRResultType::None);
        const QJsonObject output{{QStringLiteral("action"), QStringLiteral("create-task")},
                                 {QStringLiteral("dataId"), text}};
        const QJsonObject payload{{QStringLiteral("output"), output}};
        emit showMeetingJson(QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("payload"), payload}})
                .toJson(QJsonDocument::Compact)));
        break;
    }
    case AliyunMeetingApi::RawMessage:
        emit showMeetingJson(text);
        break;
    default:
        break;
    }
}
