#include "core/speech/tencentcloudspeech.h"

#include "core/config/endpoints.h"

#include <QDateTime>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslConfiguration>
#include <QUrl>
#include <QUuid>
#include <QWebSocket>

#include <openssl/err.h>
#include <openssl/evp.h>

#include <cstdio>
#include <memory>

namespace {

constexpr auto kNormalClose = QWebSocketProtocol::CloseCodeNormal;

QString firstChars(const QString &secret)
{
    return secret.isEmpty() ? QStringLiteral("(empty)") : secret.left(4) + QStringLiteral("...");
}

QString opensslError()
{
    char text[256] = {};
    ERR_error_string_n(ERR_get_error(), text, sizeof text);
    return QString::fromLatin1(text);
}

struct PkeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};

}  // namespace

TencentCloudSpeech::TencentCloudSpeech(QObject *parent)
    : QObject(parent), m_random(std::random_device{}())
{
    registerPxAsrResultType();
    setAppId(BuiltInCredentials::tencentAsrAppId());
    setSecretId(BuiltInCredentials::tencentAsrSecretId());
    setSecretKey(BuiltInCredentials::tencentAsrSecretKey());
}

TencentCloudSpeech::~TencentCloudSpeech()
{
    // No results for a session nobody listens to any more.
    if (m_socket)
        m_socket->disconnect(this);
}

void TencentCloudSpeech::setSocket(QWebSocket *socket)
{
    if (m_socket)
        m_socket->disconnect(this);
    m_socket = socket;
    if (!socket)
        return;
    connect(socket, &QWebSocket::connected, this, &TencentCloudSpeech::onConnected);
    connect(socket, &QWebSocket::disconnected, this, &TencentCloudSpeech::onDisConnected);
    connect(socket, &QWebSocket::textMessageReceived, this,
            &TencentCloudSpeech::onTextMessageReceived);
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            &TencentCloudSpeech::onBinaryMessageReceived);
    connect(socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            &TencentCloudSpeech::onError);
}

void TencentCloudSpeech::setAppId(const QString &appId)
{
    if (appId.isEmpty())
        return;
    m_appIdPart = appId.endsWith(QLatin1Char('?')) ? appId : appId + QLatin1Char('?');
}

void TencentCloudSpeech::setSecretId(const QString &secretId)
{
    if (!secretId.isEmpty())
        m_secretId = secretId;
}

void TencentCloudSpeech::setSecretKey(const QString &secretKey)
{
    if (!secretKey.isEmpty())
        m_secretKey = secretKey;
}

int TencentCloudSpeech::hmac_sha1(const unsigned char *key, std::size_t keyLength,
                                  const unsigned char *data, std::size_t dataLength,
                                  unsigned char *out)
{
    std::unique_ptr<EVP_PKEY, PkeyFree> pkey(
        EVP_PKEY_new_raw_private_key(EVP_PKEY_HMAC, nullptr, key, keyLength));
    if (!pkey) {
        std::fprintf(stderr, "error creating HMAC key\n");
        return -1;
    }
    std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    if (!ctx) {
        std::fprintf(stderr, "EVP_MD_CTX_new failed\n");
        return -1;
    }
    if (EVP_DigestSignInit(ctx.get(), nullptr, EVP_sha1(), nullptr, pkey.get()) != 1) {
        std::fprintf(stderr, "EVP_DigestSignInit failed: %s\n", qPrintable(opensslError()));
        return -1;
    }
    if (EVP_DigestSignUpdate(ctx.get(), data, dataLength) != 1) {
        std::fprintf(stderr, "EVP_DigestSignUpdate failed: %s\n", qPrintable(opensslError()));
        return -1;
    }
    std::size_t length = 0;
    if (EVP_DigestSignFinal(ctx.get(), nullptr, &length) != 1) {
        std::fprintf(stderr, "EVP_DigestSignFinal (get length) failed: %s\n",
                     qPrintable(opensslError()));
        return -1;
    }
    if (length > EVP_MAX_MD_SIZE) {
        std::fprintf(stderr, "HMAC size exceeds EVP_MAX_MD_SIZE\n");
        return -1;
    }
    if (EVP_DigestSignFinal(ctx.get(), out, &length) != 1) {
        std::fprintf(stderr, "EVP_DigestSignFinal failed: %s\n", qPrintable(opensslError()));
        return -1;
    }
    return int(length);
}

QString TencentCloudSpeech::encodeEncrypt(const QString &engine)
{
    const QUrl endpoint(Endpoints::url(Endpoints::Endpoint::AsrTencent));
    if (endpoint.host().isEmpty() || m_appIdPart.isEmpty()) {
        qWarning() << "recognition endpoint or app id not configured";
        return QString();
    }
    // The service signs host and path as they appear in the request, the
    // port included when the URL names one.
    QString prefix = endpoint.host(QUrl::FullyEncoded);
    if (endpoint.port() != -1)
        prefix += QLatin1Char(':') + QString::number(endpoint.port());
    QString path = endpoint.path(QUrl::FullyEncoded);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    prefix += path + QLatin1Char('/');
    m_urlPrefix = prefix.toStdString();

    const qint64 now = QDateTime::currentSecsSinceEpoch();
    std::uniform_int_distribution<unsigned long long> nonce(0, kMaxNonce);
    m_parameters.clear();
    m_parameters["secretid"] = m_secretId.toStdString();
    m_parameters["timestamp"] = std::to_string(now);
    m_parameters["expired"] = std::to_string(now + kExpirySeconds);
    m_parameters["needvad"] = "1";
    m_parameters["nonce"] = std::to_string(nonce(m_random));
    m_parameters["engine_model_type"] = engine.toStdString();
    m_parameters["voice_id"] = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    m_parameters["voice_format"] = "1";

    std::string query;
    for (const auto &[key, value] : m_parameters) {
        if (!query.empty())
            query += '&';
        query += key + '=' + value;
    }
    const std::string source = m_urlPrefix + m_appIdPart.toStdString() + query;

    const QByteArray key = m_secretKey.toUtf8();
    unsigned char digest[EVP_MAX_MD_SIZE];
    const int length = hmac_sha1(reinterpret_cast<const unsigned char *>(key.constData()),
                                 std::size_t(key.size()),
                                 reinterpret_cast<const unsigned char *>(source.data()),
                                 source.size(), digest);
    if (length < 0) {
        qWarning() << "err";
        return QString();
    }
    const QByteArray signature =
        QByteArray(reinterpret_cast<const char *>(digest), length).toBase64().toPercentEncoding();
    return QString::fromStdString(source) + QStringLiteral("&signature=")
           + QString::fromLatin1(signature);
}

void TencentCloudSpeech::openAsr(const QString &engine)
{
    if (!m_socket) {
        qWarning() << "openAsr without a socket";
        return;
    }
    // A session left over from an earlier press ends without a word: its
    // consumer has moved on.
    closeQuietly();
    m_state = State::Idle;
    m_sentences.clear();
    m_end = false;

    const QString scheme = QUrl(Endpoints::url(Endpoints::Endpoint::AsrTencent)).scheme();
    const QString signedUrl = encodeEncrypt(engine);
    m_state = State::Connecting;
    if (signedUrl.isEmpty()) {
        failSession(tr("语音识别服务不可用"), QStringLiteral("the URL could not be signed"));
        return;
    }
    const QString signature = signedUrl.section(QStringLiteral("&signature="), 1);
    // The query carries the signature: only the path and prefixes go to the log.
    qInfo().noquote() << "openAsr: engine" << engine << "URL"
                      << scheme + QStringLiteral("://") + QString::fromStdString(m_urlPrefix)
                             + m_appIdPart.left(m_appIdPart.size() - 1)
                      << "secret id" << firstChars(m_secretId) << "key" << firstChars(m_secretKey)
                      << "signature" << firstChars(signature);

    // Peer verification against the system's CA store (plus whatever the
    // process added to the default configuration), normal protocol choice.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    m_socket->setSslConfiguration(tls);
    m_socket->open(QUrl(scheme + QStringLiteral("://") + signedUrl));
}

void TencentCloudSpeech::sendAudio(const QByteArray &pcm)
{
    if (m_state != State::Streaming || !m_socket
        || m_socket->state() != QAbstractSocket::ConnectedState)
        return;  // not connected (yet): the service would not know what to do with it
    m_socket->sendBinaryMessage(pcm);
}

void TencentCloudSpeech::finishAsr()
{
    qInfo() << "finishAsr: state" << int(m_state);
    if (m_state == State::Idle)
        return;
    m_end = true;
    if (m_state != State::Streaming)
        return;  // still connecting: the end goes out once connected
    m_state = State::Ending;
    m_socket->sendTextMessage(QStringLiteral("{\"type\": \"end\"}"));
}

void TencentCloudSpeech::cancelAsr()
{
    if (m_state == State::Idle)
        return;
    qInfo() << "cancelAsr: ending the open session";
    endSession();
}

void TencentCloudSpeech::onConnected()
{
    qInfo() << "recognition connected, end" << m_end;
    if (m_state != State::Connecting)
        return;
    m_state = State::Streaming;
    if (m_end) {
        // Released while connecting: nothing was sent, the final result says so.
        m_state = State::Ending;
        m_socket->sendTextMessage(QStringLiteral("{\"type\": \"end\"}"));
    }
}

void TencentCloudSpeech::onDisConnected()
{
    if (m_closing)
        return;
    qInfo() << "recognition disconnected, close code" << m_socket->closeCode()
            << m_socket->closeReason();
    if (m_state == State::Idle)
        return;
    failSession(tr("识别服务断开了连接"),
                QStringLiteral("closed before the final result: %1 %2")
                    .arg(int(m_socket->closeCode()))
                    .arg(m_socket->closeReason()));
}

void TencentCloudSpeech::onTextMessageReceived(const QString &message)
{
    qDebug().noquote() << "recognition message:" << message;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        qWarning() << "JSON 解析错误:" << error.errorString();
        return;
    }
    if (m_state == State::Idle)
        return;  // a late message of a session already ended
    const QJsonObject object = doc.object();
    const int code = object.value(QStringLiteral("code")).toInt();
    if (code != 0) {
        failSession(QStringLiteral("error: code=") + QString::number(code),
                    object.value(QStringLiteral("message")).toString());
        return;
    }
    qDebug() << "voice_id" << object.value(QStringLiteral("voice_id")).toString() << "message_id"
             << object.value(QStringLiteral("message_id")).toString();

    const QJsonValue res = object.value(QStringLiteral("result"));
    if (res.isObject()) {
        const QJsonObject r = res.toObject();
        const QString text = r.value(QStringLiteral("voice_text_str")).toString();
        qDebug() << "slice" << r.value(QStringLiteral("slice_type")).toInt() << "index"
                 << r.value(QStringLiteral("index")).toInt() << "from"
                 << r.value(QStringLiteral("start_time")).toInt() << "to"
                 << r.value(QStringLiteral("end_time")).toInt() << text;
        m_sentences.insert(r.value(QStringLiteral("index")).toInt(), text);
        result(text, m_end ? PXASRResultType::Confirm : PXASRResultType::Continue);
        result(fullText(), PXASRResultType::ShowText);
    }
    if (object.value(QStringLiteral("final")).toInt() == 1)
        endSession();
}

void TencentCloudSpeech::onBinaryMessageReceived(const QByteArray &message)
{
    qDebug() << "recognition binary message:" << message.size() << "bytes";
}

void TencentCloudSpeech::onError(QAbstractSocket::SocketError error)
{
    if (m_closing)
        return;
    qWarning() << "recognition socket error" << error << m_socket->errorString();
    if (m_state == State::Idle)
        return;
    failSession(m_state == State::Connecting ? tr("无法连接语音识别服务")
                                             : tr("识别服务断开了连接"),
                m_socket->errorString());
}

void TencentCloudSpeech::endSession()
{
    m_state = State::Idle;
    // A normal closing handshake; what the socket reports afterwards
    // belongs to no session and is ignored.
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->close(kNormalClose);
    else
        closeQuietly();
    result(fullText(), PXASRResultType::Finish);
}

void TencentCloudSpeech::failSession(const QString &userMessage, const QString &logReason)
{
    qWarning().noquote() << "recognition failed:" << userMessage << "-" << logReason;
    m_state = State::Idle;
    closeQuietly();
    result(userMessage, PXASRResultType::Error);
    // What was recognised up to here is what is already typed: Finish
    // commits it, so the next session starts from a clean slate.
    result(fullText(), PXASRResultType::Finish);
}

void TencentCloudSpeech::closeQuietly()
{
    if (!m_socket || m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_closing = true;
    m_socket->close(kNormalClose);
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_closing = false;
}

QString TencentCloudSpeech::fullText() const
{
    QString text;
    for (const QString &sentence : m_sentences)
        text += sentence;
    return text;
}

void TencentCloudSpeech::result(const QString &text, PXASRResultType type)
{
    emit asrResult(true, text, type);
}
