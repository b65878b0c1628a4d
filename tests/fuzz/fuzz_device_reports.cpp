// Feeds arbitrary bytes to the mouse's report handler, as a broken or
// hostile device could send them, over each kind of link.

#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);  // timers need a dispatcher
    static QTemporaryDir scratch;               // the capture files land here
    QDir::setCurrent(scratch.path());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    platform::recording::install();
    MouseDevice::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int links[] = {0, 2, 3, 4, 5};
    static unsigned runs = 0;
    MouseDevice *mouse = MouseDevice::instance().get();
    if (++runs % 4096 == 0)
        mouse->startRecord();  // starts the capture files afresh
    if (size == 0)
        return 0;
    // The first byte picks the link, which picks how audio is framed.
    mouse->linkModel = links[data[0] % 5];
    mouse->analysisData(QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));
    return 0;
}
