#include "business/meeting_recorder_center.h"

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "widget/meeting/meeting_minutes.h"

void ControlCenterMeetingRecorder::attach(MeetingMinutes *minutes)
{
    minutes->setRecorder(this);
    QObject::connect(m_center, &FunControlCenter::showMeetingText, minutes,
                     &MeetingMinutes::updateMeetingContent);
    QObject::connect(m_center, &FunControlCenter::meetingTraCallback, minutes,
                     &MeetingMinutes::updateTranslation);
    QObject::connect(m_center, &FunControlCenter::meetingTraFailed, minutes,
                     &MeetingMinutes::translationFailed);
    if (const auto device = MouseDevice::instance())
        QObject::connect(device.get(), &MouseDevice::captureWriteFailed, minutes,
                         &MeetingMinutes::captureFailed);
}

void ControlCenterMeetingRecorder::startMeeting() { m_center->startMeeting(); }

void ControlCenterMeetingRecorder::stopMeeting() { m_center->stopMeeting(); }

void ControlCenterMeetingRecorder::translateMeeting(const QString &transcript)
{
    m_center->translateMeeting(transcript);
}

QString ControlCenterMeetingRecorder::recognitionEngine() const
{
    const auto device = MouseDevice::instance();
    return device ? device->recognizer : QStringLiteral("default");
}
