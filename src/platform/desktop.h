#pragma once

namespace platform {

// Asks the desktop to show itself (minimise or hide every window), as the
// task bar's show-desktop button does. False when the session cannot.
bool showDesktop();

}  // namespace platform
