#include "widget/update/update_check.h"

#include "build_config.h"
#include "core/config/endpoints.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace UpdateCheck {

QString productKey()
{
    return QStringLiteral(TALKVANE_UPDATE_PRODUCT_KEY);
}

QString queryUrl()
{
    return Endpoints::route(Endpoints::Endpoint::Management,
                            QStringLiteral("/api/app/v1/packageUpdate?p_key=") + productKey());
}

qint64 versionNumber(const QString &text)
{
    static const QRegularExpression digitsAndDots(QStringLiteral("^[0-9.]*[0-9][0-9.]*$"));
    if (!digitsAndDots.match(text).hasMatch())
        return -1;
    bool ok = false;
    const qint64 number = QString(text).remove(QLatin1Char('.')).toLongLong(&ok, 10);
    return ok ? number : -1;
}

PackageAnswer parseAnswer(const QByteArray &body)
{
    PackageAnswer answer;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return answer;
    answer.kind = PackageAnswer::Kind::Malformed;
    if (!doc.isObject())
        return answer;
    const QJsonObject root = doc.object();
    const QJsonValue code = root.value(QStringLiteral("code"));
    if (code.toInt() != 200) {
        answer.kind = PackageAnswer::Kind::Refused;
        answer.code = code.toString();
        return answer;
    }
    const QJsonValue data = root.value(QStringLiteral("data"));
    const QJsonValue record = data.toObject().value(QStringLiteral("last_record"));
    if (!data.isObject() || !record.isObject())
        return answer;
    const QJsonValue versions = record.toObject().value(QStringLiteral("versions"));
    const QJsonValue apkUrl = record.toObject().value(QStringLiteral("apk_url"));
    // Doubles hold integers exactly up to 2^53; anything else is no version.
    const double v = versions.toDouble(-1);
    if (!versions.isDouble() || v < 0 || v > 9007199254740992.0 || std::floor(v) != v
        || !apkUrl.isString())
        return answer;
    answer.kind = PackageAnswer::Kind::Package;
    answer.versions = qint64(v);
    answer.apkUrl = apkUrl.toString();
    answer.pId = data.toObject().value(QStringLiteral("p_id")).toVariant().toLongLong();
    return answer;
}

bool downloadAllowed(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    return url.scheme() == QLatin1String("http") && Endpoints::isLoopbackHost(url.host());
}

QString packageFileName(const QString &url)
{
    const QString name = QUrl(url).fileName(QUrl::FullyDecoded);
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    // A leading dot would hide the package; a slash or NUL would leave the folder.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)) || name == self)
        return QStringLiteral("Update.exe");
    return name;
}

FetchOutcome fetchPackage(const QString &url, QFile *part, const QString &target,
                          const DownloadOptions &options)
{
    FetchOutcome outcome;
    // An older package under the same name would pass for this one if the
    // download failed.
    QFile::remove(target);
    const DownloadResult result = CurlWrapper::download(url, part, options);
    // On the disk before it is renamed and handed on.
    const bool synced = ::fsync(part->handle()) == 0;
    part->close();
    const bool written = synced && part->error() == QFileDevice::NoError;
    outcome.cancelled = result.cancelled;
    if (!result.complete())
        outcome.error = result.ok() ? QStringLiteral("%1 of %2 bytes arrived")
                                          .arg(result.received).arg(result.announced)
                                    : result.error;
    else if (!written)
        outcome.error = QStringLiteral("cannot write %1: %2").arg(part->fileName(), part->errorString());
    else if (std::rename(QFile::encodeName(part->fileName()).constData(),
                         QFile::encodeName(target).constData()) != 0)
        outcome.error = QStringLiteral("cannot rename %1 to %2").arg(part->fileName(), target);
    else
        outcome.ok = true;
    if (!outcome.ok)
        QFile::remove(part->fileName());
    return outcome;
}

}  // namespace UpdateCheck
