// Feeds arbitrary bytes to the mouse's report handler, as a broken or
// hostile device could send them.

#include "core/device/mousedevice.h"
#include "platform/recording/recording_backends.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);  // timers need a dispatcher
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    platform::recording::install();
    MouseDevice::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MouseDevice::instance()->analysisData(
        QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
