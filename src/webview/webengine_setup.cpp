#include "webview/webengine_setup.h"

#include "webview/downloadmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStandardPaths>
#include <QWebEngineProfile>

namespace WebEngineSetup {

void beforeApplication()
{
    // Required by the engine when it is used from widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // One renderer is enough for our few pages and saves memory; keep any
    // switches the user set.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char *flag : {"--use-mock-keychain", "--renderer-process-limit=1"}) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? "" : " ") + QByteArray(flag);
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

void configureProfile(const QString &language)
{
    QWebEngineProfile *profile = QWebEngineProfile::defaultProfile();
    profile->setHttpUserAgent(QStringLiteral("QCefViewTest"));
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    profile->setCachePath(dataDir + QStringLiteral("/webcache"));
    profile->setPersistentStoragePath(dataDir + QStringLiteral("/webstorage"));
    qDebug() << "QLocale::system12" << language;
    if (!language.isEmpty())
        profile->setHttpAcceptLanguage(language);
    qDebug() << "acc :" << profile->httpAcceptLanguage();
    DownloadManager::instance().watch(profile);
}

} // namespace WebEngineSetup
