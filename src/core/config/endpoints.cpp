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

namespace PublicHosts {

QString baiduSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_BAIDU); }
QString googleSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_GOOGLE); }
QString hao123Portal() { return QStringLiteral(TALKVANE_HOST_PORTAL_HAO123); }
QString bingPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_BING); }
QString yandexPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_YANDEX); }

}  // namespace PublicHosts
