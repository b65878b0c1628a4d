// Meetings in the control center: one long recognition from the record
// button to the stop button, every result handed to the minutes window, and
// the finished transcript translated for it.

#include "funcontrolcenter.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/tencentcloudspeech.h"
#include "core/speech/xfyunwebapidomestic.h"

#include <QDebug>

void FunControlCenter::startMeeting()
{
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
