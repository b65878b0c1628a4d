#include "platform/session.h"

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

bool waylandSocketReachable(const std::string &waylandDisplay, const std::string &runtimeDir)
{
    if (waylandDisplay.empty())
        return false;
    std::string path = waylandDisplay;
    if (path.front() != '/') {
        // libwayland refuses a relative name without XDG_RUNTIME_DIR as well.
        if (runtimeDir.empty())
            return false;
        path = runtimeDir + "/" + waylandDisplay;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A socket file left behind by a compositor that is gone refuses the
    // connection: only a listening compositor counts.
    const bool reached = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return reached;
}

}  // namespace platform
