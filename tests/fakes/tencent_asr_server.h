#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>

class QWebSocket;
class QWebSocketServer;

// A local stand-in for the cloud real-time recognition service used for the
// dialects: TLS WebSocket on 127.0.0.1 with the test CA's certificate. It
// checks each connection's signed URL as the service does (recomputing the
// HMAC-SHA1 over the Host it received, path and query), counts the audio it
// is sent and answers with scripted sentence results as the audio arrives,
// and with a final message after the client's end message. A refused
// signature is answered with an error code, then the connection closes.
class TencentAsrServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kAuthFailedCode = 4002;

    struct Session {
        QUrl url;
        QString host;            // the Host header as received
        QStringList parameterOrder;  // keys of the signed query, as sent
        QHash<QString, QString> parameters;
        bool authorized = false;
        QString authError;
        int audioBytes = 0;
        int audioMessages = 0;
        bool endReceived = false;
        int audioBytesAtEnd = -1;
        bool closed = false;
        bool closedByClient = false;
        int closeCode = 0;  // as sent by the client when it closed first
    };

    // A message sent once a session has received afterBytes of audio, or,
    // with afterBytes < 0, when the client's end message arrives.
    struct Reply {
        int afterBytes = -1;
        QString message;
    };

    explicit TencentAsrServer(QObject *parent = nullptr);
    ~TencentAsrServer() override;

    bool listen();
    // "wss://127.0.0.1:<port>/asr/v2": the endpoint, without the app id.
    QString url() const;

    void setCredentials(const QString &appId, const QString &secretId, const QString &secretKey);
    void setReplies(int session, const QVector<Reply> &replies);

    const QVector<Session> &sessions() const { return m_sessions; }
    int sessionCount() const { return m_sessions.size(); }

    // Messages in the service's format.
    static QString slice(int index, int sliceType, const QString &text);
    static QString error(int code, const QString &message);
    static QString finalMessage();
    // Not messages: the server ends the connection (closing handshake, code
    // 1000) or breaks it (no handshake) there.
    static QString closeNow();
    static QString dropNow();

    // The check the service applies; empty when the URL is accepted.
    static QString checkSignedUrl(const QUrl &url, const QString &host, const QString &appId,
                                  const QString &secretId, const QString &secretKey,
                                  Session *parsed = nullptr);

signals:
    void sessionStarted(int index);
    void sessionClosed(int index);
    void endReceived(int index);

private:
    void onNewConnection();
    void onAudio(int index, const QByteArray &audio);
    void onText(int index, const QString &text);
    void send(int index, const QString &message);

    QWebSocketServer *m_server;
    QVector<Session> m_sessions;
    QVector<QWebSocket *> m_sockets;
    QHash<int, QVector<Reply>> m_replies;
    QHash<int, QSet<int>> m_sent;  // per session: the replies already sent
    QSet<int> m_serverClosing;
    QString m_appId, m_secretId, m_secretKey;
};
