#include "device_file_utils.h"

#include "utils/app_paths.h"

#include <QDebug>
#include <QDir>
#include <QFile>

QString DeviceFileUtils::markerPath(const QString &name)
{
    return AppPaths::inDataDir(QStringLiteral("device/") + name + QStringLiteral(".flag"));
}

bool DeviceFileUtils::checkFirstRunByFile(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QString path = markerPath(name);
    qDebug() << "checkFirstRunByFile： " << path;
    if (QFile::exists(path)) {
        qDebug() << "非首次运行";
        return false;
    }
    qDebug() << "首次运行，执行初始化...";
    // Without the folder the marker could never be written and every start
    // would count as the first, resetting the user's settings each time.
    QDir().mkpath(AppPaths::inDataDir(QStringLiteral("device")));
    QFile marker(path);
    if (marker.open(QIODevice::WriteOnly))
        marker.close();
    return true;
}
