#pragma once

#include <QString>

// What the minutes window needs from whoever runs the meeting recognition
// (the control center in the application, a fake in tests). Results come
// back through MeetingMinutes' slots.
class MeetingRecorder
{
public:
    virtual ~MeetingRecorder() = default;
    virtual void startMeeting() = 0;  // starts the meeting recognition
    virtual void stopMeeting() = 0;
    // The answer arrives through MeetingMinutes::updateTranslation() or
    // MeetingMinutes::translationFailed().
    virtual void translateMeeting(const QString &transcript) = 0;
    virtual QString recognitionEngine() const = 0;  // "microsoft" or "default"
};
