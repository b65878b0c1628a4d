#pragma once

#include <QString>

class DeviceFileUtils
{
public:
    // True exactly once per name: the first call leaves a marker file
    // "<appDir>/device/<name>.flag" behind.
    static bool checkFirstRunByFile(const QString &name);
    static QString markerPath(const QString &name);
};
