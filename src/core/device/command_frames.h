#pragma once

#include <QByteArray>

// The command frames the mouse understands. Receiver frames start with the
// HID report id 0x00 and are written as they are; Bluetooth frames are
// written to the command characteristic.
namespace CommandFrames {

enum Command {
    RecordOff = 0,
    RecordOn = 1,
    Info = 2,
    Battery = 3,
};

// Receiver: sendCmd(type); an unknown type gives eight zero bytes.
QByteArray receiverCommand(int type);
QByteArray receiverDpi(int dpi);
QByteArray receiverWheel(int value);

// Bluetooth: bluetoothc_sendcmd(type) numbering (0 off, 1 on, 2 and 3 info,
// 4 battery); an unknown type gives an empty value.
QByteArray bluetoothCommand(int type);
QByteArray bluetoothDpi(int dpi);
QByteArray bluetoothWheel(int value);

}  // namespace CommandFrames
