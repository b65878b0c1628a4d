#pragma once

#include "platform/selected_text.h"

#include <memory>
#include <mutex>

namespace platform::x11 {

// Reads the PRIMARY selection as UTF-8 text through a small window of its
// own on a connection of its own, so nothing waits for the Qt event loop.
// XFixes tells it whenever the selection is made anew; without XFixes every
// selection counts as new.
class X11SelectedText final : public SelectedText
{
public:
    // Null without an X display.
    static std::unique_ptr<X11SelectedText> create();
    ~X11SelectedText() override;

    Result read(int timeoutMs) override;

private:
    struct Private;
    explicit X11SelectedText(std::unique_ptr<Private> d);

    std::mutex m_mutex;  // one conversion at a time on the connection
    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
