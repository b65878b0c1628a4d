#pragma once

#include <memory>
#include <string>

namespace platform {

// What a change of the start-with-the-session setting did. When ok is false,
// reason says why in a sentence fit for the log.
struct AutostartResult
{
    bool ok = false;
    bool changed = false;  // false when the entry already was as asked
    std::string reason;
};

// Starting Talkvane when the user logs on: an XDG autostart entry on Linux,
// the Run key of the current user on Windows. Called on the GUI thread.
class Autostart
{
public:
    virtual ~Autostart() = default;

    // Whether the session will start Talkvane (any copy of it) at log-on.
    virtual bool isEnabled() const = 0;
    // Makes the session start the executable at executablePath (absolute).
    virtual AutostartResult enable(const std::string &executablePath) = 0;
    // Removes Talkvane's own entry; entries someone else wrote are left alone.
    virtual AutostartResult disable() = 0;
};

// Null when this platform has no way to start programs with the session.
std::shared_ptr<Autostart> autostart();

}  // namespace platform
