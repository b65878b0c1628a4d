#pragma once

#include "fakes/http_server.h"

#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QVector>

class QTimer;
class QWebSocket;
class QWebSocketServer;

// A local stand-in for the meeting transcription service, over TLS with the
// test CA: an HTTPS server for the task requests (create, finish, query) and
// the short-lived streaming tokens, both checking the API key, and a
// WebSocket server that accepts only a token it issued, checks the run-task
// message, answers speech-listen, turns received audio into one sentence
// every few frames ("句子1", "句子2", ... numbered across the connections of
// one meeting), and answers speech-end once the client has said finish-task
// and then stayed quiet for a moment. On demand it refuses tokens, fails a
// task or breaks a connection after so many audio frames.
class DashscopeServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kQuietMsBeforeEnd = 300;

    struct Connection {
        QUrl url;
        QString authorization;  // the header as received
        bool tokenAccepted = false;
        QJsonObject runTask;
        QString runTaskError;  // why the run-task message was refused
        QString taskId;
        QString dataId;
        QVector<int> frameSizes;  // audio frames as received
        QVector<QJsonObject> finishTasks;
        QVector<int> framesAtFinish;  // audio frames received before each finish-task
        bool speechEndSent = false;
        bool closed = false;
        bool closedByClient = false;
    };

    explicit DashscopeServer(QObject *parent = nullptr);
    ~DashscopeServer() override;

    bool listen();
    QString httpsUrl() const { return m_http.baseUrl(); }
    QString wsUrl() const;

    void setCredentials(const QString &appId, const QString &apiKey);
    void setRefuseTokens(bool refuse);
    void setFramesPerSentence(int frames) { m_framesPerSentence = frames; }
    // On connection number `connection` (0 first), after `frames` audio frames.
    void failTaskAfterFrames(int connection, int frames, const QString &code,
                             const QString &message);
    void dropAfterFrames(int connection, int frames);
    // The next generation request gets this answer instead of the normal one.
    void setNextGenerationReply(int status, const QByteArray &body);
    // Sends text as it is on an open connection.
    void sendRaw(int connection, const QString &text);

    static QString sentence(int number) { return QStringLiteral("句子%1").arg(number); }

    QVector<HttpServer::Request> httpRequests() const { return m_http.requests(); }
    const QVector<Connection> &connections() const { return m_connections; }
    int connectionCount() const { return m_connections.size(); }

signals:
    void connectionClosed(int index);
    void frameReceived(int connection, int frames);

private:
    HttpServer::Response handleHttp(const HttpServer::Request &request);
    HttpServer::Response generation(const QJsonObject &body);
    void onNewConnection();
    void onText(int index, const QString &text);
    void onAudio(int index, const QByteArray &audio);
    void sendEvent(int index, const QString &action, const QJsonObject &extra = {});
    void refuse(int index, const QString &code, const QString &message);

    HttpServer m_http;
    QWebSocketServer *m_ws;
    QVector<Connection> m_connections;
    QVector<QWebSocket *> m_sockets;
    QVector<QTimer *> m_endTimers;
    QSet<int> m_serverClosing;
    QHash<int, QPair<int, QPair<QString, QString>>> m_failures;  // connection -> frames, code, message
    QHash<int, int> m_drops;
    QHash<QString, int> m_framesPerMeeting;
    QHash<QString, int> m_sentencesPerMeeting;
    int m_framesPerSentence = 5;

    // Shared with the HTTPS server's thread.
    mutable QMutex m_mutex;
    QString m_appId;
    QString m_apiKey;
    bool m_refuseTokens = false;
    QSet<QString> m_tokens;  // issued, not yet used
    QSet<QString> m_meetings;
    int m_meetingCount = 0;
    int m_nextStatus = 0;
    QByteArray m_nextBody;
};
