#pragma once

#include <string>

namespace platform {

// Whether this process may keep its own files in the existing folder `dir`
// without leaning on privilege: false when the system refuses the writes
// (permissions, ACLs, a read-only mount), and for the super-user also when
// the folder's permission bits do not grant them, since root writes
// everywhere regardless of what the folder's owner meant.
bool folderWritableWithoutPrivilege(const std::string &dir);

}  // namespace platform
