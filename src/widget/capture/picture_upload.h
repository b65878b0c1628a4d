#pragma once

#include <QByteArray>
#include <QString>

// Hands the picture on the clipboard to the local picture-upload service
// (an outside tool on this machine) and returns the link it answers with.
// Waits in a nested event loop, but never longer than the time-out, so a
// hung or missing service cannot freeze the capture overlay.
class PictureUpload
{
public:
    static constexpr int kTimeoutMs = 5000;

    // The link, or empty when the service failed, timed out or was not there.
    static QString upload(int timeoutMs = kTimeoutMs);
    // The link in the service's answer: the first "result" of a "success" reply.
    static QString linkFromReply(const QByteArray &reply);
    // What goes on the clipboard afterwards.
    static QString clipboardText(const QString &link, bool copyWithMd);
};
