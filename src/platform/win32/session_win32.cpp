#include "platform/win32/session_win32.h"

#include "platform/win32/win32_util.h"

namespace platform {

namespace win32 {

SessionDescription describeSession()
{
    SessionDescription session;
    session.kind = SessionKind::Desktop;
    // Every interactive log-on has a visible window station; services and
    // scheduled tasks without a log-on run in one that nobody sees.
    const HWINSTA station = GetProcessWindowStation();
    USEROBJECTFLAGS flags{};
    if (station && GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof(flags), nullptr)
        && !(flags.dwFlags & WSF_VISIBLE)) {
        session.kind = SessionKind::None;
        session.problem = "no desktop is available: Talkvane runs in a window station nobody "
                          "can see (as a service or a task without a log-on). Start it from the "
                          "user's desktop.";
    }
    return session;
}

}  // namespace win32

std::string preferredMultimediaPlugins()
{
    return std::string();
}

}  // namespace platform
