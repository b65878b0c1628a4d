#include "platform/xdg/autostart_xdg.h"

#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace platform::xdg {

namespace {

const char kOwnMark[] = "X-Talkvane-Autostart";

QString autostartDir()
{
    // XDG treats a relative value as unset.
    QString base = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString entryFile()
{
    return autostartDir() + QStringLiteral("/talkvane.desktop");
}

AutostartResult failed(const QString &reason)
{
    return {false, false, reason.toStdString()};
}

// Empty when there is no entry; ok false when one exists but cannot be read.
bool readEntry(std::string &text)
{
    QFile file(entryFile());
    text.clear();
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = file.readAll().toStdString();
    return true;
}

bool isOwnEntry(const std::string &text)
{
    const auto keys = readDesktopEntry(text);
    const auto mark = keys.find(kOwnMark);
    return mark != keys.end() && mark->second == "true";
}

QString notOurs()
{
    return QStringLiteral("%1 was not written by Talkvane; it is left as it is")
        .arg(entryFile());
}

}  // namespace

std::string XdgAutostart::entryPath()
{
    return entryFile().toStdString();
}

std::string XdgAutostart::entryText(const std::string &executablePath)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Talkvane\n"
           "Exec=" + execArgument(executablePath) + "\n"
           "Icon=talkvane\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n"
           + std::string(kOwnMark) + "=true\n";
}

bool XdgAutostart::isEnabled() const
{
    std::string text;
    if (!readEntry(text) || text.empty())
        return false;
    // Both ways a desktop has of keeping an entry from starting.
    const auto keys = readDesktopEntry(text);
    const auto hidden = keys.find("Hidden");
    const auto enabled = keys.find("X-GNOME-Autostart-enabled");
    return !(hidden != keys.end() && hidden->second == "true")
        && !(enabled != keys.end() && enabled->second == "false");
}

AutostartResult XdgAutostart::enable(const std::string &executablePath)
{
    const QString exe = QString::fromStdString(executablePath);
    if (exe.isEmpty() || QDir::isRelativePath(exe))
        return failed(QStringLiteral("not an absolute executable path: \"%1\"").arg(exe));
    std::string current;
    if (!readEntry(current))
        return failed(QStringLiteral("cannot read %1").arg(entryFile()));
    const std::string wanted = entryText(executablePath);
    if (!current.empty() && !isOwnEntry(current))
        return failed(notOurs());
    if (current == wanted)
        return {true, false, {}};

    if (!QDir().mkpath(autostartDir()))
        return failed(QStringLiteral("cannot create the folder %1").arg(autostartDir()));
    // Written beside the entry and renamed over it: a session starting at the
    // wrong moment sees the old entry or the new one, never half of one.
    QSaveFile file(entryFile());
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(QStringLiteral("cannot write %1: %2").arg(entryFile(), file.errorString()));
    }
    file.write(wanted.data(), qint64(wanted.size()));
    if (!file.commit())
        return failed(QStringLiteral("cannot write %1: %2").arg(entryFile(), file.errorString()));
    return {true, true, {}};
}

AutostartResult XdgAutostart::disable()
{
    std::string current;
    if (!readEntry(current))
        return failed(QStringLiteral("cannot read %1").arg(entryFile()));
    if (current.empty())
        return {true, false, {}};  // no entry, or an empty file that starts nothing
    if (!isOwnEntry(current))
        return failed(notOurs());
    QFile file(entryFile());
    if (!file.remove())
        return failed(QStringLiteral("cannot remove %1: %2").arg(entryFile(), file.errorString()));
    return {true, true, {}};
}

}  // namespace platform::xdg
