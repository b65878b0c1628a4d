#include "webview/webengine_setup.h"

#include <QByteArray>
#include <QDebug>

#include <unistd.h>

// Kept apart from the rest of the web pages: the executable calls this before
// the application object exists and must not link the browser engine for it.
namespace WebEngineSetup {

void beforeApplication()
{
    // Qt::AA_ShareOpenGLContexts is left to the engine, which sets it when
    // its module loads: set here, every start would pay for a GL context
    // before the icon is shown.
    // One renderer is enough for our few pages and saves memory; keep any
    // switches the user set.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char *flag : {"--use-mock-keychain", "--renderer-process-limit=1"}) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? "" : " ") + QByteArray(flag);
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);

    // The engine's sandbox cannot run for root: it would end the whole
    // program as soon as the first page is created. Root gets the pages
    // without it, and is told so; everyone else keeps it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")
        && !flags.contains("--no-sandbox")) {
        qWarning() << "running as root: web pages run without the browser sandbox";
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

} // namespace WebEngineSetup
