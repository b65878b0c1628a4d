#pragma once

#include "platform/clipboard_watch.h"

#include <memory>

namespace platform::x11 {

// Watches the X connection of the Qt application for requests of the
// CLIPBOARD selection while we own it. Only text requests of the client
// that has the keyboard focus count: pasting applications ask for TARGETS
// first, and clipboard managers fetch every new content.
class X11ClipboardWatch final : public ClipboardWatch
{
public:
    // GUI thread. Null unless the application runs on the xcb platform.
    static std::unique_ptr<X11ClipboardWatch> create();
    ~X11ClipboardWatch() override;

    void expectRequest() override;
    bool waitForTextRequest(int timeoutMs) override;

private:
    struct Private;
    explicit X11ClipboardWatch(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
