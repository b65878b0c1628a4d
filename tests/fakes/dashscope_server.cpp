#include "fakes/dashscope_server.h"

#include "fakes/dictation_server.h"

#include <QJsonDocument>
#include <QMutexLocker>
#include <QTimer>
#include <QUrlQuery>
#include <QUuid>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

const QByteArray kGenerationPath = "/api/v1/services/aigc/multimodal-generation/generation";
const QByteArray kTokenPath = "/api/v1/tokens";

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

HttpServer::Response failure(int status, const QString &code, const QString &message)
{
    return {status, compact({{"code", code}, {"message", message}, {"request_id", "stand-in"}})};
}

// What a well-formed run-task or finish-task message must hold; empty when it does.
QString checkStreamMessage(const QJsonObject &m, const QString &action)
{
    const QJsonObject header = m.value("header").toObject();
    const QJsonObject payload = m.value("payload").toObject();
    if (header.value("action").toString() != action)
        return QStringLiteral("header.action is not ") + action;
    if (header.value("task_id").toString().size() != 16)
        return QStringLiteral("task_id is not 16 characters");
    if (header.value("streaming").toString() != QLatin1String("duplex"))
        return QStringLiteral("streaming is not duplex");
    if (payload.value("model").toString() != QLatin1String("tingwu-meeting-realtime")
        || payload.value("task_group").toString() != QLatin1String("aigc")
        || payload.value("task").toString() != QLatin1String("multimodal-generation")
        || payload.value("function").toString() != QLatin1String("generation"))
        return QStringLiteral("wrong model, task_group, task or function");
    return QString();
}

}  // namespace

DashscopeServer::DashscopeServer(QObject *parent)
    : QObject(parent),
      m_ws(new QWebSocketServer(QStringLiteral("meeting stand-in"), QWebSocketServer::SecureMode,
                                this))
{
    m_ws->setSslConfiguration(DictationServer::serverTls());
    connect(m_ws, &QWebSocketServer::newConnection, this, &DashscopeServer::onNewConnection);
    m_http.setHandler([this](const HttpServer::Request &r) { return handleHttp(r); });
}

DashscopeServer::~DashscopeServer()
{
    m_http.setHandler({});
    for (QWebSocket *s : qAsConst(m_sockets))
        s->disconnect(this);
}

bool DashscopeServer::listen()
{
    return m_http.listen() && m_ws->listen(QHostAddress::LocalHost, 0);
}

QString DashscopeServer::wsUrl() const
{
    return QStringLiteral("wss://127.0.0.1:%1/api-ws/v1/inference").arg(m_ws->serverPort());
}

void DashscopeServer::setCredentials(const QString &appId, const QString &apiKey)
{
    QMutexLocker lock(&m_mutex);
    m_appId = appId;
    m_apiKey = apiKey;
}

void DashscopeServer::setRefuseTokens(bool refuse)
{
    QMutexLocker lock(&m_mutex);
    m_refuseTokens = refuse;
}

void DashscopeServer::failTaskAfterFrames(int connection, int frames, const QString &code,
                                          const QString &message)
{
    m_failures.insert(connection, {frames, {code, message}});
}

void DashscopeServer::dropAfterFrames(int connection, int frames)
{
    m_drops.insert(connection, frames);
}

void DashscopeServer::setNextGenerationReply(int status, const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_nextStatus = status;
    m_nextBody = body;
}

void DashscopeServer::sendRaw(int connection, const QString &text)
{
    if (QWebSocket *s = m_sockets.value(connection))
        s->sendTextMessage(text);
}

// ---- HTTPS, on the server's thread ----

HttpServer::Response DashscopeServer::handleHttp(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    if (request.method != "POST")
        return failure(405, "MethodNotAllowed", "POST only");
    if (request.header("authorization") != "Bearer " + m_apiKey.toUtf8())
        return failure(401, "InvalidApiKey", "Invalid API-key provided.");
    if (!request.header("content-type").startsWith("application/json"))
        return failure(400, "InvalidParameter", "content type is not application/json");
    if (request.target == kTokenPath) {
        if (m_refuseTokens)
            return failure(403, "AccessDenied", "token refused");
        const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_tokens.insert(token);
        return {200, compact({{"token", token}, {"expires_at", 60}})};
    }
    if (request.target != kGenerationPath)
        return failure(404, "NotFound", "no such path");
    if (m_nextStatus != 0) {
        HttpServer::Response scripted{m_nextStatus, m_nextBody};
        m_nextStatus = 0;
        return scripted;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(request.body);
    if (!doc.isObject())
        return failure(400, "InvalidParameter", "body is not a JSON object");
    return generation(doc.object());
}

HttpServer::Response DashscopeServer::generation(const QJsonObject &body)
{
    if (body.value("model").toString() != QLatin1String("tingwu-meeting"))
        return failure(400, "InvalidParameter", "unknown model");
    const QJsonObject input = body.value("input").toObject();
    const QString task = input.value("task").toString();
    const QString dataId = input.value("dataId").toString();
    if (task == QLatin1String("getTask") || (task == QLatin1String("createTask") && !dataId.isEmpty())) {
        if (!m_meetings.contains(dataId))
            return failure(404, "TaskNotFound", "no such meeting");
        const bool query = task == QLatin1String("getTask");
        QJsonObject output{{"dataId", dataId}, {"status", query ? "COMPLETED" : "FINISHED"}};
        if (query)
            output.insert("result", QJsonObject{{"transcription", "stand-in transcript"}});
        return {200, compact({{"output", output}, {"request_id", "stand-in"}})};
    }
    if (task != QLatin1String("createTask"))
        return failure(400, "InvalidParameter", "unknown task");
    if (input.value("appId").toString() != m_appId)
        return failure(400, "InvalidParameter", "unknown appId");
    if (input.value("type").toString() != QLatin1String("realtime")
        || !input.value("sampleRate").isDouble() || input.value("format").toString().isEmpty()
        || !body.value("parameters").toObject().contains("transcription"))
        return failure(400, "InvalidParameter", "incomplete createTask input");
    const QString id = QStringLiteral("meeting%1").arg(++m_meetingCount);
    m_meetings.insert(id);
    return {200, compact({{"output", QJsonObject{{"dataId", id}, {"status", "NEW"}}},
                          {"request_id", "stand-in"}})};
}

// ---- WebSocket, on the test's thread ----

void DashscopeServer::onNewConnection()
{
    while (QWebSocket *socket = m_ws->nextPendingConnection()) {
        const int index = m_connections.size();
        Connection c;
        c.url = socket->requestUrl();
        c.authorization = QString::fromUtf8(socket->request().rawHeader("Authorization"));
        const QString token = QUrlQuery(c.url).queryItemValue(QStringLiteral("api_key"));
        {
            QMutexLocker lock(&m_mutex);
            // A token opens one connection.
            c.tokenAccepted = m_tokens.remove(token)
                              && c.authorization == QLatin1String("Bearer ") + m_apiKey;
        }
        m_connections.append(c);
        m_sockets.append(socket);
        auto *endTimer = new QTimer(socket);
        endTimer->setSingleShot(true);
        endTimer->setInterval(kQuietMsBeforeEnd);
        m_endTimers.append(endTimer);
        socket->setParent(this);

        connect(endTimer, &QTimer::timeout, this, [this, index] {
            Connection &conn = m_connections[index];
            if (conn.closed || conn.speechEndSent)
                return;
            conn.speechEndSent = true;
            sendEvent(index, QStringLiteral("speech-end"));
        });
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, index](const QString &m) { onText(index, m); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, index](const QByteArray &m) { onAudio(index, m); });
        connect(socket, &QWebSocket::disconnected, this, [this, index] {
            Connection &conn = m_connections[index];
            if (conn.closed)
                return;
            conn.closed = true;
            conn.closedByClient = !m_serverClosing.contains(index);
            emit connectionClosed(index);
        });
        if (!c.tokenAccepted)
            refuse(index, QStringLiteral("InvalidToken"), QStringLiteral("token or key refused"));
    }
}

void DashscopeServer::refuse(int index, const QString &code, const QString &message)
{
    sendEvent(index, QStringLiteral("task-failed"),
              {{"errorCode", code}, {"errorMessage", message}});
    m_serverClosing.insert(index);
    QWebSocket *socket = m_sockets.at(index);
    QTimer::singleShot(100, socket, [socket] { socket->close(); });
}

void DashscopeServer::onText(int index, const QString &text)
{
    Connection &c = m_connections[index];
    if (!c.tokenAccepted || c.closed)
        return;
    const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString action = m.value("header").toObject().value("action").toString();
    if (action == QLatin1String("run-task")) {
        c.runTask = m;
        c.runTaskError = checkStreamMessage(m, action);
        const QJsonObject input = m.value("payload").toObject().value("input").toObject();
        c.taskId = m.value("header").toObject().value("task_id").toString();
        c.dataId = input.value("dataId").toString();
        {
            QMutexLocker lock(&m_mutex);
            if (c.runTaskError.isEmpty() && input.value("appId").toString() != m_appId)
                c.runTaskError = QStringLiteral("unknown appId");
            if (c.runTaskError.isEmpty() && !m_meetings.contains(c.dataId))
                c.runTaskError = QStringLiteral("unknown dataId");
        }
        if (c.runTaskError.isEmpty() && input.value("directive").toString() != QLatin1String("start"))
            c.runTaskError = QStringLiteral("directive is not start");
        if (!c.runTaskError.isEmpty()) {
            refuse(index, QStringLiteral("InvalidParameter"), c.runTaskError);
            return;
        }
        m_sockets.at(index)->sendTextMessage(QString::fromUtf8(compact(
            {{"header", QJsonObject{{"event", "task-started"}, {"task_id", c.taskId}}},
             {"payload", QJsonObject{}}})));
        sendEvent(index, QStringLiteral("speech-listen"));
        return;
    }
    if (action == QLatin1String("finish-task")) {
        const QString error = checkStreamMessage(m, action);
        const QString directive =
            m.value("payload").toObject().value("input").toObject().value("directive").toString();
        if (!error.isEmpty() || directive != QLatin1String("stop")
            || m.value("header").toObject().value("task_id").toString() != c.taskId) {
            refuse(index, QStringLiteral("InvalidParameter"),
                   error.isEmpty() ? QStringLiteral("bad finish-task") : error);
            return;
        }
        c.finishTasks.append(m);
        c.framesAtFinish.append(c.frameSizes.size());
        m_endTimers.at(index)->start();
        return;
    }
    refuse(index, QStringLiteral("InvalidParameter"), QStringLiteral("unknown action"));
}

void DashscopeServer::onAudio(int index, const QByteArray &audio)
{
    Connection &c = m_connections[index];
    if (!c.tokenAccepted || c.closed || c.speechEndSent || c.taskId.isEmpty())
        return;
    c.frameSizes.append(audio.size());
    const int frames = c.frameSizes.size();
    emit frameReceived(index, frames);
    if (!c.finishTasks.isEmpty())
        m_endTimers.at(index)->start();  // still draining: not quiet yet

    const int total = ++m_framesPerMeeting[c.dataId];
    if (m_framesPerSentence > 0 && total % m_framesPerSentence == 0) {
        const int number = ++m_sentencesPerMeeting[c.dataId];
        sendEvent(index, QStringLiteral("recognize-result"),
                  {{"transcription", QJsonObject{{"text", sentence(number)}, {"sentenceEnd", true}}}});
    }
    if (m_failures.contains(index) && m_failures.value(index).first == frames) {
        const auto f = m_failures.value(index).second;
        refuse(index, f.first, f.second);
        return;
    }
    if (m_drops.value(index, -1) == frames) {
        m_serverClosing.insert(index);
        QWebSocket *socket = m_sockets.at(index);
        // What was sent before reaches the client first; then the line breaks.
        QTimer::singleShot(30, socket, [socket] { socket->abort(); });
    }
}

void DashscopeServer::sendEvent(int index, const QString &action, const QJsonObject &extra)
{
    QWebSocket *socket = m_sockets.value(index);
    if (!socket || m_connections.at(index).closed)
        return;
    QJsonObject output = extra;
    output.insert("action", action);
    const QJsonObject message{
        {"header", QJsonObject{{"event", "result-generated"}, {"task_id", m_connections.at(index).taskId}}},
        {"payload", QJsonObject{{"output", output}}}};
    socket->sendTextMessage(QString::fromUtf8(compact(message)));
    if (action != QLatin1String("speech-end"))
        return;
    // The service hangs up if the client does not.
    QTimer::singleShot(500, socket, [this, index, socket] {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        m_serverClosing.insert(index);
        socket->close();
    });
}
