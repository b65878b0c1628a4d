#include "app_paths.h"

#include "platform/folder_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace AppPaths {

namespace {

// Folders of the package manager: root could write there, but a file left
// behind would outlive the package and belong to no one.
bool underSystemPrefix(const QString &dir)
{
    const QString clean = QDir::cleanPath(dir);
    return clean == QLatin1String("/usr") || clean.startsWith(QLatin1String("/usr/"));
}

QString xdgDataHome()
{
    // The base directory rules say a relative value is to be ignored.
    const QString set = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

const DataLocation &location()
{
    static const DataLocation chosen = [] {
        DataLocation l = chooseDataLocation(appDir());
        QDir().mkpath(l.dir + QStringLiteral("/device"));
        return l;
    }();
    return chosen;
}

}  // namespace

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

DataLocation chooseDataLocation(const QString &exeDir)
{
    DataLocation l;
    l.installed = underSystemPrefix(exeDir)
        || !platform::folderWritableWithoutPrivilege(QFile::encodeName(exeDir).toStdString());
    l.dir = l.installed ? xdgDataHome() + QStringLiteral("/talkvane") : exeDir;
    return l;
}

QString dataDir()
{
    return location().dir;
}

bool installedMode()
{
    return location().installed;
}

QString inDataDir(const QString &name)
{
    return dataDir() + QLatin1Char('/') + name;
}

QString dataDirDescription()
{
    return installedMode()
        ? QStringLiteral("files in %1 (installed mode: %2 is not ours to write)")
              .arg(QDir::toNativeSeparators(dataDir()), QDir::toNativeSeparators(appDir()))
        : QStringLiteral("files in %1 (portable: beside the executable)")
              .arg(QDir::toNativeSeparators(dataDir()));
}

}  // namespace AppPaths
