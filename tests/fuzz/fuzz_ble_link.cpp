// Feeds arbitrary values to the mouse linked over Bluetooth LE, as a broken
// or hostile peripheral could notify them: through the link's services into
// the report handler, on the audio and on the reply characteristic.

#include "core/device/connections/ble/ble_backend.h"
#include "core/device/mousedevice.h"
#include "sim/blesim.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
blesim::Mouse *g_peripheral = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    platform::recording::install();
    static auto backend = std::make_shared<blesim::Backend>();
    ble::overrideBackend(backend);
    g_peripheral = backend->addMouse();
    hidsim_set_plugged(0);
    hidsim_add_bluetooth_device(0x1915, 0x7777, L"PX08 - 02");
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->connect();
    const QDeadlineTimer deadline(10000);
    while (mouse->linkState != BluetoothLinked && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (mouse->linkState != BluetoothLinked)
        std::abort();  // nothing would be fuzzed
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static unsigned runs = 0;
    MouseDevice *mouse = MouseDevice::instance().get();
    if (++runs % 4096 == 0)
        mouse->startRecord();  // starts the capture files afresh
    if (size == 0)
        return 0;
    // The first byte picks the characteristic and the link kind reported.
    mouse->linkModel = data[0] & 1 ? 2 : 3;
    const QByteArray value(reinterpret_cast<const char *>(data + 1), int(size - 1));
    g_peripheral->notify(data[0] & 2 ? blesim::kReplyCharacteristic
                                     : blesim::kAudioCharacteristic,
                         value);
    return 0;
}
