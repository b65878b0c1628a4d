#include "endpoints.h"

#include "build_config.h"

#include <QByteArray>
#include <QtGlobal>

namespace Endpoints {

namespace {

struct EndpointInfo {
    Endpoint endpoint;
    const char *name;
    const char *defaultUrl;
};

constexpr EndpointInfo kEndpoints[] = {
    {Endpoint::Management, "MANAGEMENT", TALKVANE_DEFAULT_URL_MANAGEMENT},
    {Endpoint::Dictation, "DICTATION", TALKVANE_DEFAULT_URL_DICTATION},
    {Endpoint::DictationMinority, "DICTATION_MINORITY", TALKVANE_DEFAULT_URL_DICTATION_MINORITY},
    {Endpoint::DictationIntl, "DICTATION_INTL", TALKVANE_DEFAULT_URL_DICTATION_INTL},
};

const EndpointInfo &info(Endpoint endpoint)
{
    for (const auto &e : kEndpoints) {
        if (e.endpoint == endpoint)
            return e;
    }
    Q_UNREACHABLE();
}

}  // namespace

QString overrideVariable(Endpoint endpoint)
{
    return QStringLiteral("TALKVANE_URL_") + QLatin1String(info(endpoint).name);
}

QString url(Endpoint endpoint)
{
    const QByteArray overridden = qgetenv(overrideVariable(endpoint).toLatin1().constData());
    if (!overridden.isEmpty())
        return QString::fromUtf8(overridden);
    return QString::fromUtf8(info(endpoint).defaultUrl);
}

}  // namespace Endpoints

namespace BuiltInCredentials {

QString dictationAppId() { return QStringLiteral(TALKVANE_DICTATION_APP_ID); }
QString dictationApiKey() { return QStringLiteral(TALKVANE_DICTATION_API_KEY); }
QString dictationApiSecret() { return QStringLiteral(TALKVANE_DICTATION_API_SECRET); }
QString dictationIntApiKey() { return QStringLiteral(TALKVANE_DICTATION_INT_API_KEY); }
QString dictationIntApiSecret() { return QStringLiteral(TALKVANE_DICTATION_INT_API_SECRET); }

}  // namespace BuiltInCredentials

namespace PublicHosts {

QString baiduSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_BAIDU); }
QString googleSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_GOOGLE); }
QString hao123Portal() { return QStringLiteral(TALKVANE_HOST_PORTAL_HAO123); }
QString bingPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_BING); }
QString yandexPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_YANDEX); }

}  // namespace PublicHosts
