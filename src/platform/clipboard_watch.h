#pragma once

#include <memory>

namespace platform {

// Tells when another application has fetched what we put on the clipboard,
// so that a paste is not handed the next piece of text instead. On X11 the
// clipboard's owner serves the data when asked, which may be long after the
// paste key was sent.
class ClipboardWatch
{
public:
    virtual ~ClipboardWatch() = default;

    // GUI thread, just before new content goes on the clipboard: requests
    // seen so far were for the old content.
    virtual void expectRequest() = 0;
    // Any thread but the GUI thread, which serves the request: blocks until
    // the content has been asked for as text since expectRequest(). False
    // at the time-out.
    virtual bool waitForTextRequest(int timeoutMs) = 0;
};

// The watch of this session, created on the GUI thread by the first call;
// null when the session cannot tell (the owner is not asked, or no display).
std::shared_ptr<ClipboardWatch> clipboardWatch();

}  // namespace platform
