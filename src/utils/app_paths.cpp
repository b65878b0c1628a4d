#include "app_paths.h"

#include <QCoreApplication>

namespace AppPaths {

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

QString inAppDir(const QString &name)
{
    return appDir() + QLatin1Char('/') + name;
}

}  // namespace AppPaths
