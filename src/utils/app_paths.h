#pragma once

#include <QString>

// Talkvane keeps its files beside the executable, as a portable install does.
namespace AppPaths {

QString appDir();                        // directory of the running executable
QString inAppDir(const QString &name);   // appDir() + "/" + name

}  // namespace AppPaths
