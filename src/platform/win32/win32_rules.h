#pragma once

// The decisions of the Windows backends that need no Windows: which keys are
// extended, what the Run key holds, how an exception is named. Plain C++, so
// they are checked on every platform.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::win32 {

// Virtual keys SendInput and RegisterHotKey take: 1 to 254.
bool validVirtualKey(unsigned virtualKey);

// Keys whose scan code has the E0 prefix: without KEYEVENTF_EXTENDEDKEY an
// arrow arrives as the number pad's, and Right Ctrl as Left Ctrl.
bool isExtendedKey(unsigned virtualKey);

// "C:\..." (either slash) or a UNC path "\\server\share\...".
bool isAbsolutePath(const std::string &path);

// The Run key's command for an executable: its path in quotes, as paths
// with spaces need.
std::string runCommand(const std::string &executablePath);

// Task Manager's startup switch (Explorer\StartupApproved\Run): the first
// byte is odd while the user has switched the entry off.
bool startupApprovedDisabled(const std::uint8_t *data, std::size_t size);

// The EXCEPTION_* name of a structured exception code, "unknown exception"
// for others. Static text: safe inside a crash handler.
const char *exceptionName(std::uint32_t code);

}  // namespace platform::win32
