#include "core/speech/xfyunwebapidomestic.h"

#include "core/config/endpoints.h"
#include "core/speech/xfyun_request.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>

namespace {

constexpr auto kNormalClose = QWebSocketProtocol::CloseCodeNormal;

QString firstChars(const QString &secret)
{
    return secret.isEmpty() ? QStringLiteral("(empty)") : secret.left(4) + QStringLiteral("...");
}

}  // namespace

XFYunWebApiDomestic::XFYunWebApiDomestic(QObject *parent)
    : QObject(parent),
      m_socket(new QWebSocket(QString(), QWebSocketProtocol::Version13, this)),
      m_sendTimer(new QTimer(this))
{
    registerPxAsrResultType();

    m_appId = m_domesticAppId = BuiltInCredentials::dictationAppId();
    m_apiKey = m_domesticApiKey = BuiltInCredentials::dictationApiKey();
    m_apiSecret = m_domesticApiSecret = BuiltInCredentials::dictationApiSecret();
    m_intApiKey = BuiltInCredentials::dictationIntApiKey();
    m_intApiSecret = BuiltInCredentials::dictationIntApiSecret();

    // Pacing is what the service sees; a coarse timer would drift by several ms.
    m_sendTimer->setTimerType(Qt::PreciseTimer);
    m_sendTimer->setInterval(kSendIntervalMs);
    connect(m_sendTimer, &QTimer::timeout, this, &XFYunWebApiDomestic::SendAudioMgs);

    connect(m_socket, &QWebSocket::connected, this, &XFYunWebApiDomestic::onConnected);
    connect(m_socket, &QWebSocket::disconnected, this, &XFYunWebApiDomestic::onDisconnected);
    connect(m_socket, &QWebSocket::textMessageReceived, this,
            &XFYunWebApiDomestic::onTextMessageReceived);
    connect(m_socket, &QWebSocket::binaryMessageReceived, this,
            &XFYunWebApiDomestic::onBinaryMessageReceived);
    connect(m_socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            &XFYunWebApiDomestic::onError);
}

XFYunWebApiDomestic::~XFYunWebApiDomestic()
{
    // No results for a dictation nobody listens to any more.
    m_socket->disconnect(this);
    m_socket->abort();
}

void XFYunWebApiDomestic::beginAsr(const QString &language, ResultCallback callback,
                                   bool longAudio)
{
    m_end = false;
    m_secondConnection = false;
    m_language = language;
    m_fixResult.clear();
    m_completeNoFix.clear();
    m_callback = std::move(callback);
    m_longAudioUrl = longAudio ? QStringLiteral("url") : QString();

    qInfo() << "beginAsr: socket state" << m_socket->state() << "long audio" << longAudio;
    m_reopening = true;
    m_socket->close(kNormalClose, QString());
    requestWebSocket();
    m_reopening = false;
}

void XFYunWebApiDomestic::endAsr(bool)
{
    qInfo() << "endAsr: queued frames" << m_frames.size();
    m_end = true;
}

void XFYunWebApiDomestic::setAppId(const QString &value)
{
    if (m_domesticAppId != value)
        m_domesticAppId = value;
}

void XFYunWebApiDomestic::setApiKey(const QString &value)
{
    if (m_domesticApiKey != value)
        m_domesticApiKey = value;
}

void XFYunWebApiDomestic::setApiSecret(const QString &value)
{
    if (m_domesticApiSecret != value)
        m_domesticApiSecret = value;
}

void XFYunWebApiDomestic::setIntAppId(const QString &value)
{
    if (m_intAppId != value)
        m_intAppId = value;
}

void XFYunWebApiDomestic::setIntApiKey(const QString &value)
{
    if (m_intApiKey != value)
        m_intApiKey = value;
}

void XFYunWebApiDomestic::setIntApiSecret(const QString &value)
{
    if (m_intApiSecret != value)
        m_intApiSecret = value;
}

void XFYunWebApiDomestic::setRegion(const QString &value)
{
    if (m_region != value)
        m_region = value;
}

void XFYunWebApiDomestic::setPtt(int value)
{
    if (m_ptt != value)
        m_ptt = value;
}

void XFYunWebApiDomestic::resetFlags()
{
    m_end = false;
    m_secondConnection = false;
}

void XFYunWebApiDomestic::setAudioSource(QObject *source, const char *audioSignal)
{
    detachAudio();
    m_audioSource = source;
    m_audioSignal = audioSignal ? QByteArray(audioSignal) : QByteArray();
}

void XFYunWebApiDomestic::setSessionFrameLimit(int frames)
{
    m_sessionFrameLimit = frames > 0 ? frames : kSessionFrameLimit;
}

void XFYunWebApiDomestic::requestWebSocket()
{
    const XfyunRequest::Route route = XfyunRequest::route(m_region, m_language);
    if (route.international) {
        m_appId = m_intAppId;
        m_apiKey = m_intApiKey;
        m_apiSecret = m_intApiSecret;
    } else {
        m_appId = m_domesticAppId;
        m_apiKey = m_domesticApiKey;
        m_apiSecret = m_domesticApiSecret;
    }

    const QString endpoint = Endpoints::url(route.endpoint);
    const QUrl url = XfyunRequest::signedUrl(endpoint, m_apiKey, m_apiSecret,
                                             QDateTime::currentDateTimeUtc());
    // The signed URL carries the signature: log the endpoint and only a prefix.
    const QUrlQuery query(url);
    qInfo().noquote().nospace()
        << "URL: " << endpoint << " date " << query.queryItemValue(QStringLiteral("date"))
        << " authorization " << firstChars(query.queryItemValue(QStringLiteral("authorization")))
        << "; lan: " << m_language << "; appid: " << m_appId << "; key: " << firstChars(m_apiKey);
    m_socket->open(url);

    attachAudio();

    if (!m_longAudioUrl.isEmpty())
        m_longAudioUrl = url.toString(QUrl::FullyEncoded);

    m_sentFrames = 0;
    m_pendingAudio.clear();
    m_frames.clear();
    m_sinceLastFrame.invalidate();
    m_completeNoFix.clear();
    m_complete.clear();
}

void XFYunWebApiDomestic::sendPcmToXunfei(const QByteArray &audio)
{
    if (m_pendingAudio.size() < kFrameBytes)
        m_pendingAudio.append(audio);

    if (m_pendingAudio.size() >= kFrameBytes) {
        m_frames.push_back(m_pendingAudio);
        m_pendingAudio.clear();
        // Catch up at once when the timer has fallen behind.
        if (m_sinceLastFrame.isValid() && m_sinceLastFrame.elapsed() >= kSendIntervalMs)
            SendAudioMgs();
    }

    // Long dictation only starts frames from onConnected.
    if (!m_frames.empty() && !m_sendTimer->isActive()
        && m_socket->state() == QAbstractSocket::ConnectedState && m_longAudioUrl.isEmpty()
        && m_frameStatus != 2) {
        const QByteArray frame = m_frames.front();
        m_frames.pop_front();
        sendFrame(m_frameStatus, frame);
        m_sendTimer->start();
        m_frameStatus = 1;
    }
}

void XFYunWebApiDomestic::sendFrame(int status, const QByteArray &audio)
{
    switch (status) {
    case 0: sendFirstFrameWithData(audio); break;
    case 1: sendMiddleFrameWithData(audio); break;
    default: sendLastFrameWithData(audio); break;
    }
}

namespace {

QJsonObject dataObject(int status, const QByteArray &audio)
{
    return QJsonObject{
        {QStringLiteral("status"), status},
        {QStringLiteral("format"), QStringLiteral("audio/L16;rate=16000")},
        {QStringLiteral("encoding"), QStringLiteral("raw")},
        {QStringLiteral("audio"), QString::fromLatin1(audio.toBase64())},
    };
}

}  // namespace

void XFYunWebApiDomestic::sendFirstFrameWithData(const QByteArray &audio)
{
    const QJsonObject frame{
        {QStringLiteral("common"), QJsonObject{{QStringLiteral("app_id"), m_appId}}},
        {QStringLiteral("business"), XfyunRequest::business(m_language, m_ptt)},
        {QStringLiteral("data"), dataObject(0, audio)},
    };
    sendJson(frame, "first frame: ", audio.size());
}

void XFYunWebApiDomestic::sendMiddleFrameWithData(const QByteArray &audio)
{
    sendJson(QJsonObject{{QStringLiteral("data"), dataObject(1, audio)}}, "middle frame: ",
             audio.size());
}

void XFYunWebApiDomestic::sendLastFrameWithData(const QByteArray &audio)
{
    sendJson(QJsonObject{{QStringLiteral("data"), dataObject(2, audio)}}, "last frame: ",
             audio.size());
}

void XFYunWebApiDomestic::sendJson(const QJsonObject &frame, const char *what, int bytes)
{
    m_socket->sendBinaryMessage(QJsonDocument(frame).toJson(QJsonDocument::Indented));
    qDebug() << what << bytes << "byte" << m_socket->state();
}

void XFYunWebApiDomestic::SendAudioMgs()
{
    qDebug() << "send tick: sent" << m_sentFrames << "queued" << m_frames.size() << "end" << m_end;

    // A fresh connection is still being opened: frames wait for onConnected.
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;

    if (!m_longAudioUrl.isEmpty() && m_sentFrames >= m_sessionFrameLimit) {
        // The service limits a session's length; end it here and reconnect.
        m_frameStatus = 2;
        sendLastFrameWithData(QByteArray());
        m_sendTimer->stop();
        m_sinceLastFrame.invalidate();
        m_sentFrames = 0;
        return;
    }

    if (!m_frames.empty()) {
        const QByteArray frame = m_frames.front();
        m_frames.pop_front();
        sendFrame(m_frameStatus, frame);
        m_sinceLastFrame.restart();
        ++m_sentFrames;
        return;
    }

    if (m_end && m_frameStatus != 2) {
        m_frameStatus = 2;
        sendLastFrameWithData(QByteArray());
        m_sendTimer->stop();
        m_sinceLastFrame.invalidate();
    }
}

void XFYunWebApiDomestic::onConnected()
{
    if (m_end && m_longAudioUrl.isEmpty()) {
        qInfo() << "---还没开始就结束了---";
        m_socket->close(kNormalClose);
        return;
    }

    qInfo() << "dictation started: lan" << m_language << "queued" << m_frames.size();
    m_frameStatus = 0;
    if (m_secondConnection)
        qInfo() << "------- 二次连接，不需要重新回调音频流 -------";

    if (!m_frames.empty()) {
        const QByteArray frame = m_frames.front();
        m_frames.pop_front();
        sendFirstFrameWithData(frame);
        m_sendTimer->start();
        m_sinceLastFrame.start();
        m_frameStatus = 1;
    }
}

void XFYunWebApiDomestic::onDisconnected()
{
    if (m_reopening) {
        qInfo() << "previous dictation connection closed";
        return;
    }

    qInfo() << "WebSocket disconnected m_complete：" << m_complete << "m_completeNoFix "
            << m_completeNoFix << "size: " << m_frames.size() << "end: " << m_end
            << "longAudioUrl: " << !m_longAudioUrl.isEmpty();
    if (m_complete.isEmpty() && m_completeNoFix.isEmpty())
        result(nothingSaid(), PXASRResultType::Error);

    if (!m_longAudioUrl.isEmpty() && !m_end) {
        // Same signed URL: the session limit, not the key, ended the session.
        m_socket->open(QUrl(m_longAudioUrl));
        return;
    }
    m_longAudioUrl.clear();
    detachAudio();
}

void XFYunWebApiDomestic::onTextMessageReceived(const QString &message)
{
    qDebug().noquote() << "--- socketMsg:" << message;
    const QJsonDocument doc = QJsonDocument::fromJson(message.toUtf8());
    if (!doc.isObject())
        return;
    resultDictionary(doc.object());
}

void XFYunWebApiDomestic::onBinaryMessageReceived(const QByteArray &message)
{
    qDebug() << "--- binary socketMsg:" << message.size() << "bytes";
}

void XFYunWebApiDomestic::onError(QAbstractSocket::SocketError error)
{
    qWarning() << "---- didFailWithError: " << error << m_socket->errorString();
    result(m_socket->errorString(), PXASRResultType::Error);
}

void XFYunWebApiDomestic::resultDictionary(const QJsonObject &object)
{
    const int code = object.value(QStringLiteral("code")).toInt();
    if (code != 0) {
        qWarning() << "---识别异常：" << object;
        result(QStringLiteral("code ") + QString::number(code), PXASRResultType::Error);
        return;
    }

    const QJsonObject data = object.value(QStringLiteral("data")).toObject();
    const int status = data.value(QStringLiteral("status")).toInt();
    const QJsonObject res = data.value(QStringLiteral("result")).toObject();
    QString text;
    for (const QJsonValue &ws : res.value(QStringLiteral("ws")).toArray()) {
        const QJsonArray cw = ws.toObject().value(QStringLiteral("cw")).toArray();
        if (!cw.isEmpty())
            text += cw.first().toObject().value(QStringLiteral("w")).toString();
    }
    const bool isLast = res.value(QStringLiteral("ls")).toBool();
    const int sn = res.value(QStringLiteral("sn")).toInt();
    qDebug() << "---resultDictionary--- " << text;

    m_reauthenticated = false;
    if (res.contains(QStringLiteral("pgs")))
        dynamicCorrectionResultsWith(res, text, isLast, sn, status);
    else
        noDynamicCorrectionResultsWith(res, text, isLast, sn);

    if (status == 2) {
        if (!m_longAudioUrl.isEmpty() && m_frames.empty() && m_end)
            result(QString(), PXASRResultType::LongAudioEnd);
        // After a re-authentication the socket already carries the next connection.
        if (!m_reauthenticated)
            m_socket->close(kNormalClose);
    }
}

void XFYunWebApiDomestic::dynamicCorrectionResultsWith(const QJsonObject &res, const QString &text,
                                                       bool isLast, int sn, int status)
{
    Q_UNUSED(sn)
    const QString pgs = res.value(QStringLiteral("pgs")).toString();

    if (pgs == QLatin1String("rpl")) {
        qDebug() << "动态修正 中间结果：" << text;
        const QJsonArray rg = res.value(QStringLiteral("rg")).toArray();
        if (rg.size() >= 2 && rg.at(0).toInt() == 1 && rg.at(1).toInt() == 1)
            m_complete.clear();  // the whole text so far is being replaced
        m_fixResult = text;
        result(text, PXASRResultType::Continue);
        result(m_complete + text, PXASRResultType::ShowText);
        return;
    }

    if (pgs != QLatin1String("apd"))
        return;

    qDebug() << "动态修正 确认结果：" << text << isLast;
    result(text, PXASRResultType::Confirm);
    if (m_complete.isEmpty() && m_fixResult.isEmpty())
        m_complete = text;
    result(m_complete, PXASRResultType::ShowText);

    qDebug() << "complete: " << m_complete << " fixResult: " << m_fixResult << "status: " << status;
    const bool alreadyFolded = m_complete.lastIndexOf(m_fixResult) != 0
                               && !m_longAudioUrl.isEmpty() && status == 0;
    if (!alreadyFolded)
        m_complete += m_fixResult;

    if (!isLast)
        return;

    m_complete += text;
    qDebug() << "动态修正 完整结果：" << m_complete;
    if (m_complete.isEmpty()) {
        result(nothingSaid(), PXASRResultType::Error);
    } else {
        result(m_complete, PXASRResultType::ShowText);
        result(m_complete, PXASRResultType::Finish);
    }
    qDebug() << "end: " << m_end;
    // The service ended the session while the key is still held.
    if (!m_end && m_longAudioUrl.isEmpty())
        requestingIFlytekAuthenticationAgain();
}

void XFYunWebApiDomestic::noDynamicCorrectionResultsWith(const QJsonObject &res,
                                                         const QString &text, bool isLast, int sn)
{
    Q_UNUSED(res)
    result(text, PXASRResultType::Confirm);
    m_completeNoFix += text;
    result(m_completeNoFix, PXASRResultType::ShowText);
    qDebug() << "无修正 确认结果：" << text << " sn:" << sn << "nofix: " << m_completeNoFix;
    if (!isLast)
        return;
    if (!m_completeNoFix.isEmpty()) {
        result(m_completeNoFix, PXASRResultType::ShowText);
        result(m_completeNoFix, PXASRResultType::Finish);
    } else {
        result(nothingSaid(), PXASRResultType::Error);
    }
    qDebug() << "无修正 完整结果：" << text << "; is end " << m_end;
}

void XFYunWebApiDomestic::requestingIFlytekAuthenticationAgain()
{
    m_fixResult.clear();
    m_complete.clear();
    qWarning() << "------- 重新请求讯飞鉴权 -------";
    m_secondConnection = true;
    m_reopening = true;
    m_socket->close(kNormalClose);
    requestWebSocket();
    m_reopening = false;
    m_reauthenticated = true;
}

void XFYunWebApiDomestic::attachAudio()
{
    if (m_audioSource && !m_audioSignal.isEmpty())
        connect(m_audioSource.data(), m_audioSignal.constData(), this,
                SLOT(sendPcmToXunfei(QByteArray)), Qt::UniqueConnection);
}

void XFYunWebApiDomestic::detachAudio()
{
    if (m_audioSource && !m_audioSignal.isEmpty())
        disconnect(m_audioSource.data(), m_audioSignal.constData(), this,
                   SLOT(sendPcmToXunfei(QByteArray)));
}

void XFYunWebApiDomestic::result(const QString &message, PXASRResultType type)
{
    emit mAudioResultBlock(true, message, type);
}

QString XFYunWebApiDomestic::nothingSaid() const
{
    return tr("您好像没有说话或者按键时间过短");
}
