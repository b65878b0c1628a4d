// FunControlCenter: fetching the service credentials and handing them out.

#include "business/funcontrolcenter.h"

#include "core/config/endpoints.h"
#include "core/config/key_payload.h"
#include "core/ocr/microsoftocr.h"
#include "core/speech/microsoftspeech.h"
#include "core/ocr/xunfeiocr.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "core/translator/microsofttranslator.h"
#include "core/translator/xunfeitranslator.h"
#include "curl/curlwrapper.h"

#include <QDebug>
#include <QFutureWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtConcurrent>

namespace {

// Start-up does not wait for the key service; these only bound how long a
// dead one keeps a worker thread.
constexpr int kKeyConnectTimeoutMs = 5000;
constexpr int kKeyTimeoutMs = 15000;

KeyPayload::Unpacked fetchKeys(const QString &url, quint8 xorKey)
{
    CurlWrapper::Options options;
    options.connectTimeoutMs = kKeyConnectTimeoutMs;
    options.timeoutMs = kKeyTimeoutMs;
    const HttpResult r = CurlWrapper::get(url, options);
    if (!r.ok())
        return {{}, QStringLiteral("JSON 解析失败: ") + r.error};
    return KeyPayload::fromResponse(r.body, xorKey);
}

QString firstChars(const QString &secret)
{
    return secret.left(4) + QStringLiteral("...");
}

}  // namespace

void FunControlCenter::initKeyManage()
{
    qInfo() << "fetching the service credentials";
    QString base = Endpoints::url(Endpoints::Endpoint::Management);
    if (base.isEmpty()) {
        qWarning() << "no management server configured; the built-in credentials stay";
        emit keyManageFinished(false);
        return;
    }
    if (m_keyFetch) {
        qDebug() << "the credentials are already being fetched";
        return;
    }
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QString url = base + QStringLiteral("/api/system/v3/getKey");
    const quint8 xorKey = BuiltInCredentials::keyPayloadXor();

    auto *watcher = new QFutureWatcher<KeyPayload::Unpacked>(this);
    m_keyFetch = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        m_keyFetch = nullptr;
        const KeyPayload::Unpacked result = watcher->result();
        watcher->deleteLater();
        if (!result.ok()) {
            qWarning().noquote() << "credentials unchanged:" << result.failure;
            emit keyManageFinished(false);
            return;
        }
        applyKeys(result.payload);
        emit keyManageFinished(true);
    });
    watcher->setFuture(QtConcurrent::run(fetchKeys, url, xorKey));
}

void FunControlCenter::applyKeys(const QByteArray &payload)
{
    if (!m_config.loadFromJson(payload)) {
        qWarning() << "Failed to parse JSON configuration";
        return;
    }
    qDebug().noquote() << "IAT App ID:" << firstChars(m_config.iatAppId());

    m_xfyun->setAppId(m_config.iatAppId());
    m_xfyun->setApiKey(m_config.iatAppKey());
    m_xfyun->setApiSecret(m_config.iatAppSecret());
    m_xfyun->setIntAppId(m_config.intIatAppId());
    m_xfyun->setIntApiKey(m_config.intIatAppKey());
    m_xfyun->setIntApiSecret(m_config.intIatAppSecret());
    m_microsoftOcr->setKeys(QString(), m_config.azureOcrKey(), QString());
    m_xunfeiOcr->setKeys(m_config.ocrAppId(), m_config.ocrAppKey(), m_config.ocrAppSecret());
    applyTencentKeys();
    m_microsoftTranslator->setKeys(QString(), m_config.azureTranslateKey(), QString());
    m_xunfeiTranslator->setKeys(m_config.otsAppId(), m_config.otsAppKey(), m_config.otsAppSecret());

    const QJsonObject keys = QJsonDocument::fromJson(payload).object();
    if (keys.contains(QLatin1String("microsoft_region"))) {
        m_microsoftSpeechRegion = keys.value(QLatin1String("microsoft_region")).toString();
        m_microsoftSpeech->setRegion(m_microsoftSpeechRegion);
    }
    if (keys.contains(QLatin1String("microsoft_key"))) {
        m_microsoftSpeechKey = keys.value(QLatin1String("microsoft_key")).toString();
        m_microsoftSpeech->setKey(m_microsoftSpeechKey);
    }
}
