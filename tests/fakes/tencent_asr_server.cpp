#include "fakes/tencent_asr_server.h"

#include "fakes/dictation_server.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>

namespace {

const QString kClose = QStringLiteral("<stand-in: close>");
const QString kDrop = QStringLiteral("<stand-in: drop>");
constexpr int kMaxSkewSeconds = 300;
const QStringList kRequired = {"engine_model_type", "expired", "needvad", "nonce",
                               "secretid", "timestamp", "voice_format", "voice_id"};

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

}  // namespace

TencentAsrServer::TencentAsrServer(QObject *parent)
    : QObject(parent),
      m_server(new QWebSocketServer(QStringLiteral("recognition stand-in"),
                                    QWebSocketServer::SecureMode, this))
{
    m_server->setSslConfiguration(DictationServer::serverTls());
    connect(m_server, &QWebSocketServer::newConnection, this, &TencentAsrServer::onNewConnection);
}

TencentAsrServer::~TencentAsrServer()
{
    for (QWebSocket *s : qAsConst(m_sockets)) {
        if (s)
            s->disconnect(this);
    }
}

bool TencentAsrServer::listen()
{
    if (DictationServer::serverTls().localCertificate().isNull())
        return false;
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QString TencentAsrServer::url() const
{
    return QStringLiteral("wss://127.0.0.1:%1/asr/v2").arg(m_server->serverPort());
}

void TencentAsrServer::setCredentials(const QString &appId, const QString &secretId,
                                      const QString &secretKey)
{
    m_appId = appId;
    m_secretId = secretId;
    m_secretKey = secretKey;
}

void TencentAsrServer::setReplies(int session, const QVector<Reply> &replies)
{
    m_replies.insert(session, replies);
}

QString TencentAsrServer::slice(int index, int sliceType, const QString &text)
{
    const QJsonObject result{{"slice_type", sliceType},
                             {"index", index},
                             {"start_time", index * 1000},
                             {"end_time", index * 1000 + 900},
                             {"voice_text_str", text},
                             {"word_size", 0},
                             {"word_list", QJsonValue::Null},
                             {"emotion_type", QJsonValue::Null}};
    return compact({{"code", 0},
                    {"message", "success"},
                    {"voice_id", "stand-in"},
                    {"message_id", QStringLiteral("stand-in_%1_%2").arg(index).arg(sliceType)},
                    {"result", result}});
}

QString TencentAsrServer::error(int code, const QString &message)
{
    return compact({{"code", code}, {"message", message}, {"voice_id", "stand-in"}});
}

QString TencentAsrServer::finalMessage()
{
    return compact({{"code", 0}, {"message", "success"}, {"voice_id", "stand-in"}, {"final", 1}});
}

QString TencentAsrServer::closeNow()
{
    return kClose;
}

QString TencentAsrServer::dropNow()
{
    return kDrop;
}

QString TencentAsrServer::checkSignedUrl(const QUrl &url, const QString &host,
                                         const QString &appId, const QString &secretId,
                                         const QString &secretKey, Session *parsed)
{
    const QString path = url.path(QUrl::FullyEncoded);
    const QString query = url.query(QUrl::FullyEncoded);
    const int at = query.lastIndexOf(QStringLiteral("&signature="));
    if (at < 0)
        return QStringLiteral("no signature");
    const QString signedQuery = query.left(at);
    const QString signature = query.mid(at + int(qstrlen("&signature=")));

    QStringList order;
    QHash<QString, QString> values;
    for (const QString &pair : signedQuery.split(QLatin1Char('&'))) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return QStringLiteral("malformed parameter ") + pair;
        order << pair.left(eq);
        values.insert(pair.left(eq), pair.mid(eq + 1));
    }
    if (parsed) {
        parsed->parameterOrder = order;
        parsed->parameters = values;
    }
    if (path != QStringLiteral("/asr/v2/") + appId)
        return QStringLiteral("unknown path ") + path;
    QStringList sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (order != sorted)
        return QStringLiteral("parameters not in key order: ") + order.join(',');
    for (const QString &key : kRequired) {
        if (!values.contains(key))
            return QStringLiteral("missing ") + key;
    }
    if (values.value("secretid") != secretId)
        return QStringLiteral("unknown secretid");
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    bool ok1 = false, ok2 = false;
    const qint64 timestamp = values.value("timestamp").toLongLong(&ok1);
    const qint64 expired = values.value("expired").toLongLong(&ok2);
    if (!ok1 || qAbs(now - timestamp) > kMaxSkewSeconds)
        return QStringLiteral("timestamp out of range");
    if (!ok2 || expired <= now)
        return QStringLiteral("signature expired");
    static const QRegularExpression digits(QStringLiteral("^\\d{1,10}$"));
    if (!digits.match(values.value("nonce")).hasMatch())
        return QStringLiteral("bad nonce");
    if (QUuid(values.value("voice_id")).isNull()
        || values.value("voice_id").startsWith(QLatin1Char('{')))
        return QStringLiteral("bad voice_id");
    if (values.value("engine_model_type").isEmpty())
        return QStringLiteral("no engine model");

    const QByteArray source = (host + path + QLatin1Char('?') + signedQuery).toUtf8();
    const QByteArray expected =
        QMessageAuthenticationCode::hash(source, secretKey.toUtf8(), QCryptographicHash::Sha1)
            .toBase64()
            .toPercentEncoding();
    if (signature.toLatin1() != expected)
        return QStringLiteral("signature does not match");
    return QString();
}

void TencentAsrServer::onNewConnection()
{
    while (QWebSocket *socket = m_server->nextPendingConnection()) {
        const int index = m_sessions.size();
        Session session;
        session.url = socket->requestUrl();
        session.host = QString::fromLatin1(socket->request().rawHeader("Host"));
        session.authError = checkSignedUrl(session.url, session.host, m_appId, m_secretId,
                                           m_secretKey, &session);
        session.authorized = session.authError.isEmpty();
        m_sessions.append(session);
        m_sockets.append(socket);
        socket->setParent(this);

        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, index](const QByteArray &m) { onAudio(index, m); });
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, index](const QString &m) { onText(index, m); });
        connect(socket, &QWebSocket::disconnected, this, [this, index, socket] {
            Session &s = m_sessions[index];
            if (s.closed)
                return;
            s.closed = true;
            s.closedByClient = !m_serverClosing.contains(index);
            s.closeCode = socket->closeCode();
            emit sessionClosed(index);
        });

        emit sessionStarted(index);
        if (!session.authorized) {
            qWarning().noquote() << "stand-in refused a connection:" << session.authError;
            send(index, error(kAuthFailedCode, session.authError));
            continue;
        }
        // The service greets every accepted connection.
        send(index, compact({{"code", 0}, {"message", "success"}, {"voice_id", "stand-in"}}));
    }
}

void TencentAsrServer::onAudio(int index, const QByteArray &audio)
{
    Session &s = m_sessions[index];
    if (!s.authorized || s.closed)
        return;
    s.audioBytes += audio.size();
    ++s.audioMessages;
    const QVector<Reply> replies = m_replies.value(index);
    for (int i = 0; i < replies.size(); ++i) {
        if (replies[i].afterBytes < 0 || replies[i].afterBytes > s.audioBytes
            || m_sent[index].contains(i))
            continue;
        m_sent[index].insert(i);
        send(index, replies[i].message);
    }
}

void TencentAsrServer::onText(int index, const QString &text)
{
    Session &s = m_sessions[index];
    if (!s.authorized || s.closed)
        return;
    if (QJsonDocument::fromJson(text.toUtf8()).object().value("type").toString()
        != QLatin1String("end")) {
        send(index, error(4000, QStringLiteral("unknown message")));
        return;
    }
    s.endReceived = true;
    s.audioBytesAtEnd = s.audioBytes;
    emit endReceived(index);
    bool ended = false;
    const QVector<Reply> replies = m_replies.value(index);
    for (int i = 0; i < replies.size(); ++i) {
        if (replies[i].afterBytes >= 0 || m_sent[index].contains(i))
            continue;
        m_sent[index].insert(i);
        send(index, replies[i].message);
        const QJsonObject json = QJsonDocument::fromJson(replies[i].message.toUtf8()).object();
        ended = ended || replies[i].message == kClose || replies[i].message == kDrop
                || json.value("final").toInt() == 1 || json.value("code").toInt() != 0;
    }
    if (!ended)
        send(index, finalMessage());
}

void TencentAsrServer::send(int index, const QString &message)
{
    QWebSocket *socket = m_sockets.value(index);
    if (!socket || m_sessions[index].closed)
        return;
    if (message == kDrop) {
        m_serverClosing.insert(index);
        // What was sent before reaches the client first; then the line breaks.
        QTimer::singleShot(50, socket, [socket] { socket->abort(); });
        return;
    }
    if (message == kClose) {
        m_serverClosing.insert(index);
        socket->close(QWebSocketProtocol::CloseCodeNormal);
        return;
    }
    socket->sendTextMessage(message);
    const QJsonObject json = QJsonDocument::fromJson(message.toUtf8()).object();
    if (json.value("final").toInt() != 1 && json.value("code").toInt() == 0)
        return;
    // The service hangs up shortly after a final or error message if the
    // client has not closed by then.
    QTimer::singleShot(150, socket, [this, index, socket] {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        m_serverClosing.insert(index);
        socket->close(QWebSocketProtocol::CloseCodeNormal);
    });
}
