#include "core/translator/cloudtranslator.h"

#include <QDebug>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace {

constexpr int kConnectTimeoutMs = 10000;
constexpr int kTimeoutMs = 20000;

}  // namespace

CloudTranslator::CloudTranslator(const QString &appId, const QString &apiKey,
                                 const QString &apiSecret, QObject *parent)
    : QObject(parent), m_appId(appId), m_apiKey(apiKey), m_apiSecret(apiSecret)
{
    m_options.connectTimeoutMs = kConnectTimeoutMs;
    m_options.timeoutMs = kTimeoutMs;
}

void CloudTranslator::setKeys(const QString &appId, const QString &apiKey,
                              const QString &apiSecret)
{
    m_appId = appId;
    m_apiKey = apiKey;
    m_apiSecret = apiSecret;
}

void CloudTranslator::setTimeouts(int connectMs, int totalMs)
{
    m_options.connectTimeoutMs = connectMs;
    m_options.timeoutMs = totalMs;
}

QString CloudTranslator::failureMessage(const HttpResult &result)
{
    return result.failureText({notConfiguredMessage(),
                               tr("翻译服务响应超时，请稍后再试"),
                               tr("无法连接翻译服务，请检查网络"),
                               tr("翻译服务拒绝了请求，请刷新后再试"),
                               tr("翻译请求过于频繁，请稍后再试"),
                               tr("翻译服务暂时不可用，请稍后再试")});
}

QString CloudTranslator::unexpectedAnswerMessage()
{
    return tr("翻译服务返回了无法识别的结果");
}

QString CloudTranslator::notConfiguredMessage()
{
    return tr("翻译服务未配置");
}

void CloudTranslator::fail(const QString &reason, const QString &message)
{
    qWarning().noquote() << metaObject()->className() << "translation failed:" << reason;
    emit errorOccurred(message);
}

void CloudTranslator::post(const QString &url, const QByteArray &body, const QStringList &headers,
                           Reader read, ErrorReader readError)
{
    CurlWrapper::Options options = m_options;
    options.headers = headers;
    auto *watcher = new QFutureWatcher<HttpResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, read, readError] {
        const HttpResult r = watcher->result();
        watcher->deleteLater();
        if (!r.ok()) {
            QString reason = r.error;
            if (r.outcome == HttpResult::Outcome::HttpError)
                reason += QStringLiteral(" - ") + readError(r.body);
            fail(reason, failureMessage(r));
            return;
        }
        QString why;
        const std::optional<QString> text = read(r.body, &why);
        if (!text) {
            fail(QStringLiteral("unexpected answer: ") + why, unexpectedAnswerMessage());
            return;
        }
        qDebug() << metaObject()->className() << "translated" << text->size() << "characters";
        emit translationFinished(*text);
    });
    watcher->setFuture(QtConcurrent::run([url, body, options] {
        return CurlWrapper::post(url, body, options);
    }));
}
