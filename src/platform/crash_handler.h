#pragma once

#include <string>

namespace platform {

// Writes a crash report into a dump folder when the process dies from a fatal
// signal (or, on Windows, an unhandled exception), then lets the process end
// as it would have without the handler.
class CrashHandler
{
public:
    static CrashHandler &instance();

    // Sets the folder (created when missing) and installs the handler.
    // The version is written into every report.
    void setDumpPath(const std::string &dir, const std::string &version);
    std::string dumpPath() const;

private:
    CrashHandler() = default;
};

}  // namespace platform
