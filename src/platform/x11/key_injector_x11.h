#pragma once

#include "platform/key_injector.h"

#include <memory>

namespace platform::x11 {

// Key strokes through XTest on a connection of our own, used only under this
// object's lock, so any thread may call it. The keyboard's state is read on
// a second connection, so a query never waits for keys being sent. Keys go by the current layout; a
// key the layout lacks is put on a spare keycode for the stroke.
class X11KeyInjector final : public KeyInjector
{
public:
    // Null without an X display or without XTest.
    static std::unique_ptr<X11KeyInjector> create();
    ~X11KeyInjector() override;

    bool press(unsigned virtualKey) override;
    bool release(unsigned virtualKey) override;
    bool sendBatch(const std::vector<std::pair<unsigned, bool>> &events) override;
    bool waitForModifiersReleased(int timeoutMs) override;
    bool modifiersHeld() override;

private:
    struct Private;
    explicit X11KeyInjector(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
