#include "platform/win32/autostart_win32.h"

#include "platform/win32/win32_rules.h"
#include "platform/win32/win32_util.h"

#include <vector>

namespace platform::win32 {

const wchar_t Win32Autostart::kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t Win32Autostart::kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

namespace {

std::string describe(LONG error)
{
    wchar_t *text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                       | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string message = n ? toUtf8(text, int(n)) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

AutostartResult failed(const std::string &what, LONG error)
{
    return {false, false, what + ": " + describe(error)};
}

// The value's bytes; ERROR_FILE_NOT_FOUND when the key or value is missing.
LONG readValue(const std::wstring &key, const std::wstring &name, DWORD flags, std::vector<BYTE> &data)
{
    for (;;) {
        DWORD size = 0;
        LONG error = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), flags, nullptr, nullptr, &size);
        if (error != ERROR_SUCCESS)
            return error;
        data.resize(size);
        error = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), flags, nullptr, data.data(), &size);
        if (error == ERROR_MORE_DATA)
            continue;  // grew between the two calls
        data.resize(size);
        return error;
    }
}

LONG readString(const std::wstring &key, const std::wstring &name, std::wstring &value)
{
    std::vector<BYTE> data;
    // REG_EXPAND_SZ is taken too, expanded; asking for that type by name
    // would need RRF_NOEXPAND and is refused without it.
    const LONG error = readValue(key, name, RRF_RT_REG_SZ, data);
    value.clear();
    if (error == ERROR_SUCCESS && data.size() >= sizeof(wchar_t))
        value.assign(reinterpret_cast<const wchar_t *>(data.data()), data.size() / sizeof(wchar_t) - 1);
    return error;
}

bool switchedOff(const std::wstring &key, const std::wstring &name)
{
    std::vector<BYTE> data;
    return readValue(key, name, RRF_RT_REG_BINARY, data) == ERROR_SUCCESS
        && startupApprovedDisabled(data.data(), data.size());
}

}  // namespace

Win32Autostart::Win32Autostart(std::wstring runKey, std::wstring approvedKey, std::wstring valueName)
    : m_runKey(std::move(runKey))
    , m_approvedKey(std::move(approvedKey))
    , m_valueName(std::move(valueName))
{
}

bool Win32Autostart::isEnabled() const
{
    std::wstring command;
    if (readString(m_runKey, m_valueName, command) != ERROR_SUCCESS || command.empty())
        return false;
    return !switchedOff(m_approvedKey, m_valueName);
}

AutostartResult Win32Autostart::enable(const std::string &executablePath)
{
    if (!isAbsolutePath(executablePath))
        return {false, false, "not an absolute executable path: \"" + executablePath + "\""};
    const std::wstring wanted = toWide(runCommand(executablePath));
    std::wstring current;
    const LONG readError = readString(m_runKey, m_valueName, current);
    if (readError != ERROR_SUCCESS && readError != ERROR_FILE_NOT_FOUND)
        return failed("cannot read the Run key", readError);

    bool changed = false;
    if (readError != ERROR_SUCCESS || current != wanted) {
        const LONG error = RegSetKeyValueW(HKEY_CURRENT_USER, m_runKey.c_str(), m_valueName.c_str(), REG_SZ,
                                           wanted.c_str(), DWORD((wanted.size() + 1) * sizeof(wchar_t)));
        if (error != ERROR_SUCCESS)
            return failed("cannot write the Run key", error);
        changed = true;
    }
    // Whoever switches it on here means it, whatever Task Manager was told.
    if (switchedOff(m_approvedKey, m_valueName)) {
        const LONG error = RegDeleteKeyValueW(HKEY_CURRENT_USER, m_approvedKey.c_str(), m_valueName.c_str());
        if (error != ERROR_SUCCESS)
            return failed("cannot clear the startup switch", error);
        changed = true;
    }
    return {true, changed, {}};
}

AutostartResult Win32Autostart::disable()
{
    const LONG error = RegDeleteKeyValueW(HKEY_CURRENT_USER, m_runKey.c_str(), m_valueName.c_str());
    if (error == ERROR_FILE_NOT_FOUND)
        return {true, false, {}};
    if (error != ERROR_SUCCESS)
        return failed("cannot remove the Run key's value", error);
    return {true, true, {}};
}

}  // namespace platform::win32
