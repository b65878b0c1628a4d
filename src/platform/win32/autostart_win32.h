#pragma once

#include "platform/autostart.h"

#include <string>

namespace platform::win32 {

// The value "Talkvane" in HKCU\Software\Microsoft\Windows\CurrentVersion\Run,
// holding the quoted executable path. Other values of the key are never
// touched. Task Manager's startup switch (Explorer\StartupApproved\Run) is
// read too: an entry the user switched off there does not start Talkvane,
// and enabling switches it back on.
class Win32Autostart final : public Autostart
{
public:
    // Other keys under HKEY_CURRENT_USER only for tests.
    explicit Win32Autostart(std::wstring runKey = kRunKey, std::wstring approvedKey = kApprovedKey,
                            std::wstring valueName = L"Talkvane");

    bool isEnabled() const override;
    AutostartResult enable(const std::string &executablePath) override;
    AutostartResult disable() override;

    static const wchar_t kRunKey[];
    static const wchar_t kApprovedKey[];

private:
    std::wstring m_runKey, m_approvedKey, m_valueName;
};

}  // namespace platform::win32
