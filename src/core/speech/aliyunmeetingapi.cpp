#include "core/speech/aliyunmeetingapi.h"

#include "core/config/endpoints.h"
#include "curl/curlwrapper.h"

#include <QDebug>
#include <QFile>
#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QRandomGenerator64>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWebSocket>
#include <QtConcurrent>
#include <QtEndian>

namespace {

constexpr auto kNormalClose = QWebSocketProtocol::CloseCodeNormal;
const QString kModel = QStringLiteral("tingwu-meeting");
const QString kStreamModel = QStringLiteral("tingwu-meeting-realtime");

QString firstChars(const QString &secret)
{
    return secret.isEmpty() ? QStringLiteral("(empty)") : secret.left(4) + QStringLiteral("...");
}

QString setOrEmpty(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("empty") : QStringLiteral("set");
}

QByteArray indented(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// What an HTTPS reply says. A JSON object with "code" is the service
// refusing, whatever the status; otherwise a failed transfer or status is a
// network error, and a body that is no JSON object an invalid reply.
struct Answer {
    enum Kind { Ok, NetworkError, ServiceError, NotJson };
    Kind kind = NetworkError;
    QString error;  // network error text or the service's message
    QString code;
    QJsonObject json;
};

Answer readAnswer(const HttpResult &reply)
{
    Answer a;
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.body, &parse);
    const bool object = parse.error == QJsonParseError::NoError && doc.isObject();
    if (object)
        a.json = doc.object();
    if (object && a.json.contains(QLatin1String("code"))) {
        a.kind = Answer::ServiceError;
        a.code = a.json.value(QLatin1String("code")).toVariant().toString();
        a.error = a.json.value(QLatin1String("message")).toVariant().toString();
        if (a.error.isEmpty())
            a.error = a.code.isEmpty() ? reply.error : a.code;
    } else if (!reply.ok()) {
        a.kind = Answer::NetworkError;
        a.error = reply.error;
    } else if (!object) {
        a.kind = Answer::NotJson;
        a.error = QStringLiteral("Invalid JSON response");
    } else {
        a.kind = Answer::Ok;
    }
    return a;
}

QJsonObject streamHeader(const QString &action, const QString &taskId)
{
    return {{"action", action}, {"task_id", taskId}, {"streaming", "duplex"}};
}

QJsonObject streamPayload(const QJsonObject &input)
{
    return {{"model", kStreamModel},
            {"task_group", "aigc"},
            {"task", "multimodal-generation"},
            {"function", "generation"},
            {"input", input}};
}

}  // namespace

void registerMeetingResultType()
{
    qRegisterMetaType<AliyunMeetingApi::MeetingResultType>("AliyunMeetingApi::MeetingResultType");
}

AliyunMeetingApi::AliyunMeetingApi(QObject *parent)
    : QObject(parent),
      m_socket(new QWebSocket(QString(), QWebSocketProtocol::Version13, this)),
      m_sendTimer(new QTimer(this)),
      m_reconnectTimer(new QTimer(this)),
      m_listenTimer(new QTimer(this))
{
    registerMeetingResultType();
    m_sendTimer->setInterval(m_fileInterval);
    m_reconnectTimer->setSingleShot(true);
    m_listenTimer->setSingleShot(true);
    m_listenTimer->setInterval(kListenTimeoutMs);
    connect(m_listenTimer, &QTimer::timeout, this, [this] {
        if (m_stream != Stream::Connecting && m_stream != Stream::Started)
            return;
        qWarning() << "meeting service did not listen within" << kListenTimeoutMs << "ms";
        closeSocket();
        connectionLost(QStringLiteral("no answer from the meeting service"));
    });
    connect(m_sendTimer, &QTimer::timeout, this, &AliyunMeetingApi::SendAudioMsgs);
    connect(m_reconnectTimer, &QTimer::timeout, this, [this] {
        ++m_generation;
        m_taskId = makeTaskId(quint32(QRandomGenerator64::global()->generate()));
        qInfo().noquote() << "reconnecting meeting" << m_dataId << "attempt" << m_reconnectAttempt
                          << "of" << m_reconnectDelays.size() << "task id" << m_taskId;
        m_stream = Stream::FetchingToken;
        fetchWsToken();
    });
    connect(m_socket, &QWebSocket::connected, this, &AliyunMeetingApi::onConnected);
    connect(m_socket, &QWebSocket::disconnected, this, &AliyunMeetingApi::onDisconnected);
    connect(m_socket, &QWebSocket::textMessageReceived, this,
            &AliyunMeetingApi::onTextMessageReceived);
    connect(m_socket, &QWebSocket::binaryMessageReceived, this,
            &AliyunMeetingApi::onBinaryMessageReceived);
    connect(m_socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            &AliyunMeetingApi::onError);
}

AliyunMeetingApi::~AliyunMeetingApi()
{
    // Nothing is reported for a meeting nobody listens to any more.
    m_socket->disconnect(this);
    detachAudio();
}

void AliyunMeetingApi::setAudioFile(const QString &path)
{
    m_fileMode = !path.isEmpty();
    m_filePath = path;
}

void AliyunMeetingApi::setAudioSource(QObject *source, const char *audioSignal)
{
    detachAudio();
    m_audioSource = source;
    m_audioSignal = audioSignal ? QByteArray(audioSignal) : QByteArray();
}

void AliyunMeetingApi::setReconnectDelays(const QVector<int> &delaysMs)
{
    m_reconnectDelays = delaysMs;
}

bool AliyunMeetingApi::isSending() const
{
    return m_sendTimer->isActive();
}

// ---- Requests ----

QJsonObject AliyunMeetingApi::createTaskBody(const QString &appId, const QString &format,
                                             int sampleRate, const QString &phraseId,
                                             const QJsonObject &customParameters)
{
    QJsonObject input{{"task", "createTask"},
                      {"appId", appId},
                      {"type", "realtime"},
                      {"format", format},
                      {"sampleRate", sampleRate}};
    if (!phraseId.isEmpty())
        input.insert(QStringLiteral("phraseId"), phraseId);

    const QJsonObject transcription{{"model", "multilingual"},
                                    {"languageHints", QJsonArray{"cn", "en"}},
                                    {"diarizationEnabled", true},
                                    {"diarizationSpeakerCount", 0},
                                    {"translationEnabled", true},
                                    {"translationTargetLang", QJsonArray{"ja"}}};
    const QJsonObject audio{{"audioChannelMode", ""}};
    const QJsonObject analysis{{"model", "default"},
                               {"keyInformationEnabled", true},
                               {"actionsEnabled", false},
                               {"fullSummaryEnabled", true},
                               {"fullSummaryFormat", "default"},
                               {"conversationalEnabled", false},
                               {"questionsAnsweringEnabled", false},
                               {"mindMapEnabled", true},
                               {"mindMapFormat", "plain"},
                               {"pptExtractionEnabled", false},
                               {"autoChaptersEnabled", true},
                               {"autoChapterGranularity", "Coarse"},
                               {"autoChapterTitleLengthLevel", "Short"},
                               {"textPolishEnabled", false},
                               {"customPromptEnabled", false},
                               {"customPromptModel", "tingwu-turbo"},
                               {"customPromptTransType", "chat"},
                               {"customPromptContent", ""}};
    QJsonObject parameters{
        {"transcription", transcription}, {"audio", audio}, {"analysis", analysis}};
    for (const char *member : {"transcription", "audio", "analysis"}) {
        const QString key = QLatin1String(member);
        if (customParameters.contains(key))
            parameters.insert(key, customParameters.value(key));
    }
    return {{"model", kModel}, {"input", input}, {"parameters", parameters}};
}

void AliyunMeetingApi::post(const QString &path, const QByteArray &body, const QString &apiKey,
                            std::function<void(const HttpResult &)> done)
{
    QString base = Endpoints::url(Endpoints::Endpoint::Dashscope);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    // An unconfigured base leaves a relative URL, which the request refuses.
    const QString url = base + path;
    CurlWrapper::Options options;
    options.timeoutMs = kHttpTimeoutMs;
    options.headers = QStringList{QStringLiteral("Content-Type: application/json"),
                                  QStringLiteral("Authorization: Bearer %1").arg(apiKey)};
    auto *watcher = new QFutureWatcher<HttpResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, done] {
        const HttpResult result = watcher->result();
        watcher->deleteLater();
        done(result);
    });
    watcher->setFuture(QtConcurrent::run(
        [url, body, options] { return CurlWrapper::post(url, body, options); }));
}

void AliyunMeetingApi::startMeetingWithCreate(const QString &appId, const QString &apiKey,
                                              const QString &format, int sampleRate,
                                              const QString &phraseId,
                                              const QJsonObject &customParameters,
                                              Callback callback)
{
    createTask(appId, apiKey, format, sampleRate, phraseId, customParameters,
               [this, appId, apiKey, callback](bool check, QString message,
                                               MeetingResultType type) {
                   if (callback)
                       callback(check, message, type);
                   if (check && type == TaskCreated)
                       beginMeeting(appId, message, apiKey, callback);
               });
}

void AliyunMeetingApi::createTask(const QString &appId, const QString &apiKey,
                                  const QString &format, int sampleRate, const QString &phraseId,
                                  const QJsonObject &customParameters, Callback callback)
{
    qInfo().noquote() << "createTask appId:" << appId << "apiKey:" << setOrEmpty(apiKey)
                      << "format:" << format << "sampleRate:" << sampleRate
                      << "phraseId:" << phraseId << "customParameters:"
                      << QString::fromUtf8(
                             QJsonDocument(customParameters).toJson(QJsonDocument::Compact));
    const QByteArray body =
        indented(createTaskBody(appId, format, sampleRate, phraseId, customParameters));
    post(QLatin1String(kGenerationPath), body, apiKey,
         [this, body, callback](const HttpResult &reply) {
             onCreateTaskReply(reply, body, callback);
         });
}

void AliyunMeetingApi::onCreateTaskReply(const HttpResult &reply, const QByteArray &requestBody,
                                         const Callback &callback)
{
    const Answer a = readAnswer(reply);
    switch (a.kind) {
    case Answer::NetworkError:
        qWarning().noquote() << "CreateTask error:" << a.error << ";;" << requestBody;
        report(callback, false, a.error, RequestFailed);
        return;
    case Answer::NotJson:
        qWarning() << "CreateTask: Invalid JSON response";
        report(callback, false, a.error, RequestFailed);
        return;
    case Answer::ServiceError:
        qWarning().noquote() << "CreateTask failed:" << a.code << a.error;
        report(callback, false, a.error, RequestFailed);
        return;
    case Answer::Ok:
        break;
    }
    const QJsonObject output = a.json.value(QLatin1String("output")).toObject();
    const QString dataId = output.value(QLatin1String("dataId")).toString();
    const QString status = output.value(QLatin1String("status")).toString();
    qInfo().noquote() << "CreateTask success, dataId:" << dataId << "status:" << status;
    if (dataId.isEmpty()) {
        // Streaming without a task id would only fail later, less clearly.
        report(callback, false, QStringLiteral("Invalid JSON response"), RequestFailed);
        return;
    }
    m_dataId = dataId;
    report(callback, true, dataId, TaskCreated);
}

void AliyunMeetingApi::finishTask(const QString &appId, const QString &dataId,
                                  const QString &apiKey, Callback callback)
{
    qInfo().noquote() << "finishTask appId:" << appId << "dataId:" << dataId;
    const QJsonObject body{{"model", kModel},
                           {"input", QJsonObject{{"task", "createTask"},
                                                 {"appId", appId},
                                                 {"type", "realtime"},
                                                 {"dataId", dataId}}}};
    // Each request answers its own caller: a query during a meeting must not
    // take over the meeting's callback.
    post(QLatin1String(kGenerationPath), indented(body), apiKey,
         [this, callback](const HttpResult &reply) { onFinishTaskReply(reply, callback); });
}

void AliyunMeetingApi::onFinishTaskReply(const HttpResult &reply, const Callback &callback)
{
    const Answer a = readAnswer(reply);
    if (a.kind == Answer::NetworkError)
        qWarning().noquote() << "FinishTask error:" << a.error;
    else if (a.kind == Answer::ServiceError)
        qWarning().noquote() << "FinishTask failed:" << a.code << a.error;
    else if (a.kind == Answer::NotJson)
        qWarning() << "FinishTask: Invalid JSON response";
    else
        qInfo().noquote() << "FinishTask success, status:"
                          << a.json.value(QLatin1String("output")).toObject()
                                 .value(QLatin1String("status")).toString();
    if (!callback)
        return;
    if (a.kind == Answer::Ok)
        report(callback, true, QStringLiteral("Task finished"), TaskFinished);
    else
        report(callback, false, a.error, RequestFailed);
}

void AliyunMeetingApi::getTask(const QString &appId, const QString &dataId,
                               const QString &apiKey, Callback callback)
{
    qInfo().noquote() << "getTask called with appId:" << appId << "dataId:" << dataId;
    const QJsonObject body{{"model", kModel},
                           {"input", QJsonObject{{"task", "getTask"}, {"dataId", dataId}}}};
    post(QLatin1String(kGenerationPath), indented(body), apiKey,
         [this, callback](const HttpResult &reply) { onGetTaskReply(reply, callback); });
}

void AliyunMeetingApi::onGetTaskReply(const HttpResult &reply, const Callback &callback)
{
    const Answer a = readAnswer(reply);
    // The body is the caller's to read, valid JSON or not; only a failed
    // request or the service's refusal is an error.
    if (a.kind == Answer::NetworkError || a.kind == Answer::ServiceError) {
        qWarning().noquote() << "GetTask error:" << a.code << a.error;
        if (callback)
            report(callback, false, a.error, RequestFailed);
        return;
    }
    const QString text = QString::fromUtf8(reply.body);
    qInfo().noquote() << "GetTask response:" << text;
    report(callback, true, text, RawMessage);
}

// ---- Streaming ----

QString AliyunMeetingApi::makeTaskId(quint32 value)
{
    QString id = QString::number(value, 16).left(kTaskIdLength);
    return id.leftJustified(kTaskIdLength, QLatin1Char('0'));
}

void AliyunMeetingApi::beginMeeting(const QString &appId, const QString &dataId,
                                    const QString &apiKey, Callback callback)
{
    // A stream still open belongs to an earlier meeting.
    stopStream();
    closeSocket();
    m_end = false;
    m_finishSentAfterDrain = false;
    m_everListened = false;
    m_reconnectAttempt = 0;
    m_appId = appId;
    m_dataId = dataId;
    m_apiKey = apiKey;
    m_callback = std::move(callback);
    m_frames.clear();
    m_queuedBytes = 0;
    m_pendingAudio.clear();
    m_taskId = makeTaskId(quint32(QRandomGenerator64::global()->generate()));
    qInfo().noquote() << "beginMeeting dataId:" << dataId << "task id:" << m_taskId;
    m_stream = Stream::FetchingToken;
    fetchWsToken();
}

void AliyunMeetingApi::fetchWsToken()
{
    const quint64 generation = m_generation;
    post(QLatin1String(kTokenPath), QByteArray(), m_apiKey,
         [this, generation](const HttpResult &reply) { onWsToken(reply, generation); });
}

void AliyunMeetingApi::onWsToken(const HttpResult &reply, quint64 generation)
{
    if (generation != m_generation || m_stream != Stream::FetchingToken)
        return;  // the stream it was fetched for has ended
    const Answer a = readAnswer(reply);
    QString token;
    if (a.kind == Answer::NetworkError || a.kind == Answer::ServiceError) {
        qWarning().noquote() << "fetchWsToken error" << a.code << a.error;
    } else if (a.kind == Answer::NotJson) {
        qWarning() << "fetchWsToken invalid json";
    } else {
        token = a.json.value(QLatin1String("token")).toString();
        if (token.isEmpty())
            qWarning() << "ws token empty response";
    }
    if (token.isEmpty()) {
        qWarning() << "Failed to fetch ws token";
        if (m_everListened) {
            scheduleReconnect(QStringLiteral("token fetch failed"));
            return;
        }
        stopStream();
        m_stream = Stream::Idle;
        // The signal too: whoever shows the meeting must learn it never started.
        reportStream(false, QStringLiteral("token fetch failed"), RequestFailed);
        return;
    }
    qInfo().noquote() << "got ws token:" << firstChars(token);
    m_wsToken = token;
    connectWebSocket();
}

void AliyunMeetingApi::connectWebSocket()
{
    QUrl url(Endpoints::url(Endpoints::Endpoint::DashscopeWs));
    if (!m_wsToken.isEmpty()) {
        QUrlQuery query(url);
        query.addQueryItem(QStringLiteral("api_key"), m_wsToken);
        url.setQuery(query);
    }
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", QStringLiteral("Bearer %1").arg(m_apiKey).toUtf8());
    // Token and key are secrets: the log gets their first characters.
    qInfo().noquote() << "connectWebSocket URL:" << CurlWrapper::loggable(url.toString())
                      << "api_key=" + firstChars(m_wsToken);
    qInfo().noquote() << "header Authorization: Bearer" << firstChars(m_apiKey);

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    m_socket->setSslConfiguration(tls);
    m_stream = Stream::Connecting;
    m_listenTimer->start();
    if (!url.isValid() || url.host().isEmpty()) {
        connectionLost(QStringLiteral("meeting stream endpoint not configured"));
        return;
    }
    m_socket->open(request);
}

void AliyunMeetingApi::onConnected()
{
    qInfo() << "WebSocket connected for Aliyun Meeting API";
    if (m_stream != Stream::Connecting)
        return;
    m_stream = Stream::Started;
    sendRunTask();
}

void AliyunMeetingApi::sendRunTask()
{
    const QJsonObject message{
        {"header", streamHeader(QStringLiteral("run-task"), m_taskId)},
        {"payload",
         streamPayload({{"appId", m_appId}, {"dataId", m_dataId}, {"directive", "start"}})}};
    m_socket->sendTextMessage(QString::fromUtf8(indented(message)));
}

void AliyunMeetingApi::sendFinishTask()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        qWarning() << "finish-task not sent: not connected";
        return;
    }
    const QJsonObject message{{"header", streamHeader(QStringLiteral("finish-task"), m_taskId)},
                              {"payload", streamPayload({{"directive", "stop"}})}};
    m_socket->sendTextMessage(QString::fromUtf8(indented(message)));
}

void AliyunMeetingApi::onDisconnected()
{
    if (m_closing)
        return;
    qInfo() << "meeting socket disconnected, close code" << m_socket->closeCode()
            << m_socket->closeReason();
    connectionLost(QStringLiteral("connection closed (%1 %2)")
                       .arg(int(m_socket->closeCode()))
                       .arg(m_socket->closeReason()));
}

void AliyunMeetingApi::onError(QAbstractSocket::SocketError error)
{
    if (m_closing)
        return;
    qWarning().noquote() << "WebSocket error:" << error << m_socket->errorString();
    connectionLost(m_socket->errorString());
}

void AliyunMeetingApi::connectionLost(const QString &why)
{
    switch (m_stream) {
    case Stream::Idle:
    case Stream::FetchingToken:
    case Stream::Reconnecting:
        return;  // a late signal of a connection already dealt with
    case Stream::Ended:
        // The service ended the meeting and the socket is now closed.
        m_stream = Stream::Idle;
        if (m_callback)
            reportStream(true, QStringLiteral("Disconnected"), MeetingEnded);
        return;
    case Stream::Connecting:
    case Stream::Started:
    case Stream::Listening:
        break;
    }
    if (m_everListened && !finalFinishSent()) {
        scheduleReconnect(why);
        return;
    }
    const bool finished = finalFinishSent();
    stopStream();
    closeSocket();
    m_stream = Stream::Idle;
    if (!m_callback)
        return;
    if (finished)
        reportStream(true, QStringLiteral("Disconnected"), MeetingEnded);
    else
        reportStream(false, why, RequestFailed);
}

void AliyunMeetingApi::scheduleReconnect(const QString &why)
{
    m_sendTimer->stop();
    m_listenTimer->stop();
    closeSocket();
    if (m_reconnectAttempt >= m_reconnectDelays.size()) {
        qWarning().noquote() << "meeting" << m_dataId << "lost its connection for good after"
                             << m_reconnectAttempt << "attempts:" << why;
        stopStream();
        m_stream = Stream::Idle;
        reportStream(false, tr("会议连接已断开，重新连接失败"), RequestFailed);
        return;
    }
    const int delay = m_reconnectDelays.at(m_reconnectAttempt);
    ++m_reconnectAttempt;
    qWarning().noquote() << "meeting connection lost:" << why << "- reconnecting in" << delay
                         << "ms, attempt" << m_reconnectAttempt << "of"
                         << m_reconnectDelays.size() << "," << m_frames.size()
                         << "frames waiting";
    m_stream = Stream::Reconnecting;
    m_reconnectTimer->start(delay);
}

void AliyunMeetingApi::onTextMessageReceived(const QString &message)
{
    qDebug().noquote() << "Received text message:" << message;
    reportStream(true, message, RawMessage);
    const QJsonDocument doc = QJsonDocument::fromJson(message.toUtf8());
    if (doc.isObject())
        handleEvent(doc.object());
}

void AliyunMeetingApi::onBinaryMessageReceived(const QByteArray &message)
{
    qDebug() << "Received binary message:" << message.size() << "bytes";
}

void AliyunMeetingApi::handleEvent(const QJsonObject &message)
{
    // Wrong types read as empty values, so a malformed event does nothing.
    const QJsonObject header = message.value(QLatin1String("header")).toObject();
    const QJsonObject output = message.value(QLatin1String("payload")).toObject()
                                   .value(QLatin1String("output")).toObject();
    const QString event = header.value(QLatin1String("event")).toString();
    QString action = output.value(QLatin1String("action")).toString();
    QString errorCode = output.value(QLatin1String("errorCode")).toVariant().toString();
    QString errorMessage = output.value(QLatin1String("errorMessage")).toVariant().toString();
    if (event == QLatin1String("task-failed")) {
        // The task can also fail outside a result; left alone the meeting
        // would wait for events that never come.
        action = event;
        errorCode = header.value(QLatin1String("error_code")).toVariant().toString();
        errorMessage = header.value(QLatin1String("error_message")).toVariant().toString();
    } else if (event != QLatin1String("result-generated")) {
        return;
    }
    if (m_stream == Stream::Idle || m_stream == Stream::Ended)
        return;  // a late event of a stream already over

    if (action == QLatin1String("speech-listen")) {
        qInfo() << "Speech listen event received";
        reportStream(true, QStringLiteral("Ready to send audio"), ReadyForAudio);
        const bool resumed = m_everListened;
        m_everListened = true;
        m_stream = Stream::Listening;
        m_listenTimer->stop();
        m_reconnectAttempt = 0;
        if (resumed) {
            // Same meeting, new connection: what waited goes out first.
            qInfo() << "meeting stream resumed with" << m_frames.size() << "frames waiting";
            m_sendTimer->start();
            return;
        }
        if (m_fileMode && !m_filePath.isEmpty()) {
            qInfo().noquote() << "Using audio file stream from" << m_filePath;
            sendAudioFileStream();
            return;
        }
        attachAudio();
        m_pendingAudio.clear();
        m_sendTimer->setInterval(m_fileInterval);
        m_sendTimer->start();
    } else if (action == QLatin1String("recognize-result")) {
        const QJsonObject transcription = output.value(QLatin1String("transcription")).toObject();
        const QString text = transcription.value(QLatin1String("text")).toString();
        m_lastSentenceEnded = transcription.value(QLatin1String("sentenceEnd")).toBool();
        qDebug() << "sentenceEnd:" << m_lastSentenceEnded;
        reportStream(true, text, RecognizeResult);
    } else if (action == QLatin1String("ping")) {
        qDebug() << "Ping received";
    } else if (action == QLatin1String("speech-end")) {
        qInfo() << "Speech end";
        stopStream();
        m_stream = Stream::Ended;
        reportStream(true, QStringLiteral("Meeting ended"), MeetingEnded);
        m_socket->close(kNormalClose);
    } else if (action == QLatin1String("task-failed")) {
        qWarning().noquote() << "Task failed:" << errorCode << errorMessage;
        stopStream();
        m_stream = Stream::Ended;
        reportStream(false, errorMessage, TaskFailed);
        m_socket->close(kNormalClose);
    }
}

// ---- Audio ----

QByteArray AliyunMeetingApi::audioFromFile(const QByteArray &file)
{
    const qint64 size = file.size();
    if (size >= 13 && file.startsWith("RIFF") && file.mid(8, 4) == "WAVE") {
        const int at = file.indexOf("data", 12);
        if (at >= 0 && qint64(at) + 8 <= size) {
            const quint32 length = qFromLittleEndian<quint32>(file.constData() + at + 4);
            const qint64 start = qint64(at) + 8;
            // A length past the end (a recording cut short) means "to the end".
            const qint64 take = qMin<qint64>(length, size - start);
            return file.mid(int(start), int(take));
        }
        if (at < 0 && size >= 45)
            return file.mid(44);
    }
    return file;
}

void AliyunMeetingApi::sendAudioFileStream()
{
    if (m_filePath.isEmpty()) {
        qWarning() << "sendAudioFileStream: no file path set";
        return;
    }
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Failed to open audio file:" << m_filePath << file.errorString();
        return;
    }
    const QByteArray audio = audioFromFile(file.readAll());
    m_frames.clear();
    m_queuedBytes = 0;
    // The whole file is wanted: no backlog limit here.
    for (int at = 0; at < audio.size(); at += m_frameSize) {
        m_frames.push_back(audio.mid(at, m_frameSize));
        m_queuedBytes += m_frames.back().size();
    }
    qInfo() << "sendAudioFileStream: queued" << m_frames.size() << "frames";
    m_sendTimer->setInterval(m_fileInterval);
    m_sendTimer->start();
}

void AliyunMeetingApi::sendPcmToAliyun(const QByteArray &chunk)
{
    m_pendingAudio.append(chunk);
    if (m_pendingAudio.size() >= m_frameSize) {
        pushFrame(m_pendingAudio);
        m_pendingAudio.clear();
    }
}

void AliyunMeetingApi::pushFrame(const QByteArray &frame)
{
    m_frames.push_back(frame);
    m_queuedBytes += frame.size();
    int dropped = 0;
    while (m_queuedBytes > kMaxBacklogBytes && m_frames.size() > 1) {
        m_queuedBytes -= m_frames.front().size();
        m_frames.pop_front();
        ++dropped;
    }
    if (dropped > 0)
        qWarning() << "meeting audio backlog over" << kMaxBacklogBytes << "bytes: dropped"
                   << dropped << "oldest frame(s)";
}

void AliyunMeetingApi::SendAudioMsgs()
{
    if (m_stream != Stream::Listening || m_socket->state() != QAbstractSocket::ConnectedState)
        return;  // kept for the next connection
    if (!m_frames.empty()) {
        const QByteArray frame = m_frames.front();
        m_frames.pop_front();
        m_queuedBytes -= frame.size();
        sendAudioData(frame);
        return;
    }
    if (!m_end)
        return;
    if (!m_pendingAudio.isEmpty()) {
        pushFrame(m_pendingAudio);
        m_pendingAudio.clear();
    }
    if (m_frames.empty()) {
        m_sendTimer->stop();
        detachAudio();
        sendFinishTask();
        m_finishSentAfterDrain = true;
    }
}

void AliyunMeetingApi::sendAudioData(const QByteArray &frame)
{
    qDebug() << "Sending audio data:" << frame.size();
    const qint64 sent = m_socket->sendBinaryMessage(frame);
    qDebug() << "Bytes sent:" << sent;
}

void AliyunMeetingApi::endMeeting()
{
    qInfo() << "Ending meeting";
    m_end = true;
    sendFinishTask();
}

void AliyunMeetingApi::reset()
{
    m_fileMode = false;
    m_filePath.clear();
    m_sendTimer->stop();
    m_frames.clear();
    m_queuedBytes = 0;
    m_pendingAudio.clear();
}

// ---- Helpers ----

void AliyunMeetingApi::attachAudio()
{
    if (!m_audioSource || m_audioSignal.isEmpty()) {
        qWarning() << "no audio source for the meeting";
        return;
    }
    connect(m_audioSource.data(), m_audioSignal.constData(), this,
            SLOT(sendPcmToAliyun(QByteArray)), Qt::UniqueConnection);
    m_audioAttached = true;
}

void AliyunMeetingApi::detachAudio()
{
    if (m_audioSource && !m_audioSignal.isEmpty())
        disconnect(m_audioSource.data(), m_audioSignal.constData(), this,
                   SLOT(sendPcmToAliyun(QByteArray)));
    m_audioAttached = false;
}

void AliyunMeetingApi::stopStream()
{
    m_sendTimer->stop();
    m_reconnectTimer->stop();
    m_listenTimer->stop();
    detachAudio();
    ++m_generation;
}

void AliyunMeetingApi::closeSocket()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_closing = true;
    m_socket->abort();
    m_closing = false;
}

void AliyunMeetingApi::report(const Callback &callback, bool check, const QString &message,
                              MeetingResultType type)
{
    // A copy: the callback may start another meeting, replacing the stored one.
    const Callback call = callback;
    if (call)
        call(check, message, type);
    emit meetingResultBlock(check, message, type);
}

void AliyunMeetingApi::reportStream(bool check, const QString &message, MeetingResultType type)
{
    report(m_callback, check, message, type);
}
