#pragma once

#include "platform/autostart.h"

namespace platform::xdg {

// The user's autostart entry "talkvane.desktop" in $XDG_CONFIG_HOME/autostart
// (~/.config/autostart when unset). The folder is looked up on every call.
// Entries are marked as Talkvane's own; one without the mark (written by hand
// or by a package) is never changed or removed.
class XdgAutostart : public Autostart
{
public:
    bool isEnabled() const override;
    AutostartResult enable(const std::string &executablePath) override;
    AutostartResult disable() override;

    static std::string entryPath();
    // The whole entry Talkvane writes for an executable.
    static std::string entryText(const std::string &executablePath);
};

}  // namespace platform::xdg
