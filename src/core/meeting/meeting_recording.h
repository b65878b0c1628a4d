#pragma once

#include <QByteArray>
#include <QString>

class MeetingStore;

// The raw recording (16 kHz, 16-bit, mono PCM, as the mouse writes it) as a
// whole WAV file in memory. False, with the reason, when it cannot be read;
// *wav is then empty.
bool meetingWavFromPcm(const QString &pcmPath, QByteArray *wav, QString *error = nullptr);

// After a crash: the newest meeting that never finished gets the raw
// recording when the recording is not older than the meeting; each meeting is
// looked at only once, as later voice input rewrites the raw recording. The
// meeting stays marked unfinished. skipId is a meeting being
// recorded right now. Returns the id that got a recording, or 0.
int recoverUnfinishedMeeting(MeetingStore &store, const QString &pcmPath, int skipId = 0);
