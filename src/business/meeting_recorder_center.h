#pragma once

#include "widget/meeting/meeting_recorder.h"

class FunControlCenter;
class MeetingMinutes;

// The control center as the minutes window's recorder, and the control
// center's meeting results delivered to that window.
class ControlCenterMeetingRecorder : public MeetingRecorder
{
public:
    explicit ControlCenterMeetingRecorder(FunControlCenter *center) : m_center(center) {}

    // Sets this recorder on the window and routes the results to it.
    void attach(MeetingMinutes *minutes);

    void startMeeting() override;
    void stopMeeting() override;
    void translateMeeting(const QString &transcript) override;
    QString recognitionEngine() const override;

private:
    FunControlCenter *m_center;
};
