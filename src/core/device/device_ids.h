#pragma once

#include <QString>

// Vendor and product ids travel as texts such as "0x5850".
namespace DeviceIds {

// Drops the first two characters ("0x") and reads the rest as hexadecimal;
// a text that does not parse, or parses above 0xFFFF, counts as 0.
unsigned short parse(const QString &idText);

// Whether a device interface path names the device with these ids (compared
// without regard to case). Understands Windows interface paths
// ("\\?\HID#VID_5850&PID_5653&MI_00#...") and Linux sysfs paths of hidraw
// nodes (".../0003:5850:5653.000A/hidraw/hidraw3").
bool pathNamesDevice(const QString &path, const QString &vid, const QString &pid);

bool windowsPathNamesDevice(const QString &path, const QString &vid, const QString &pid);
bool linuxPathNamesDevice(const QString &path, const QString &vid, const QString &pid);

}  // namespace DeviceIds
