#pragma once

#include <QString>

// Where Talkvane's files are. What it ships (the web-pages module, Sonabridge,
// product data) sits beside the executable. What it writes (settings, log,
// captures, meetings, crash reports) lives in the data folder: beside the
// executable too in a portable folder, and in $XDG_DATA_HOME/talkvane when
// the executable's folder is an installed one that is not ours to write.
namespace AppPaths {

QString appDir();                        // directory of the running executable

struct DataLocation
{
    QString dir;
    bool installed = false;  // true: the executable's folder is not ours to write
};

// The rule, for any executable folder; the environment gives XDG_DATA_HOME
// and HOME.
DataLocation chooseDataLocation(const QString &exeDir);

// This process's data folder: chosen once, on first use, and created with
// its subfolders.
QString dataDir();
bool installedMode();
QString inDataDir(const QString &name);   // dataDir() + "/" + name
// One line for the log: which folder and why.
QString dataDirDescription();

}  // namespace AppPaths
