#include "ble_names.h"

#include <QBluetoothAddress>
#include <QStringList>

#include <algorithm>

namespace BleNames {

bool isMouseName(const QString &name)
{
    static const char *const kNames[] = {
        "PX08", "T013", "T011", "t013", "t011", "PX09", "px09", "PX06", "Q7", "q7",
        "KESTROM 01", "KESTROM 02", "PX025 - 01", "PX025 - 02", "PX026 - 01", "PX026 - 02",
        "PX021", "PX022", "PX08 - 02", "E16", "PX100", "PX018", "PX10 - 01", "PX10 - 02",
        "Q313", "Q800", "Q25 - 01", "Q25 - 02", "ORBELINE OPX263-1", "ORBELINE OPX263-2",
        "BT5.2 Mouse"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&name](const char *known) {
        return name.contains(QLatin1String(known), Qt::CaseSensitive);
    });
}

QString macText(const QBluetoothAddress &address)
{
    if (address.isNull())
        return QString();
    QStringList parts = address.toString().split(QLatin1Char(':'));
    std::reverse(parts.begin(), parts.end());
    return parts.join(QString());
}

}  // namespace BleNames
