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
      m_sendTimer(new QTimer(this)),
      m_reconnectTimer(new QTimer(this))
{
    registerPxAsrResultType();

    m_appId = m_domesticAppId = BuiltInCredentials::dictationAppId();
    m_apiKey = m_domesticApiKey = BuiltInCredentials::dictationApiKey();
    m_apiSecret = m_domesticApiSecret = BuiltInCredentials::dictationApiSecret();
    m_intApiKey = BuiltInCredentials::dictationIntApiKey();
    m_intApiSecret = BuiltInCredentials::dictationIntApiSecret();

    // Pacing is what the service sees; a coarse timer would drift by several ms.
    m_sendTimer->setTimerType(Qt::PreciseTimer);
    m_sendTimer->setSingleShot(true);
    connect(m_sendTimer, &QTimer::timeout, this, &XFYunWebApiDomestic::SendAudioMgs);
    m_reconnectTimer->setSingleShot(true);
    connect(m_reconnectTimer, &QTimer::timeout, this, &XFYunWebApiDomestic::requestWebSocket);

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
    cancelAsr();
    m_end = false;
    m_secondConnection = false;
    m_language = language;
    m_transcript.clear();
    m_earlierSessions.clear();
    m_callback = std::move(callback);
    m_longAudioUrl = longAudio ? QStringLiteral("url") : QString();
    m_frames.clear();
    m_pendingAudio.clear();
    m_consecutiveFailures = 0;
    m_failureReported = false;
    m_active = true;

    qInfo() << "beginAsr: socket state" << m_socket->state() << "long audio" << longAudio;
    requestWebSocket();
}

void XFYunWebApiDomestic::endAsr(bool)
{
    qInfo() << "endAsr: queued frames" << m_frames.size() << "active" << m_active;
    m_end = true;
    if (!m_active)
        return;
    // The tail shorter than a frame is speech too.
    if (!m_pendingAudio.isEmpty()) {
        m_frames.push_back(m_pendingAudio);
        m_pendingAudio.clear();
    }
    if (m_reconnectTimer->isActive() && (m_frames.empty() || m_consecutiveFailures > 0)) {
        // Between two sessions of a long dictation, with nothing left to send
        // or no service answering: nothing more will come.
        m_reconnectTimer->stop();
        finishDictation();
        return;
    }
    scheduleSend();
}

void XFYunWebApiDomestic::cancelAsr()
{
    if (!m_active)
        return;
    qInfo() << "cancelAsr: ending the running dictation";
    m_connectionDone = true;
    m_reconnectTimer->stop();
    closeSocket();
    finishDictation();
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

void XFYunWebApiDomestic::setSendInterval(int ms)
{
    m_sendIntervalMs = ms > 0 ? ms : kSendIntervalMs;
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

    // Every connection is signed afresh: the service refuses a date older
    // than its allowed skew, so a stored URL goes stale within minutes.
    const QString endpoint = Endpoints::url(route.endpoint);
    const QUrl url = XfyunRequest::signedUrl(endpoint, m_apiKey, m_apiSecret,
                                             QDateTime::currentDateTimeUtc());
    // The signed URL carries the signature: log the endpoint and only a prefix.
    const QUrlQuery query(url);
    qInfo().noquote().nospace()
        << "URL: " << endpoint << " date " << query.queryItemValue(QStringLiteral("date"))
        << " authorization " << firstChars(query.queryItemValue(QStringLiteral("authorization")))
        << "; lan: " << m_language << "; appid: " << m_appId << "; key: " << firstChars(m_apiKey);

    // A new connection starts from a clean slate, whatever ended the last one.
    m_sendTimer->stop();
    m_sinceLastFrame.invalidate();
    m_caughtUp = false;
    m_frameStatus = 0;
    m_sentFrames = 0;
    m_finalReceived = false;
    m_failure.clear();
    m_failureShown = false;
    closeSocket();
    m_connectionDone = false;
    m_socket->open(url);

    attachAudio();

    if (!m_longAudioUrl.isEmpty())
        m_longAudioUrl = url.toString(QUrl::FullyEncoded);
}

void XFYunWebApiDomestic::closeSocket()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_reopening = true;
    m_socket->close(kNormalClose, QString());
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_reopening = false;
}

void XFYunWebApiDomestic::sendPcmToXunfei(const QByteArray &audio)
{
    if (m_pendingAudio.size() < kFrameBytes)
        m_pendingAudio.append(audio);

    if (m_pendingAudio.size() >= kFrameBytes) {
        m_frames.push_back(m_pendingAudio);
        m_pendingAudio.clear();
    }

    scheduleSend();
}

void XFYunWebApiDomestic::scheduleSend()
{
    if (m_sendTimer->isActive() || m_socket->state() != QAbstractSocket::ConnectedState
        || m_frameStatus == 2 || m_connectionDone)
        return;
    if (m_frames.empty() && !m_end)
        return;
    // A backlog drains at the pacing interval. Once caught up, each frame
    // goes as soon as its audio is complete: frames then come at the
    // speaking pace on average, and holding one back for the interval only
    // adds the delay of whatever made it arrive early.
    const int interval = m_caughtUp ? qMin(kLiveMinGapMs, m_sendIntervalMs) : m_sendIntervalMs;
    const qint64 wait = m_sinceLastFrame.isValid() ? interval - m_sinceLastFrame.elapsed() : 0;
    if (wait <= 0)
        SendAudioMgs();
    else
        m_sendTimer->start(int(wait));
}

void XFYunWebApiDomestic::sendNextFrame()
{
    const QByteArray frame = m_frames.front();
    m_frames.pop_front();
    sendFrame(m_frameStatus, frame);
    m_sinceLastFrame.start();
    m_caughtUp = m_frames.empty();
    if (m_frameStatus == 0)
        m_frameStatus = 1;
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
    if (m_socket->state() != QAbstractSocket::ConnectedState || m_frameStatus == 2
        || m_connectionDone)
        return;

    if (!m_longAudioUrl.isEmpty() && m_sentFrames >= m_sessionFrameLimit) {
        // The service limits a session's length; end it here and reconnect.
        qDebug() << "session frame limit reached, queued" << m_frames.size();
        m_frameStatus = 2;
        sendLastFrameWithData(QByteArray());
        m_sinceLastFrame.invalidate();
        m_sentFrames = 0;
        return;
    }

    if (!m_frames.empty()) {
        if (m_frameStatus != 0)
            ++m_sentFrames;
        sendNextFrame();
        scheduleSend();
        return;
    }

    if (m_end) {
        if (m_frameStatus == 0) {
            // Nothing was ever sent on this connection: there is nothing to end.
            qInfo() << "---还没开始就结束了---";
            m_socket->close(kNormalClose);
            return;
        }
        m_frameStatus = 2;
        sendLastFrameWithData(QByteArray());
        m_sinceLastFrame.invalidate();
    }
}

void XFYunWebApiDomestic::onConnected()
{
    qInfo() << "dictation started: lan" << m_language << "queued" << m_frames.size() << "end"
            << m_end;
    m_frameStatus = 0;
    if (m_secondConnection)
        qInfo() << "------- 二次连接，不需要重新回调音频流 -------";
    // Audio captured while connecting is sent even when the key was already
    // released: it is what the user said.
    scheduleSend();
}

void XFYunWebApiDomestic::onDisconnected()
{
    if (m_reopening) {
        qInfo() << "previous dictation connection closed";
        return;
    }
    qInfo() << "WebSocket disconnected text：" << fullText() << "size: " << m_frames.size()
            << "end: " << m_end << "longAudioUrl: " << !m_longAudioUrl.isEmpty()
            << "close code" << m_socket->closeCode() << m_socket->closeReason();
    connectionEnded();
}

void XFYunWebApiDomestic::connectionEnded()
{
    if (m_connectionDone)
        return;
    m_connectionDone = true;
    m_sendTimer->stop();
    m_sinceLastFrame.invalidate();

    if (m_failure.isEmpty() && !m_finalReceived && !(m_end && fullText().isEmpty()))
        m_failure = closedReason();
    const bool failed = !m_failure.isEmpty();

    // A long dictation goes on while the user has not stopped it, or while
    // audio is still waiting to be sent and the service is answering.
    if (!m_longAudioUrl.isEmpty() && (!m_end || (!m_frames.empty() && !failed))) {
        reconnectLater();
        return;
    }
    if (!m_finalReceived) {
        if (!failed)
            result(nothingSaid(), PXASRResultType::Error);
        else if (!m_failureShown)
            result(m_failure, PXASRResultType::Error);
    }
    finishDictation();
}

void XFYunWebApiDomestic::reconnectLater()
{
    // A session that ended on its limit reconnects at once; failures back off.
    int delay = 0;
    if (!m_failure.isEmpty()) {
        ++m_consecutiveFailures;
        delay = qMin(kMaxRetryMs, kFirstRetryMs << qMin(m_consecutiveFailures - 1, 6));
        if (m_consecutiveFailures >= kFailuresBeforeNotice && !m_failureReported) {
            m_failureReported = true;
            result(m_failure, PXASRResultType::Error);
        }
    }
    if (!m_finalReceived) {
        // The pieces of an unfinished session are kept; the next one numbers anew.
        m_earlierSessions += m_transcript.text();
        m_transcript.clear();
    }
    qInfo() << "long dictation reconnects in" << delay << "ms, failures"
            << m_consecutiveFailures << m_failure;
    m_reconnectTimer->start(delay);
}

QString XFYunWebApiDomestic::closedReason() const
{
    const QString reason = m_socket->closeReason();
    if (reason.isEmpty())
        return tr("识别服务断开了连接");
    return tr("识别服务断开了连接") + QStringLiteral(": ") + reason;
}

void XFYunWebApiDomestic::finishDictation()
{
    const bool wasActive = m_active;
    m_active = false;
    m_sendTimer->stop();
    m_reconnectTimer->stop();
    m_frames.clear();
    m_pendingAudio.clear();
    detachAudio();
    const bool longAudio = !m_longAudioUrl.isEmpty();
    m_longAudioUrl.clear();
    if (!wasActive)
        return;
    if (longAudio)
        result(QString(), PXASRResultType::LongAudioEnd);
    else
        result(fullText(), PXASRResultType::Finish);
}

QString XFYunWebApiDomestic::fullText() const
{
    return m_earlierSessions + m_transcript.text();
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
    if (m_reopening)
        return;
    qWarning() << "---- didFailWithError: " << error << m_socket->errorString();
    fail(m_socket->errorString());
    // A connection that never opened emits no disconnected signal.
    QTimer::singleShot(0, this, [this] {
        if (m_socket->state() == QAbstractSocket::UnconnectedState)
            connectionEnded();
    });
}

void XFYunWebApiDomestic::fail(const QString &reason)
{
    if (m_connectionDone || !m_failure.isEmpty())
        return;
    m_failure = reason;
    m_sendTimer->stop();
    m_frameStatus = 2;  // nothing more goes into a failed session
    // In a long dictation the next session may well succeed; the user hears
    // of it only when failures repeat.
    m_failureShown = m_longAudioUrl.isEmpty() || m_end;
    if (m_failureShown)
        result(reason, PXASRResultType::Error);
}

void XFYunWebApiDomestic::resultDictionary(const QJsonObject &object)
{
    const int code = object.value(QStringLiteral("code")).toInt();
    if (code != 0) {
        qWarning() << "---识别异常：" << object;
        fail(QStringLiteral("code ") + QString::number(code));
        // The service hangs up after an error; not waiting for it ends the
        // dictation even when it does not.
        m_socket->close(kNormalClose);
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
            finishDictation();  // LongAudioEnd
        // After a re-authentication the socket already carries the next connection.
        if (!m_reauthenticated)
            m_socket->close(kNormalClose);
    }
}

void XFYunWebApiDomestic::dynamicCorrectionResultsWith(const QJsonObject &res, const QString &text,
                                                       bool isLast, int sn, int status)
{
    Q_UNUSED(status)
    const QString pgs = res.value(QStringLiteral("pgs")).toString();
    if (pgs == QLatin1String("rpl")) {
        qDebug() << "动态修正 中间结果：" << text;
        const QJsonArray rg = res.value(QStringLiteral("rg")).toArray();
        m_transcript.replace(sn, rg.at(0).toInt(), rg.at(1).toInt(), text);
        result(text, PXASRResultType::Continue);
        result(fullText(), PXASRResultType::ShowText);
    } else if (pgs == QLatin1String("apd")) {
        qDebug() << "动态修正 确认结果：" << text << isLast;
        m_transcript.append(sn, text);
        result(text, PXASRResultType::Confirm);
        result(fullText(), PXASRResultType::ShowText);
    }
    if (isLast)
        sessionFinished();
}

void XFYunWebApiDomestic::noDynamicCorrectionResultsWith(const QJsonObject &res,
                                                         const QString &text, bool isLast, int sn)
{
    Q_UNUSED(res)
    m_transcript.append(sn, text);
    result(text, PXASRResultType::Confirm);
    result(fullText(), PXASRResultType::ShowText);
    qDebug() << "无修正 确认结果：" << text << " sn:" << sn << "nofix: " << fullText();
    if (isLast)
        sessionFinished();
}

void XFYunWebApiDomestic::sessionFinished()
{
    const QString text = fullText();
    qDebug() << "完整结果：" << text << "end: " << m_end;
    m_finalReceived = true;
    m_consecutiveFailures = 0;
    m_failureReported = false;

    if (!m_longAudioUrl.isEmpty()) {
        if (!text.isEmpty()) {
            result(text, PXASRResultType::ShowText);
            result(text, PXASRResultType::Finish);
        } else if (m_end) {
            result(nothingSaid(), PXASRResultType::Error);  // a silent stretch is no reason
        }
        // The next session numbers its results from 1 again.
        m_earlierSessions = text;
        m_transcript.clear();
        return;
    }

    if (!m_end) {
        // The service ended the session while the key is still held.
        if (!text.isEmpty()) {
            result(text, PXASRResultType::ShowText);
            result(text, PXASRResultType::Finish);
        }
        requestingIFlytekAuthenticationAgain();
        return;
    }

    m_active = false;
    finishDictation();
    if (!text.isEmpty()) {
        result(text, PXASRResultType::ShowText);
        result(text, PXASRResultType::Finish);
    } else {
        result(nothingSaid(), PXASRResultType::Error);
        result(QString(), PXASRResultType::Finish);
    }
}

void XFYunWebApiDomestic::requestingIFlytekAuthenticationAgain()
{
    m_transcript.clear();
    qWarning() << "------- 重新请求讯飞鉴权 -------";
    m_secondConnection = true;
    requestWebSocket();
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
