#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QThread;
class HttpServerWorker;

// A local HTTP/1.1 stand-in on 127.0.0.1, over TLS with the test CA's
// certificate (or plain, for the loopback rule). It runs on a thread of its
// own, so a blocking client on the test's thread can reach it. Each
// connection carries one request; a handler decides the answer.
class HttpServer
{
public:
    struct Request {
        QByteArray method;
        QByteArray target;  // path and query as sent
        QHash<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;
        QByteArray header(const char *name) const { return headers.value(QByteArray(name).toLower()); }
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        bool hang = false;  // read the request, never answer
        int cutAfter = -1;  // >= 0: announce the whole body, send this much, close
    };
    // Runs on the server's thread.
    using Handler = std::function<Response(const Request &)>;

    enum class Transport { Tls, Plain };
    explicit HttpServer(Transport transport = Transport::Tls);
    ~HttpServer();

    // On a loopback address; 127.0.0.2 and the like are outside the certificate.
    bool listen(const QString &address = QStringLiteral("127.0.0.1"));
    // "https://<address>:<port>" (or http://).
    QString baseUrl() const;
    quint16 port() const { return m_port; }

    void setHandler(Handler handler);
    // Cuts every open connection, answered or not (ends a hang).
    void dropConnections();
    QVector<Request> requests() const;
    int requestCount() const;

    // The test CA as a PEM file, for clients that take a CA file.
    static QString caFile();

private:
    friend class HttpServerWorker;
    Response handle(const Request &request);

    Transport m_transport;
    quint16 m_port = 0;
    QString m_address;
    QThread *m_thread;
    HttpServerWorker *m_worker;
    mutable QMutex m_mutex;
    Handler m_handler;
    QVector<Request> m_requests;
};
