#include "core/speech/xfyun_request.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

namespace XfyunRequest {

Route route(const QString &region, const QString &language)
{
    if (region == QLatin1String("cn")) {
        const bool mainstream = language.contains(QLatin1String("zh"))
                                || language.contains(QLatin1String("en"));
        return {mainstream ? Endpoints::Endpoint::Dictation : Endpoints::Endpoint::DictationMinority,
                false};
    }
    return {Endpoints::Endpoint::DictationIntl, true};
}

QString httpDate(const QDateTime &utc)
{
    static const char *const kDays[] = {"Mon,", "Tue,", "Wed,", "Thu,", "Fri,", "Sat,", "Sun,"};
    static const char *const kMonths[] = {" Jan", " Feb", " Mar", " Apr", " May", " Jun",
                                          " Jul", " Aug", " Sep", " Oct", " Nov", " Dec"};
    const QDateTime t = utc.toUTC();
    const QDate d = t.date();
    const QTime tm = t.time();
    return QString::asprintf("%s %02d%s %04d %02d:%02d:%02d GMT", kDays[d.dayOfWeek() - 1],
                             d.day(), kMonths[d.month() - 1], d.year(), tm.hour(), tm.minute(),
                             tm.second());
}

QString signature(const QString &endpointUrl, const QString &date, const QString &apiSecret)
{
    const QString origin = QStringLiteral("host: %1\ndate: %2\n%3")
                               .arg(endpointUrl, date, QLatin1String(kRequestLine));
    const QByteArray mac = QMessageAuthenticationCode::hash(
        origin.toUtf8(), apiSecret.toLocal8Bit(), QCryptographicHash::Sha256);
    return QString::fromLatin1(mac.toBase64());
}

QString authorization(const QString &apiKey, const QString &signature)
{
    const QString origin =
        QString::fromLatin1(R"(api_key="%1", algorithm="%2", headers="%3", signature="%4")")
            .arg(apiKey, QStringLiteral("hmac-sha256"), QStringLiteral("host date request-line"),
                 signature);
    return QString::fromLatin1(origin.toLatin1().toBase64());
}

QUrl signedUrl(const QString &endpointUrl, const QString &apiKey, const QString &apiSecret,
               const QDateTime &utcNow)
{
    const QString date = httpDate(utcNow);
    const QString auth = authorization(apiKey, signature(endpointUrl, date, apiSecret));
    // Tolerant parsing encodes the date's spaces; the rest travels as is.
    return QUrl(QStringLiteral("%1?authorization=%2&date=%3&host=%4")
                    .arg(endpointUrl, auth, date, endpointUrl),
                QUrl::TolerantMode);
}

QJsonObject business(const QString &language, int ptt)
{
    QString lang = language;
    QString accent = QStringLiteral("mandarin");
    QString rlang;

    if (lang.contains(QLatin1String("zh_cn"))) {
        const bool traditional = lang == QLatin1String("zh_cn_cantonese_traditional")
                                 || lang == QLatin1String("zh_cn_taiwan_traditional");
        rlang = traditional ? QStringLiteral("zh-hk") : QStringLiteral("zh-cn");
        // The first marker found decides, in this order.
        static const struct {
            const char *marker;
            const char *accent;
        } kAccents[] = {
            {"zh_cn_cn_cantonese", "cn_cantonese"},
            {"zh_cn_cn_lmz", "cn_lmz"},
            {"zh_cn_henanese", "henanese"},
            {"zh_cn_cantonese_traditional", "cantonese"},
            {"zh_cn_shanghainese", "shanghainese"},
            {"zh_cn_nanchangnese", "nanchangnese"},
            {"zh_cn_minnanese", "minnanese"},
            {"zh_cn_lmz", "lmz"},
            {"zh_cn_wuhanese", "wuhanese"},
            {"zh_cn_hakkanese", "hakkanese"},
        };
        for (const auto &a : kAccents) {
            if (lang.contains(QLatin1String(a.marker))) {
                accent = QLatin1String(a.accent);
                break;
            }
        }
        lang = QStringLiteral("zh_cn");
    }

    QJsonObject b{
        {QStringLiteral("language"), lang},
        {QStringLiteral("domain"), QStringLiteral("iat")},
        {QStringLiteral("accent"), accent},
        {QStringLiteral("vad_eos"), 10000},
        {QStringLiteral("ptt"), ptt},
        {QStringLiteral("rlang"), rlang},
        {QStringLiteral("nunum"), 1},
    };
    // Dynamic correction exists for Chinese except Cantonese.
    if (lang.contains(QLatin1String("cn")) && !lang.contains(QLatin1String("en"))
        && !accent.contains(QLatin1String("cantonese")))
        b.insert(QStringLiteral("dwa"), QStringLiteral("wpgs"));
    return b;
}

}  // namespace XfyunRequest
