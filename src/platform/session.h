#pragma once

#include <string>

namespace platform {

// Whether a graphical session can be reached at all. When it cannot,
// reason says why in a sentence fit for the terminal.
bool guiSessionAvailable(std::string &reason);

// The Qt Multimedia backend to prefer on this platform ("" lets Qt choose).
std::string preferredMultimediaPlugins();

}  // namespace platform
