#include "device_ids.h"

#include <QRegularExpression>
#include <QStringList>

namespace DeviceIds {

unsigned short parse(const QString &idText)
{
    bool ok = false;
    const uint value = idText.mid(2).toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? static_cast<unsigned short>(value) : 0;
}

bool windowsPathNamesDevice(const QString &path, const QString &vid, const QString &pid)
{
    const QStringList parts = path.split(QLatin1Char('#'));
    if (parts.size() < 3)
        return false;
    const QStringList ids = parts.at(1).split(QLatin1Char('&'));
    if (ids.size() < 2)
        return false;
    // "VID_5850" and "PID_5653": the four-character prefix is dropped.
    const QString pathVid = QStringLiteral("0x") + ids.at(0).mid(4);
    const QString pathPid = QStringLiteral("0x") + ids.at(1).mid(4);
    return pathVid.compare(vid, Qt::CaseInsensitive) == 0
        && pathPid.compare(pid, Qt::CaseInsensitive) == 0;
}

bool linuxPathNamesDevice(const QString &path, const QString &vid, const QString &pid)
{
    // The HID device directory is named bus:vendor:product.instance, all hex.
    static const QRegularExpression hidId(QStringLiteral(
        "/([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4,8}):([0-9A-Fa-f]{4,8})\\.[0-9A-Fa-f]+(/|$)"));
    QRegularExpressionMatchIterator it = hidId.globalMatch(path);
    QRegularExpressionMatch last;
    while (it.hasNext())
        last = it.next();
    if (!last.hasMatch())
        return false;
    bool okVid = false, okPid = false;
    const uint pathVid = last.captured(2).toUInt(&okVid, 16);
    const uint pathPid = last.captured(3).toUInt(&okPid, 16);
    const unsigned short wantVid = parse(vid), wantPid = parse(pid);
    return okVid && okPid && wantVid && wantPid && pathVid == wantVid && pathPid == wantPid;
}

bool pathNamesDevice(const QString &path, const QString &vid, const QString &pid)
{
    if (path.contains(QLatin1Char('#')))
        return windowsPathNamesDevice(path, vid, pid);
    return linuxPathNamesDevice(path, vid, pid);
}

}  // namespace DeviceIds
