#include "platform/session.h"

namespace platform {

namespace {

// Wayland gives each application its own input and its own windows only.
std::vector<FeatureLimit> waylandOnlyLimits()
{
    return {
        {SessionFeature::GlobalHotKeys,
         "global hot keys (the mouse's buttons F17 to F20, Alt+X): Wayland gives key presses "
         "only to the focused window and lets no application take a key for itself"},
        {SessionFeature::TypingIntoOtherApps,
         "typing the recognised text into other applications: Wayland lets no application "
         "inject key strokes into another"},
        {SessionFeature::ScreenCapture,
         "screen capture (screenshot text recognition and translation): Wayland lets no "
         "application read the screen of other applications"},
        {SessionFeature::SelectedText,
         "selected-text capture: Wayland hands a selection only to the focused application"},
        {SessionFeature::GlobalMouse,
         "global mouse listening: Wayland reports the pointer only to the window under it"},
    };
}

// XWayland serves X11 clients only; native Wayland windows stay out of reach.
std::vector<FeatureLimit> xwaylandLimits()
{
    return {
        {SessionFeature::GlobalHotKeys,
         "global hot keys reach Talkvane only while an X11 application has the focus; native "
         "Wayland applications keep them"},
        {SessionFeature::TypingIntoOtherApps,
         "typed text reaches X11 applications only; native Wayland applications do not "
         "receive it"},
        {SessionFeature::ScreenCapture,
         "screen capture sees the windows of X11 applications only"},
        {SessionFeature::SelectedText,
         "selected-text capture works in X11 applications only"},
        {SessionFeature::GlobalMouse,
         "global mouse listening sees the pointer over X11 applications only"},
    };
}

std::string pluginName(const std::string &qpa)
{
    // QT_QPA_PLATFORM may carry options: "xcb:..." or "wayland;xcb".
    const auto end = qpa.find_first_of(":;");
    return qpa.substr(0, end);
}

std::string noX11Reason(const std::string &display)
{
    if (display.empty())
        return "DISPLAY is not set";
    return "cannot open the X display \"" + display
        + "\" (check that the X server runs and that this user may connect to it)";
}

std::string noWaylandReason(const std::string &waylandDisplay)
{
    if (waylandDisplay.empty())
        return "WAYLAND_DISPLAY is not set";
    return "cannot connect to the Wayland compositor \"" + waylandDisplay
        + "\" (check WAYLAND_DISPLAY and XDG_RUNTIME_DIR)";
}

}  // namespace

bool SessionDescription::limited(SessionFeature feature) const
{
    for (const FeatureLimit &limit : limits) {
        if (limit.feature == feature)
            return true;
    }
    return false;
}

SessionDescription describeSession(const SessionProbe &probe)
{
    const std::string plugin = pluginName(probe.env("QT_QPA_PLATFORM"));
    const std::string display = probe.env("DISPLAY");
    const std::string waylandDisplay = probe.env("WAYLAND_DISPLAY");

    const bool x11 = !display.empty() && probe.x11Reachable && probe.x11Reachable();
    const bool wayland = !waylandDisplay.empty()
        && waylandSocketReachable(waylandDisplay, probe.env("XDG_RUNTIME_DIR"));
    // The session's own word counts too: a desktop may leave WAYLAND_DISPLAY
    // out of what it hands to programs it starts.
    const bool waylandSession = !waylandDisplay.empty() || probe.env("XDG_SESSION_TYPE") == "wayland";

    SessionDescription session;
    if (x11)
        session.kind = waylandSession ? SessionKind::XWayland : SessionKind::X11;
    else if (wayland)
        session.kind = SessionKind::WaylandOnly;

    if (session.kind == SessionKind::WaylandOnly)
        session.limits = waylandOnlyLimits();
    else if (session.kind == SessionKind::XWayland)
        session.limits = xwaylandLimits();

    if (plugin.empty()) {
        // On XWayland too: only the X11 plugin lets the X11 backends reach Talkvane's windows.
        if (x11)
            session.qtPlatform = "xcb";
        else if (wayland)
            session.qtPlatform = "wayland";
        else
            session.problem = "no display is available: " + noX11Reason(display) + ", and "
                + noWaylandReason(waylandDisplay)
                + ". Start Talkvane from a desktop session (X11 or Wayland).";
    } else if (plugin == "xcb" && !x11) {
        session.problem = "no display is available: " + noX11Reason(display)
            + ", and QT_QPA_PLATFORM asks for X11.";
    } else if (plugin == "wayland" && !wayland) {
        session.problem = "no display is available: " + noWaylandReason(waylandDisplay)
            + ", and QT_QPA_PLATFORM asks for Wayland.";
    }
    // Any other plugin (offscreen, vnc, ...) needs no display server.
    return session;
}

std::string limitsLogLine(const SessionDescription &session)
{
    if (session.limits.empty())
        return {};
    std::string line = session.kind == SessionKind::XWayland
        ? "Wayland session: Talkvane runs on X11 through XWayland, so native Wayland "
          "applications cannot receive typed text or hot keys. Limited: "
        : "Wayland session without X11: these features are unavailable, since Wayland does not "
          "let one application grab keys, inject input into, or read the screen of other "
          "applications. Unavailable: ";
    for (size_t i = 0; i < session.limits.size(); ++i) {
        if (i > 0)
            line += "; ";
        line += session.limits[i].reason;
    }
    return line + ".";
}

}  // namespace platform
