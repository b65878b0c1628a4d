#include "picture_upload.h"

#include "core/config/endpoints.h"

#include <QDebug>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

QString PictureUpload::upload(int timeoutMs)
{
    const QString url = Endpoints::url(Endpoints::Endpoint::PictureUpload);
    if (url.isEmpty())
        return QString();
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply = manager.post(request, QByteArray());
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
    if (!reply->isFinished()) {
        qWarning() << "failed upload: no answer within" << timeoutMs << "ms";
        reply->abort();
        delete reply;
        return QString();
    }
    const QByteArray body = reply->readAll();
    if (reply->error() != QNetworkReply::NoError)
        qWarning() << "failed upload:" << reply->errorString();
    delete reply;
    return linkFromReply(body);
}

QString PictureUpload::linkFromReply(const QByteArray &reply)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(reply, &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "failed upload";
        return QString();
    }
    const QJsonObject answer = doc.object();
    if (!doc.isObject() || !answer.value(QLatin1String("success")).toBool()) {
        qWarning() << "上传失败";
        return QString();
    }
    return answer.value(QLatin1String("result")).toArray().at(0).toString();
}

QString PictureUpload::clipboardText(const QString &link, bool copyWithMd)
{
    return copyWithMd ? QStringLiteral("![](") + link + QLatin1Char(')') : link;
}
