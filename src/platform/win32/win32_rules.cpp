#include "platform/win32/win32_rules.h"

namespace platform::win32 {

bool validVirtualKey(unsigned virtualKey)
{
    return virtualKey >= 1 && virtualKey <= 254;
}

bool isExtendedKey(unsigned virtualKey)
{
    switch (virtualKey) {
    case 0x03:  // Cancel (Ctrl+Break)
    case 0x21:  // Page Up
    case 0x22:  // Page Down
    case 0x23:  // End
    case 0x24:  // Home
    case 0x25:  // Left
    case 0x26:  // Up
    case 0x27:  // Right
    case 0x28:  // Down
    case 0x2C:  // Print Screen
    case 0x2D:  // Insert
    case 0x2E:  // Delete
    case 0x5B:  // Left Windows
    case 0x5C:  // Right Windows
    case 0x5D:  // Applications
    case 0x6F:  // number pad Divide
    case 0x90:  // Num Lock
    case 0xA3:  // Right Ctrl
    case 0xA5:  // Right Alt
        return true;
    default:
        // Browser, volume and media keys.
        return virtualKey >= 0xA6 && virtualKey <= 0xB7;
    }
}

bool isAbsolutePath(const std::string &path)
{
    if (path.find('"') != std::string::npos)
        return false;
    const auto slash = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))
        && path[1] == ':' && slash(path[2]))
        return true;
    // \\server\share: both names present.
    if (path.size() >= 5 && slash(path[0]) && slash(path[1]) && !slash(path[2])) {
        const std::size_t share = path.find_first_of("\\/", 2);
        return share != std::string::npos && share + 1 < path.size() && !slash(path[share + 1]);
    }
    return false;
}

std::string runCommand(const std::string &executablePath)
{
    return '"' + executablePath + '"';
}

bool startupApprovedDisabled(const std::uint8_t *data, std::size_t size)
{
    return data && size > 0 && (data[0] & 1u);
}

const char *exceptionName(std::uint32_t code)
{
    switch (code) {
    case 0xC0000005u: return "EXCEPTION_ACCESS_VIOLATION";
    case 0xC000008Cu: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
    case 0x80000003u: return "EXCEPTION_BREAKPOINT";
    case 0x80000002u: return "EXCEPTION_DATATYPE_MISALIGNMENT";
    case 0xC000008Du: return "EXCEPTION_FLT_DENORMAL_OPERAND";
    case 0xC000008Eu: return "EXCEPTION_FLT_DIVIDE_BY_ZERO";
    case 0xC000008Fu: return "EXCEPTION_FLT_INEXACT_RESULT";
    case 0xC0000090u: return "EXCEPTION_FLT_INVALID_OPERATION";
    case 0xC0000091u: return "EXCEPTION_FLT_OVERFLOW";
    case 0xC0000092u: return "EXCEPTION_FLT_STACK_CHECK";
    case 0xC0000093u: return "EXCEPTION_FLT_UNDERFLOW";
    case 0xC000001Du: return "EXCEPTION_ILLEGAL_INSTRUCTION";
    case 0xC0000006u: return "EXCEPTION_IN_PAGE_ERROR";
    case 0xC0000094u: return "EXCEPTION_INT_DIVIDE_BY_ZERO";
    case 0xC0000095u: return "EXCEPTION_INT_OVERFLOW";
    case 0xC0000026u: return "EXCEPTION_INVALID_DISPOSITION";
    case 0xC0000025u: return "EXCEPTION_NONCONTINUABLE_EXCEPTION";
    case 0xC0000096u: return "EXCEPTION_PRIV_INSTRUCTION";
    case 0x80000004u: return "EXCEPTION_SINGLE_STEP";
    case 0xC00000FDu: return "EXCEPTION_STACK_OVERFLOW";
    case 0xC0000409u: return "STATUS_STACK_BUFFER_OVERRUN";
    case 0xC0000374u: return "STATUS_HEAP_CORRUPTION";
    case 0xE06D7363u: return "C++ exception";
    default: return "unknown exception";
    }
}

}  // namespace platform::win32
