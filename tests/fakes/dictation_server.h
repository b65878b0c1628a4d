#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>
#include <QVector>

class QWebSocket;
class QWebSocketServer;

// A local stand-in for the streaming dictation service: TLS WebSocket on
// 127.0.0.1 with a certificate from a test CA made at run time. It checks
// each connection's signed URL the way the service does (recomputing the
// HMAC itself), records the frames it receives and answers with scripted
// result messages. Like the service, it closes a session shortly after it
// sent a final (status 2) or error message.
class DictationServer : public QObject
{
    Q_OBJECT
public:
    struct Frame {
        int status = -1;
        QByteArray audio;  // decoded from base64
        QJsonObject json;
        bool binary = false;
        qint64 atMs = 0;  // arrival, on the server's clock
    };

    struct Session {
        QUrl url;
        bool authorized = false;
        QString authError;  // why the signature was refused
        QVector<Frame> frames;
        bool closed = false;
        bool closedByClient = false;
        int closeCode = 0;  // as sent by the client when it closed first
    };

    // A message to send once a session has received afterFrames frames, or,
    // with afterFrames < 0, when its last frame (status 2) arrives.
    struct Reply {
        int afterFrames = -1;
        QJsonObject message;
    };

    explicit DictationServer(QObject *parent = nullptr);
    ~DictationServer() override;

    bool listen();
    // "wss://127.0.0.1:<port>/v2/iat": what the client must be pointed at,
    // and what it must sign.
    QString url() const;

    void setCredentials(const QString &appId, const QString &apiKey, const QString &apiSecret);
    void setReplies(int session, const QVector<Reply> &replies);
    // Accepted clock difference of the signed date, as the service allows.
    void setMaxClockSkewSeconds(int seconds) { m_maxSkew = seconds; }

    const QVector<Session> &sessions() const { return m_sessions; }
    int sessionCount() const { return m_sessions.size(); }

    // Result messages in the service's format.
    static QJsonObject result(int status, int sn, const QString &text, bool last,
                              const QString &pgs = QString(), const QVector<int> &rg = {});
    // A piece appended after the earlier ones, and one that replaces the
    // pieces numbered from..to, as the service sends them with corrections on.
    static QJsonObject apd(int status, int sn, const QString &text, bool last = false);
    static QJsonObject rpl(int sn, const QString &text, int from, int to);
    static QJsonObject error(int code, const QString &message);
    // Not a message: the connection is cut without a closing handshake.
    static QJsonObject drop();

    // The test CA; trustTestCa() adds it to the process's default TLS
    // configuration so clients created afterwards accept the stand-in.
    static QSslCertificate caCertificate();
    static void trustTestCa();
    // Certificate and key of the stand-ins, issued by the test CA for 127.0.0.1.
    static QSslConfiguration serverTls();

    // The same check the service applies; empty when the URL is accepted.
    static QString checkSignedUrl(const QUrl &url, const QString &expectedHost,
                                  const QString &apiKey, const QString &apiSecret,
                                  int maxSkewSeconds);

signals:
    void sessionStarted(int index);
    void frameReceived(int session, int status);
    void sessionClosed(int index);

private:
    void onNewConnection();
    void onMessage(int index, const QByteArray &payload, bool binary);
    void send(int index, const QJsonObject &message);

    QWebSocketServer *m_server;
    QVector<Session> m_sessions;
    QVector<QWebSocket *> m_sockets;
    QHash<int, QVector<Reply>> m_replies;
    QSet<int> m_serverClosing;
    QString m_appId, m_apiKey, m_apiSecret;
    int m_maxSkew = 300;
    QElapsedTimer m_clock;
};
