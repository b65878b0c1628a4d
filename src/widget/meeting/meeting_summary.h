#pragma once

#include <QString>

// The AI summary of a transcript from the management server's summary route.
// Blocking: run it on a worker thread.
struct MeetingSummaryReply {
    bool ok = false;
    QString html;   // the reply body, shown as HTML; only when ok
    QString error;  // why there is no summary; only when not ok
};

QString meetingSummaryUrl();  // empty when no management server is configured
MeetingSummaryReply fetchMeetingSummary(const QString &transcript);
