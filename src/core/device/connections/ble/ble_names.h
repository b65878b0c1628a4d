#pragma once

#include <QString>

class QBluetoothAddress;

// How the mouse is recognised among Bluetooth devices, and how its address
// is written in the link's log and reports.
namespace BleNames {

// Case-sensitive: only the lower-case forms listed are accepted.
bool isMouseName(const QString &name);

// The six parts of the address joined without separators, last part first.
QString macText(const QBluetoothAddress &address);

}  // namespace BleNames
