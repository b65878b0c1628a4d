#include "endpoints.h"

#include "build_config.h"

#include <QByteArray>
#include <QDebug>
#include <QRegularExpression>
#include <QUrl>
#include <QtGlobal>

#include <utility>

namespace Endpoints {

namespace {

// Either: the speech library accepts both kinds of service URL.
enum class Protocol { Http, WebSocket, Either };

struct EndpointInfo {
    Endpoint endpoint;
    const char *name;
    const char *defaultUrl;
    Protocol protocol;
};

constexpr EndpointInfo kEndpoints[] = {
    {Endpoint::Management, "MANAGEMENT", TALKVANE_DEFAULT_URL_MANAGEMENT, Protocol::Http},
    {Endpoint::Dictation, "DICTATION", TALKVANE_DEFAULT_URL_DICTATION, Protocol::WebSocket},
    {Endpoint::DictationMinority, "DICTATION_MINORITY", TALKVANE_DEFAULT_URL_DICTATION_MINORITY,
     Protocol::WebSocket},
    {Endpoint::DictationIntl, "DICTATION_INTL", TALKVANE_DEFAULT_URL_DICTATION_INTL,
     Protocol::WebSocket},
    {Endpoint::TranslatorMicrosoft, "TRANSLATOR_MICROSOFT", TALKVANE_DEFAULT_URL_TRANSLATOR_MICROSOFT,
     Protocol::Http},
    {Endpoint::TranslatorIflytek, "TRANSLATOR_IFLYTEK", TALKVANE_DEFAULT_URL_TRANSLATOR_IFLYTEK,
     Protocol::Http},
    {Endpoint::OcrAzure, "OCR_AZURE", TALKVANE_DEFAULT_URL_OCR_AZURE, Protocol::Http},
    {Endpoint::OcrIflytek, "OCR_IFLYTEK", TALKVANE_DEFAULT_URL_OCR_IFLYTEK, Protocol::Http},
    {Endpoint::PictureUpload, "PICTURE_UPLOAD", TALKVANE_DEFAULT_URL_PICTURE_UPLOAD, Protocol::Http},
    {Endpoint::AsrTencent, "ASR_TENCENT", TALKVANE_DEFAULT_URL_ASR_TENCENT, Protocol::WebSocket},
    {Endpoint::SpeechMicrosoft, "SPEECH_MICROSOFT", TALKVANE_DEFAULT_URL_SPEECH_MICROSOFT,
     Protocol::Either},
    {Endpoint::TranscriptionMicrosoft, "TRANSCRIPTION_MICROSOFT",
     TALKVANE_DEFAULT_URL_TRANSCRIPTION_MICROSOFT, Protocol::Http},
    {Endpoint::Website, "WEBSITE", TALKVANE_DEFAULT_URL_WEBSITE, Protocol::Http},
    {Endpoint::Dashscope, "DASHSCOPE", TALKVANE_DEFAULT_URL_DASHSCOPE, Protocol::Http},
    {Endpoint::DashscopeWs, "DASHSCOPE_WS", TALKVANE_DEFAULT_URL_DASHSCOPE_WS, Protocol::WebSocket},
    {Endpoint::StorageUpload, "STORAGE_UPLOAD", TALKVANE_DEFAULT_URL_STORAGE_UPLOAD, Protocol::Http},
};

const EndpointInfo &info(Endpoint endpoint)
{
    for (const auto &e : kEndpoints) {
        if (e.endpoint == endpoint)
            return e;
    }
    Q_UNREACHABLE();
}

OverrideCheck refused(QString reason)
{
    return {false, std::move(reason)};
}

}  // namespace

// QUrl has already normalised the host: lower case, IPv4 in dotted quads
// (so "127.1" and "0x7f000001" arrive as 127.0.0.1), IPv6 compressed. What
// it cannot read as an address stays a name, "127.999.0.1" included, and a
// name other than localhost is up to the resolver.
bool isLoopbackHost(const QString &host)
{
    if (host == QLatin1String("localhost") || host == QLatin1String("::1"))
        return true;
    static const QRegularExpression ipv4(QStringLiteral("^127\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch m = ipv4.match(host);
    if (!m.hasMatch())
        return false;
    for (int i = 1; i <= 3; ++i) {
        if (m.captured(i).toInt() > 255)
            return false;
    }
    return true;
}

OverrideCheck checkOverride(Endpoint endpoint, const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return refused(QStringLiteral("not a valid absolute URL"));
    const QString scheme = url.scheme();
    const QString host = url.host();
    const QString where = scheme + QStringLiteral("://") + host;
    if (host.isEmpty())
        return refused(QStringLiteral("no host in %1").arg(where));

    const Protocol protocol = info(endpoint).protocol;
    if (protocol == Protocol::Either) {
        if (scheme == QLatin1String("wss") || scheme == QLatin1String("https"))
            return {true, QString()};
        if (scheme != QLatin1String("ws") && scheme != QLatin1String("http"))
            return refused(QStringLiteral("%1 is not a wss:// or https:// URL").arg(where));
        if (!isLoopbackHost(host))
            return refused(QStringLiteral("%1 is not encrypted; use wss:// or https:// for hosts "
                                          "other than this machine").arg(where));
        return {true, QString()};
    }
    const bool web = protocol == Protocol::WebSocket;
    const QLatin1String secure(web ? "wss" : "https");
    const QLatin1String plain(web ? "ws" : "http");
    if (scheme == secure)
        return {true, QString()};
    if (scheme != plain)
        return refused(QStringLiteral("%1 is not a %2:// or %3:// URL").arg(where, secure, plain));
    if (!isLoopbackHost(host))
        return refused(QStringLiteral("%1 is not encrypted; use %2:// for hosts other than this machine")
                           .arg(where, secure));
    return {true, QString()};
}

QString overrideVariable(Endpoint endpoint)
{
    return QStringLiteral("TALKVANE_URL_") + QLatin1String(info(endpoint).name);
}

// Endpoints of a subscription name its region as "{region}".
static QString withRegion(const QString &url, const QString &region)
{
    QString out = url;
    return out.replace(QLatin1String("{region}"), region);
}

QString url(Endpoint endpoint)
{
    return url(endpoint, QString());
}

QString url(Endpoint endpoint, const QString &region)
{
    const QString variable = overrideVariable(endpoint);
    const QByteArray overridden = qgetenv(variable.toLatin1().constData());
    const QString raw = overridden.isEmpty() ? QString::fromUtf8(info(endpoint).defaultUrl)
                                             : QString::fromUtf8(overridden);
    if (raw.contains(QLatin1String("{region}")) && region.isEmpty())
        return QString();  // no region yet: nothing to reach
    const QString text = withRegion(raw, region);
    if (overridden.isEmpty())
        return text;
    const OverrideCheck check = checkOverride(endpoint, text);
    if (check.accepted)
        return text;
    qWarning().noquote() << variable << "refused:" << check.reason
                         << "- the endpoint is unavailable until it is fixed or unset";
    return QString();
}

QString route(Endpoint endpoint, const QString &path)
{
    QString base = url(endpoint);
    if (base.isEmpty())
        return QString();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + path;
}

}  // namespace Endpoints

namespace BuiltInCredentials {

QString dictationAppId() { return QStringLiteral(TALKVANE_DICTATION_APP_ID); }
QString dictationApiKey() { return QStringLiteral(TALKVANE_DICTATION_API_KEY); }
QString dictationApiSecret() { return QStringLiteral(TALKVANE_DICTATION_API_SECRET); }
QString dictationIntApiKey() { return QStringLiteral(TALKVANE_DICTATION_INT_API_KEY); }
QString dictationIntApiSecret() { return QStringLiteral(TALKVANE_DICTATION_INT_API_SECRET); }
QString translatorMicrosoftKey() { return QStringLiteral(TALKVANE_TRANSLATOR_MICROSOFT_KEY); }
QString translatorMicrosoftRegion() { return QStringLiteral(TALKVANE_TRANSLATOR_MICROSOFT_REGION); }
QString translatorIflytekAppId() { return QStringLiteral(TALKVANE_TRANSLATOR_IFLYTEK_APP_ID); }
QString translatorIflytekApiKey() { return QStringLiteral(TALKVANE_TRANSLATOR_IFLYTEK_API_KEY); }
QString translatorIflytekApiSecret() { return QStringLiteral(TALKVANE_TRANSLATOR_IFLYTEK_API_SECRET); }
QString speechMicrosoftKey() { return QStringLiteral(TALKVANE_SPEECH_MICROSOFT_KEY); }
QString speechMicrosoftRegion() { return QStringLiteral(TALKVANE_SPEECH_MICROSOFT_REGION); }
QString ocrAzureKey() { return QStringLiteral(TALKVANE_OCR_AZURE_KEY); }
QString ocrIflytekAppId() { return QStringLiteral(TALKVANE_OCR_IFLYTEK_APP_ID); }
QString ocrIflytekApiKey() { return QStringLiteral(TALKVANE_OCR_IFLYTEK_API_KEY); }
QString ocrIflytekApiSecret() { return QStringLiteral(TALKVANE_OCR_IFLYTEK_API_SECRET); }
QString tencentAsrAppId() { return QStringLiteral(TALKVANE_TENCENT_ASR_APP_ID); }
QString tencentAsrSecretId() { return QStringLiteral(TALKVANE_TENCENT_ASR_SECRET_ID); }
QString tencentAsrSecretKey() { return QStringLiteral(TALKVANE_TENCENT_ASR_SECRET_KEY); }
QString dashscopeAppId() { return QStringLiteral(TALKVANE_DASHSCOPE_APP_ID); }
QString dashscopeApiKey() { return QStringLiteral(TALKVANE_DASHSCOPE_API_KEY); }

quint8 keyPayloadXor()
{
    bool ok = false;
    const uint value = QStringLiteral(TALKVANE_KEY_PAYLOAD_XOR).toUInt(&ok, 0);
    if (ok && value > 0xff)
        qWarning() << "TALKVANE_KEY_PAYLOAD_XOR is not a byte; using its low 8 bits";
    return ok ? quint8(value) : 0;
}

}  // namespace BuiltInCredentials

namespace PublicHosts {

QString baiduSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_BAIDU); }
QString googleSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_GOOGLE); }
QString bingSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_BING); }
QString yahooSearch() { return QStringLiteral(TALKVANE_HOST_SEARCH_YAHOO); }
QString hao123Portal() { return QStringLiteral(TALKVANE_HOST_PORTAL_HAO123); }
QString bingPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_BING); }
QString yandexPortal() { return QStringLiteral(TALKVANE_HOST_PORTAL_YANDEX); }

}  // namespace PublicHosts
