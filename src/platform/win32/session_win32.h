#pragma once

#include "platform/session.h"

namespace platform::win32 {

// A Windows desktop has none of a Wayland session's limits; the only way to
// have no window at all is a window station nobody sees.
SessionDescription describeSession();

}  // namespace platform::win32
