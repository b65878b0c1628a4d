#include "command_frames.h"

#include <QString>

namespace CommandFrames {

namespace {
QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray out;
    out.reserve(int(list.size()));
    for (unsigned char b : list)
        out.append(char(b));
    return out;
}
}  // namespace

QByteArray receiverCommand(int type)
{
    switch (type) {
    case RecordOff: return bytes({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x00, 0xFF});
    case RecordOn: return bytes({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x01, 0xFF});
    case Info: return bytes({0x00, 0xA5, 0x5A, 0x06, 0x52, 0x01, 0xFF, 0x00});
    case Battery: return bytes({0x00, 0x9D, 0xA5, 0x5A, 0x05, 0x0A, 0x00, 0xFF});
    }
    return QByteArray(8, '\0');
}

QByteArray receiverDpi(int dpi)
{
    return bytes({0x00, 0xA5, 0x5A, 0x08, 0x52, 0x04, static_cast<unsigned char>(dpi & 0xFF),
                  static_cast<unsigned char>((dpi >> 8) & 0xFF), 0xFF});
}

QByteArray receiverWheel(int value)
{
    return bytes({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x02, static_cast<unsigned char>(value & 0xFF),
                  0x00, 0x00, 0x00, 0xFF, 0x00});
}

QByteArray bluetoothCommand(int type)
{
    switch (type) {
    case 0: return QByteArray::fromHex("9da55a070300ff");
    case 1: return QByteArray::fromHex("9da55a070301ff");
    case 2:
    case 3: return QByteArray::fromHex("9da55a0601ff");
    case 4: return QByteArray::fromHex("9da55a050aff");
    }
    return QByteArray();
}

QByteArray bluetoothDpi(int dpi)
{
    const QString hex = QStringLiteral("9da55a08") + QStringLiteral("04%1%2")
                            .arg(dpi & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((dpi >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        + QStringLiteral("ff");
    return QByteArray::fromHex(hex.toLatin1());
}

QByteArray bluetoothWheel(int value)
{
    return QByteArray::fromHex(value == 1 ? "9da55a070201000000ff" : "9da55a070200000000ff");
}

}  // namespace CommandFrames
