#include "webview/webengine_setup.h"

#include "webview/downloadmanager.h"

#include <QDebug>
#include <QStandardPaths>
#include <QWebEngineProfile>

namespace WebEngineSetup {

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
