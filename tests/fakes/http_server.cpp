#include "fakes/http_server.h"

#include "fakes/dictation_server.h"

#include <QFile>
#include <QMutexLocker>
#include <QPointer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

class HttpServerWorker : public QTcpServer
{
public:
    explicit HttpServerWorker(HttpServer *owner) : m_owner(owner) {}

    void dropAll()
    {
        for (const QPointer<QTcpSocket> &s : qAsConst(m_sockets)) {
            if (s)
                s->abort();
        }
    }

    void closeAll()
    {
        close();
        for (const QPointer<QTcpSocket> &s : qAsConst(m_sockets)) {
            if (s)
                s->abort();
        }
        qDeleteAll(m_sockets);
        m_sockets.clear();
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket;
        if (m_owner->m_transport == HttpServer::Transport::Tls) {
            auto *tls = new QSslSocket(this);
            tls->setSslConfiguration(DictationServer::serverTls());
            tls->setSocketDescriptor(descriptor);
            tls->startServerEncryption();
            socket = tls;
        } else {
            socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descriptor);
        }
        m_sockets << socket;
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            read(socket, *buffer);
        });
    }

private:
    void read(QTcpSocket *socket, QByteArray &buffer)
    {
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        HttpServer::Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.header("content-length").toInt();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        buffer.clear();
        const HttpServer::Response response = m_owner->handle(request);
        if (response.hang)
            return;
        static const QHash<int, QByteArray> reasons = {
            {200, "OK"}, {400, "Bad Request"}, {401, "Unauthorized"}, {403, "Forbidden"},
            {404, "Not Found"}, {429, "Too Many Requests"}, {500, "Internal Server Error"}};
        QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
            + reasons.value(response.status, "Status") + "\r\nContent-Type: "
            + response.contentType + "\r\nContent-Length: " + QByteArray::number(response.body.size())
            + "\r\nConnection: close\r\n\r\n"
            + (response.cutAfter >= 0 ? response.body.left(response.cutAfter) : response.body);
        socket->write(out);
        socket->disconnectFromHost();
    }

    HttpServer *m_owner;
    QList<QPointer<QTcpSocket>> m_sockets;
};

HttpServer::HttpServer(Transport transport)
    : m_transport(transport), m_thread(new QThread), m_worker(new HttpServerWorker(this))
{
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

HttpServer::~HttpServer()
{
    QMetaObject::invokeMethod(m_worker, [this] { m_worker->closeAll(); },
                              Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

bool HttpServer::listen(const QString &address)
{
    if (m_transport == Transport::Tls && DictationServer::serverTls().localCertificate().isNull())
        return false;
    bool ok = false;
    QMetaObject::invokeMethod(m_worker, [this, &ok, &address] {
        ok = m_worker->listen(QHostAddress(address), 0);
        m_port = m_worker->serverPort();
    }, Qt::BlockingQueuedConnection);
    m_address = address;
    return ok;
}

QString HttpServer::baseUrl() const
{
    return QStringLiteral("%1://%2:%3")
        .arg(m_transport == Transport::Tls ? "https" : "http", m_address).arg(m_port);
}

void HttpServer::dropConnections()
{
    QMetaObject::invokeMethod(m_worker, [this] { m_worker->dropAll(); },
                              Qt::BlockingQueuedConnection);
}

void HttpServer::setHandler(Handler handler)
{
    QMutexLocker lock(&m_mutex);
    m_handler = std::move(handler);
}

QVector<HttpServer::Request> HttpServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

int HttpServer::requestCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests.size();
}

HttpServer::Response HttpServer::handle(const Request &request)
{
    Handler handler;
    {
        QMutexLocker lock(&m_mutex);
        m_requests << request;
        handler = m_handler;
    }
    if (!handler)
        return {404, "{}"};
    return handler(request);
}

QString HttpServer::caFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("test-ca.pem"));
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(DictationServer::caCertificate().toPem()) <= 0)
            return QString();
        return p;
    }();
    return path;
}
