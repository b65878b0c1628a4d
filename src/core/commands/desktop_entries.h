#pragma once

#include <QString>
#include <QStringList>

// Finding and launching desktop entries (.desktop files) by a spoken name.
namespace desktop_entries {

// The folders searched, in order: the user's desktop folder, then
// $XDG_DATA_HOME/applications and each $XDG_DATA_DIRS/applications.
QStringList searchFolders(const QString &desktopFolder);

// The user's desktop folder as "xdg-user-dir DESKTOP" reports it, else ~/Desktop.
QString userDesktopFolder();

// First entry (folders in order, files by name) whose Name=, any localized
// Name[xx]= or file base name equals `name`; empty when none.
QString findEntry(const QStringList &folders, const QString &name);

// A program or link placed on the desktop itself (not a .desktop entry),
// matched by its name up to the first dot; empty when none.
QString findDesktopFile(const QString &desktopFolder, const QString &name);

struct Launch
{
    QString program;       // for applications
    QStringList arguments;
    QString url;           // for links
    QString error;         // set when the entry cannot be launched
};

// What the desktop would run for the entry: Exec= with its field codes
// removed, or URL= for a link.
Launch launchFor(const QString &entryPath);

// Splits an Exec value (already unescaped as a string) by the Desktop Entry
// quoting rules and drops field codes; false on an unterminated quote.
bool splitExec(const QString &exec, QStringList *out);

}  // namespace desktop_entries
