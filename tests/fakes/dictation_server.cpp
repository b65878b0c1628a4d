#include "fakes/dictation_server.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>
#include <QProcess>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

// CA and server certificate, made once per test process with the openssl
// command line; nothing of it outlives the process.
struct TestPki {
    QSslCertificate ca;
    QSslCertificate server;
    QSslKey serverKey;
};

bool runOpenssl(const QString &dir, const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("openssl"), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning().noquote() << "openssl" << args.join(' ') << "failed:" << p.readAll();
        return false;
    }
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const TestPki &pki()
{
    static const TestPki made = [] {
        TestPki out;
        QTemporaryDir dir;
        const QString d = dir.path();
        const QStringList ec = {"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
        QFile ext(d + "/server.ext");
        if (ext.open(QIODevice::WriteOnly)) {
            ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                      "basicConstraints=CA:FALSE\n"
                      "keyUsage=critical,digitalSignature,keyEncipherment\n"
                      "extendedKeyUsage=serverAuth\n");
            ext.close();
        }
        const bool ok =
            runOpenssl(d, QStringList{"req", "-x509"} + ec
                              + QStringList{"-keyout", "ca.key", "-out", "ca.crt", "-days", "2",
                                            "-subj", "/CN=Talkvane Test CA", "-addext",
                                            "basicConstraints=critical,CA:TRUE", "-addext",
                                            "keyUsage=critical,keyCertSign,cRLSign"})
            && runOpenssl(d, QStringList{"req"} + ec
                                 + QStringList{"-keyout", "server.key", "-out", "server.csr",
                                               "-subj", "/CN=127.0.0.1"})
            && runOpenssl(d, {"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey",
                              "ca.key", "-CAcreateserial", "-out", "server.crt", "-days", "2",
                              "-extfile", "server.ext"});
        if (!ok)
            return out;
        out.ca = QSslCertificate(readFile(d + "/ca.crt"), QSsl::Pem);
        out.server = QSslCertificate(readFile(d + "/server.crt"), QSsl::Pem);
        out.serverKey = QSslKey(readFile(d + "/server.key"), QSsl::Ec, QSsl::Pem);
        return out;
    }();
    return made;
}

const QStringList kDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const QStringList kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// RFC 1123 date as the service accepts it; invalid when malformed.
QDateTime parseHttpDate(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\w{3}), (\\d{2}) (\\w{3}) (\\d{4}) (\\d{2}):(\\d{2}):(\\d{2}) GMT$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    const int month = kMonths.indexOf(m.captured(3)) + 1;
    const QDate date(m.captured(4).toInt(), month, m.captured(2).toInt());
    const QTime time(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt());
    if (month == 0 || !date.isValid() || !time.isValid()
        || kDays.indexOf(m.captured(1)) + 1 != date.dayOfWeek())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

}  // namespace

DictationServer::DictationServer(QObject *parent)
    : QObject(parent),
      m_server(new QWebSocketServer(QStringLiteral("dictation stand-in"),
                                    QWebSocketServer::SecureMode, this))
{
    m_server->setSslConfiguration(serverTls());
    connect(m_server, &QWebSocketServer::newConnection, this, &DictationServer::onNewConnection);
    m_clock.start();
}

DictationServer::~DictationServer()
{
    for (QWebSocket *s : qAsConst(m_sockets)) {
        if (s)
            s->disconnect(this);
    }
}

bool DictationServer::listen()
{
    if (pki().server.isNull() || pki().serverKey.isNull())
        return false;
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QString DictationServer::url() const
{
    return QStringLiteral("wss://127.0.0.1:%1/v2/iat").arg(m_server->serverPort());
}

void DictationServer::setCredentials(const QString &appId, const QString &apiKey,
                                     const QString &apiSecret)
{
    m_appId = appId;
    m_apiKey = apiKey;
    m_apiSecret = apiSecret;
}

void DictationServer::setReplies(int session, const QVector<Reply> &replies)
{
    m_replies.insert(session, replies);
}

QJsonObject DictationServer::result(int status, int sn, const QString &text, bool last,
                                    const QString &pgs, const QVector<int> &rg)
{
    QJsonArray ws;
    // One word per character, as the service splits Chinese text.
    for (const QChar c : text) {
        ws.append(QJsonObject{{"bg", 0},
                              {"cw", QJsonArray{QJsonObject{{"sc", 0}, {"w", QString(c)}}}}});
    }
    QJsonObject res{{"sn", sn}, {"ls", last}, {"bg", 0}, {"ed", 0}, {"ws", ws}};
    if (!pgs.isEmpty())
        res.insert("pgs", pgs);
    if (!rg.isEmpty()) {
        QJsonArray r;
        for (int v : rg)
            r.append(v);
        res.insert("rg", r);
    }
    return QJsonObject{{"code", 0},
                       {"message", "success"},
                       {"sid", "iat000000@stand-in"},
                       {"data", QJsonObject{{"status", status}, {"result", res}}}};
}

QJsonObject DictationServer::apd(int status, int sn, const QString &text, bool last)
{
    return result(status, sn, text, last, QStringLiteral("apd"));
}

QJsonObject DictationServer::rpl(int sn, const QString &text, int from, int to)
{
    return result(1, sn, text, false, QStringLiteral("rpl"), {from, to});
}

QJsonObject DictationServer::error(int code, const QString &message)
{
    return QJsonObject{{"code", code}, {"message", message}, {"sid", "iat000000@stand-in"}};
}

QJsonObject DictationServer::drop()
{
    return QJsonObject{{"stand-in", "drop"}};
}

QSslCertificate DictationServer::caCertificate()
{
    return pki().ca;
}

QSslConfiguration DictationServer::serverTls()
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(pki().server);
    tls.setPrivateKey(pki().serverKey);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);  // clients bring no certificate
    return tls;
}

void DictationServer::trustTestCa()
{
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    conf.addCaCertificate(caCertificate());
    QSslConfiguration::setDefaultConfiguration(conf);
}

QString DictationServer::checkSignedUrl(const QUrl &url, const QString &expectedHost,
                                        const QString &apiKey, const QString &apiSecret,
                                        int maxSkewSeconds)
{
    if (url.path() != QLatin1String("/v2/iat"))
        return QStringLiteral("unknown path ") + url.path();
    const QUrlQuery query(url);
    const QString authorization = query.queryItemValue("authorization", QUrl::FullyDecoded);
    const QString date = query.queryItemValue("date", QUrl::FullyDecoded);
    const QString host = query.queryItemValue("host", QUrl::FullyDecoded);
    if (authorization.isEmpty() || date.isEmpty() || host.isEmpty())
        return QStringLiteral("missing authorization, date or host");
    if (host != expectedHost)
        return QStringLiteral("host mismatch: ") + host;

    const QDateTime signedAt = parseHttpDate(date);
    if (!signedAt.isValid())
        return QStringLiteral("malformed date: ") + date;
    if (qAbs(signedAt.secsTo(QDateTime::currentDateTimeUtc())) > maxSkewSeconds)
        return QStringLiteral("date out of range: ") + date;

    const QByteArray decoded = QByteArray::fromBase64(authorization.toLatin1());
    if (decoded.toBase64() != authorization.toLatin1())
        return QStringLiteral("authorization is not base64");
    static const QRegularExpression re(QString::fromLatin1(
        R"re(^api_key="([^"]*)", algorithm="([^"]*)", headers="([^"]*)", signature="([^"]*)"$)re"));
    const auto m = re.match(QString::fromLatin1(decoded));
    if (!m.hasMatch())
        return QStringLiteral("malformed authorization");
    if (m.captured(1) != apiKey)
        return QStringLiteral("unknown api_key");
    if (m.captured(2) != QLatin1String("hmac-sha256")
        || m.captured(3) != QLatin1String("host date request-line"))
        return QStringLiteral("unsupported algorithm or headers");

    const QByteArray origin = QStringLiteral("host: %1\ndate: %2\nGET %3 HTTP/1.1")
                                  .arg(host, date, url.path())
                                  .toUtf8();
    const QByteArray expected =
        QMessageAuthenticationCode::hash(origin, apiSecret.toUtf8(), QCryptographicHash::Sha256)
            .toBase64();
    if (m.captured(4).toLatin1() != expected)
        return QStringLiteral("HMAC signature does not match");
    return QString();
}

void DictationServer::onNewConnection()
{
    while (QWebSocket *socket = m_server->nextPendingConnection()) {
        const int index = m_sessions.size();
        Session session;
        session.url = socket->requestUrl();
        session.authError = checkSignedUrl(session.url, url(), m_apiKey, m_apiSecret, m_maxSkew);
        session.authorized = session.authError.isEmpty();
        m_sessions.append(session);
        m_sockets.append(socket);
        socket->setParent(this);

        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, index](const QByteArray &m) { onMessage(index, m, true); });
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, index](const QString &m) { onMessage(index, m.toUtf8(), false); });
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
            m_serverClosing.insert(index);
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated, session.authError);
        }
    }
}

void DictationServer::onMessage(int index, const QByteArray &payload, bool binary)
{
    Session &s = m_sessions[index];
    if (!s.authorized || s.closed)
        return;
    const QJsonObject json = QJsonDocument::fromJson(payload).object();
    const QJsonObject data = json.value("data").toObject();
    Frame f;
    f.status = data.value("status").toInt(-1);
    f.audio = QByteArray::fromBase64(data.value("audio").toString().toLatin1());
    f.json = json;
    f.binary = binary;
    f.atMs = m_clock.elapsed();
    s.frames.append(f);
    emit frameReceived(index, f.status);

    if (s.frames.size() == 1) {
        const QString appId = json.value("common").toObject().value("app_id").toString();
        if (f.status != 0 || appId != m_appId) {
            send(index, error(10313, QStringLiteral("invalid app_id or first frame")));
            return;
        }
    }

    bool finalSent = false;
    const int count = m_sessions[index].frames.size();
    for (const Reply &r : m_replies.value(index)) {
        const bool due = r.afterFrames >= 0 ? r.afterFrames == count : f.status == 2;
        if (!due)
            continue;
        send(index, r.message);
        finalSent = finalSent || r.message.value("data").toObject().value("status").toInt() == 2;
    }
    if (f.status == 2 && !finalSent)
        send(index, result(2, 1, QString(), true));
}

void DictationServer::send(int index, const QJsonObject &message)
{
    QWebSocket *socket = m_sockets.value(index);
    if (!socket || m_sessions[index].closed)
        return;
    if (message == drop()) {
        m_serverClosing.insert(index);
        socket->abort();
        return;
    }
    socket->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    const bool ends = message.value("code").toInt() != 0
                      || message.value("data").toObject().value("status").toInt() == 2;
    if (!ends)
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
