#include "core/ocr/cloudocr.h"

#include "core/ocr/ocr_reply.h"

#include <QDebug>
#include <QFile>
#include <QFutureWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtConcurrent>

namespace {

// Recognition takes longer than a translation, and the image goes up first.
constexpr int kConnectTimeoutMs = 10000;
constexpr int kTimeoutMs = 30000;
constexpr int kLoggedBodyChars = 2000;

// What the service said about a refused request, for the log:
// {"error": {"message": ...}} (Azure), {"header": {"message": ...}} or
// {"message": ...} (the iFlytek gateway).
QString serviceSaid(const QByteArray &body)
{
    const QJsonObject o = QJsonDocument::fromJson(body).object();
    for (const char *outer : {"error", "header"}) {
        const QJsonObject inner = o.value(QLatin1String(outer)).toObject();
        if (inner.contains(QLatin1String("message"))) {
            return QStringLiteral("code %1: %2")
                .arg(inner.value(QLatin1String("code")).toVariant().toString(),
                     inner.value(QLatin1String("message")).toString());
        }
    }
    if (o.contains(QLatin1String("message")))
        return o.value(QLatin1String("message")).toString();
    return QStringLiteral("no error text");
}

}  // namespace

CloudOCR::CloudOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
                   QObject *parent)
    : QObject(parent), m_appId(appId), m_apiKey(apiKey), m_apiSecret(apiSecret)
{
    m_options.connectTimeoutMs = kConnectTimeoutMs;
    m_options.timeoutMs = kTimeoutMs;
}

void CloudOCR::setKeys(const QString &appId, const QString &apiKey, const QString &apiSecret)
{
    m_appId = appId;
    m_apiKey = apiKey;
    m_apiSecret = apiSecret;
}

void CloudOCR::setImageFilePath(const QString &path)
{
    qDebug() << "filePath: " << path;
    m_imageFilePath = path;
}

void CloudOCR::setTimeouts(int connectMs, int totalMs)
{
    m_options.connectTimeoutMs = connectMs;
    m_options.timeoutMs = totalMs;
}

QString CloudOCR::failureMessage(const HttpResult &result)
{
    return result.failureText({notConfiguredMessage(),
                               tr("文字识别服务响应超时，请稍后再试"),
                               tr("无法连接文字识别服务，请检查网络"),
                               tr("文字识别服务拒绝了请求，请刷新后再试"),
                               tr("文字识别请求过于频繁，请稍后再试"),
                               tr("文字识别服务暂时不可用，请稍后再试")});
}

QString CloudOCR::unexpectedAnswerMessage()
{
    return tr("文字识别服务返回了无法识别的结果");
}

QString CloudOCR::serviceErrorMessage()
{
    return tr("文字识别失败，请稍后再试");
}

QString CloudOCR::notConfiguredMessage()
{
    return tr("文字识别服务未配置");
}

QString CloudOCR::unreadableImageMessage()
{
    return tr("无法读取截图，请重新截图");
}

void CloudOCR::fail(const QString &reason, const QString &message)
{
    qWarning().noquote() << metaObject()->className() << "OCR failed:" << reason;
    emit errorOccurred(message);
}

bool CloudOCR::readImage(QByteArray *bytes)
{
    QFile file(m_imageFilePath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Failed to open image file: ") + m_imageFilePath + QStringLiteral(" - ")
                 + file.errorString(),
             unreadableImageMessage());
        return false;
    }
    *bytes = file.readAll();
    // An empty file is a capture that was never written out.
    if (bytes->isEmpty()) {
        fail(QStringLiteral("image file is empty: ") + m_imageFilePath, unreadableImageMessage());
        return false;
    }
    return true;
}

void CloudOCR::post(const QString &url, const QByteArray &body, const QStringList &headers)
{
    CurlWrapper::Options options = m_options;
    options.headers = headers;
    auto *watcher = new QFutureWatcher<HttpResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const HttpResult r = watcher->result();
        watcher->deleteLater();
        onReply(r);
    });
    watcher->setFuture(QtConcurrent::run([url, body, options] {
        return CurlWrapper::post(url, body, options);
    }));
}

void CloudOCR::onReply(const HttpResult &r)
{
    if (!r.ok()) {
        QString reason = QStringLiteral("OCR request failed: ") + r.error;
        if (r.outcome == HttpResult::Outcome::HttpError)
            reason += QStringLiteral(" - ") + serviceSaid(r.body);
        fail(reason, failureMessage(r));
        return;
    }
    qDebug().noquote() << "OCR Response:" << QString::fromUtf8(r.body.left(kLoggedBodyChars));
    const OcrReply::Parsed parsed = OcrReply::parse(r.body);
    switch (parsed.status) {
    case OcrReply::Parsed::Status::Text:
        qDebug() << metaObject()->className() << "recognised" << parsed.text.size() << "characters";
        emit ocrFinished(parsed.text);
        return;
    case OcrReply::Parsed::Status::ServiceError:
        fail(parsed.why, serviceErrorMessage());
        return;
    case OcrReply::Parsed::Status::NotJson:
    case OcrReply::Parsed::Status::UnknownShape:
    case OcrReply::Parsed::Status::BadPayload:
        fail(parsed.why, unexpectedAnswerMessage());
        return;
    }
}
