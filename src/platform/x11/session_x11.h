#pragma once

namespace platform::x11 {

// Whether the X display DISPLAY names accepts this client.
bool displayReachable();

}  // namespace platform::x11
