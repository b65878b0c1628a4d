#include "platform/folder_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace platform {

namespace {

bool inOwnGroups(gid_t gid)
{
    if (gid == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<size_t>(i)] == gid)
            return true;
    }
    return false;
}

}  // namespace

bool folderWritableWithoutPrivilege(const std::string &dir)
{
    // Covers ordinary users completely, ACLs included; a read-only mount
    // fails here for root too (EROFS).
    if (::access(dir.c_str(), W_OK) != 0)
        return false;
    if (::geteuid() != 0)
        return true;
    // Root passed only by privilege: read the bits as the kernel would for an
    // unprivileged process with root's ids.
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if (st.st_uid == ::geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    if (inOwnGroups(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

}  // namespace platform
