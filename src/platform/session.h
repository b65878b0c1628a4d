#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class SessionKind {
    X11,          // an X server and no Wayland compositor
    XWayland,     // a Wayland session whose X server (XWayland) answers
    WaylandOnly,  // a Wayland compositor, no X server that answers
    None,         // neither answers
    Desktop,      // a desktop without those limits (Windows)
};

// What reaches beyond Talkvane's own windows.
enum class SessionFeature {
    GlobalHotKeys,        // the mouse's extra buttons (F17 to F20) and Alt+X
    TypingIntoOtherApps,  // recognised text typed or pasted where the focus is
    ScreenCapture,        // screenshot text recognition and translation
    SelectedText,         // the translate button beside text selected elsewhere
    GlobalMouse,          // the drags that select that text
};

struct FeatureLimit
{
    SessionFeature feature;
    std::string reason;  // one English sentence, for the log
};

struct SessionDescription
{
    SessionKind kind = SessionKind::None;
    // The Qt platform plugin to start on; empty leaves it to QT_QPA_PLATFORM.
    std::string qtPlatform;
    // Not empty when no window can be shown: why, in a sentence for the terminal.
    std::string problem;
    // Features that do not work here (Wayland only) or reach only X11
    // applications (XWayland).
    std::vector<FeatureLimit> limits;

    bool limited(SessionFeature feature) const;
};

// What the decision reads. env returns "" for an unset variable;
// x11Reachable opens DISPLAY and is only asked when DISPLAY is set. The
// Wayland socket named by WAYLAND_DISPLAY is connected to for real.
struct SessionProbe
{
    std::function<std::string(const char *name)> env;
    std::function<bool()> x11Reachable;
};

SessionDescription describeSession(const SessionProbe &probe);

// This process's session, decided from its environment at the first call;
// later changes to the environment (such as the platform main() picks) do
// not change it.
const SessionDescription &currentSession();

// Whether a compositor accepts connections on the socket WAYLAND_DISPLAY
// names: a path, or a name inside runtimeDir.
bool waylandSocketReachable(const std::string &waylandDisplay, const std::string &runtimeDir);

// The limits as one line for the log; empty when there are none.
std::string limitsLogLine(const SessionDescription &session);

// The Qt Multimedia backend to prefer on this platform ("" lets Qt choose).
std::string preferredMultimediaPlugins();

}  // namespace platform
