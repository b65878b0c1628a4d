#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <deque>
#include <functional>

class QTimer;
class QWebSocket;
struct HttpResult;

// The cloud meeting transcription client of the meeting minutes. Over HTTPS
// it creates, finishes and queries meeting tasks; over a secure WebSocket it
// streams 16 kHz 16-bit mono PCM (the mouse's live audio or a WAV file) in
// 100 ms frames and turns the service's events into MeetingResultType
// events. Lives on the GUI thread; the HTTPS calls block on a worker thread
// and their replies come back here.
//
// Every result goes both to the callback of the call that caused it and to
// meetingResultBlock. A connection lost in the middle of a meeting is opened
// again for the same meeting, with the audio collected meanwhile kept and
// sent once the service listens again; only when that keeps failing does the
// meeting end with RequestFailed.
class AliyunMeetingApi : public QObject
{
    Q_OBJECT
public:
    // Values are fixed: they cross queued connections and logs.
    enum MeetingResultType : int {
        ReadyForAudio = 1,
        RecognizeResult = 2,
        MeetingEnded = 4,
        TaskFailed = 5,
        TaskCreated = 6,
        TaskFinished = 7,
        RequestFailed = 8,
        RawMessage = 9,
    };
    Q_ENUM(MeetingResultType)

    using Callback = std::function<void(bool, QString, MeetingResultType)>;

    static constexpr int kFrameSize = 3200;  // 100 ms of audio
    static constexpr int kFileIntervalMs = 100;
    static constexpr int kTaskIdLength = 16;
    static constexpr int kMaxReconnects = 3;
    // Audio kept while the connection is down; older frames go first.
    static constexpr qint64 kMaxBacklogBytes = qint64(5) * 60 * 32000;  // 5 minutes
    static constexpr int kHttpTimeoutMs = 30000;
    // From opening the socket to speech-listen; a silent service counts as a
    // lost connection.
    static constexpr int kListenTimeoutMs = 15000;

    static constexpr const char *kGenerationPath =
        "/api/v1/services/aigc/multimodal-generation/generation";
    static constexpr const char *kTokenPath = "/api/v1/tokens";

    explicit AliyunMeetingApi(QObject *parent = nullptr);
    ~AliyunMeetingApi() override;

    void startMeetingWithCreate(const QString &appId, const QString &apiKey, const QString &format,
                                int sampleRate, const QString &phraseId,
                                const QJsonObject &customParameters, Callback callback);
    void beginMeeting(const QString &appId, const QString &dataId, const QString &apiKey,
                      Callback callback);
    void createTask(const QString &appId, const QString &apiKey, const QString &format,
                    int sampleRate, const QString &phraseId, const QJsonObject &customParameters,
                    Callback callback);
    void endMeeting();
    void finishTask(const QString &appId, const QString &dataId, const QString &apiKey,
                    Callback callback);
    void getTask(const QString &appId, const QString &dataId, const QString &apiKey,
                 Callback callback);
    // Leaves file mode, stops sending and forgets the audio not yet sent.
    void reset();

    // Streams this WAV (or raw PCM) file instead of live audio once the
    // service listens; reset() goes back to live audio.
    void setAudioFile(const QString &path);
    // The object whose signal carries live PCM (the mouse's onAudioData). It
    // is connected to sendPcmToAliyun once the service listens and released
    // when the meeting's stream ends.
    void setAudioSource(QObject *source, const char *audioSignal);
    // Waits before each reconnection attempt; its size is the number of
    // attempts. Tests shorten them.
    void setReconnectDelays(const QVector<int> &delaysMs);
    // Time between two frames sent (100 ms: the pace audio arrives at).
    // Tests that feed audio faster than real time send faster too.
    void setSendInterval(int ms) { m_fileInterval = ms; }

    QString dataId() const { return m_dataId; }
    QString taskId() const { return m_taskId; }
    bool isSending() const;
    bool audioAttached() const { return m_audioAttached; }
    int queuedFrames() const { return int(m_frames.size()); }
    // Whether the last recognize-result closed its sentence (a result carries
    // one sentence, still changing until it is closed).
    bool lastSentenceEnded() const { return m_lastSentenceEnded; }

    // The request bodies, as sent.
    static QJsonObject createTaskBody(const QString &appId, const QString &format, int sampleRate,
                                      const QString &phraseId,
                                      const QJsonObject &customParameters);
    // 16 lower-case hexadecimal characters of value, padded with "0".
    static QString makeTaskId(quint32 value);
    // The PCM of a WAV file's data chunk; other bytes are taken as they are.
    static QByteArray audioFromFile(const QByteArray &file);

signals:
    void meetingResultBlock(bool check, QString message, AliyunMeetingApi::MeetingResultType type);

public slots:
    void sendPcmToAliyun(const QByteArray &chunk);

private slots:
    void onConnected();
    void onDisconnected();
    void onTextMessageReceived(const QString &message);
    void onBinaryMessageReceived(const QByteArray &message);
    void onError(QAbstractSocket::SocketError error);
    void SendAudioMsgs();

private:
    enum class Stream {
        Idle,          // no meeting streams
        FetchingToken,
        Connecting,    // socket opening; run-task goes out once connected
        Started,       // run-task sent, waiting for speech-listen
        Listening,     // audio goes out every 100 ms
        Reconnecting,  // the connection broke; waiting before the next attempt
        Ended,         // speech-end, task-failed or given up
    };

    void onCreateTaskReply(const HttpResult &reply, const QByteArray &requestBody,
                           const Callback &callback);
    void onFinishTaskReply(const HttpResult &reply, const Callback &callback);
    void onGetTaskReply(const HttpResult &reply, const Callback &callback);

    void post(const QString &path, const QByteArray &body, const QString &apiKey,
              std::function<void(const HttpResult &)> done);
    void fetchWsToken();
    void onWsToken(const HttpResult &reply, quint64 generation);
    void connectWebSocket();
    void sendRunTask();
    void sendFinishTask();
    void sendAudioData(const QByteArray &frame);
    void sendAudioFileStream();
    void handleEvent(const QJsonObject &message);

    void attachAudio();
    void detachAudio();
    void pushFrame(const QByteArray &frame);
    void stopStream();
    void closeSocket();
    void connectionLost(const QString &why);
    void scheduleReconnect(const QString &why);
    bool finalFinishSent() const { return m_end && m_finishSentAfterDrain; }
    void report(const Callback &callback, bool check, const QString &message,
                MeetingResultType type);
    void reportStream(bool check, const QString &message, MeetingResultType type);

    QWebSocket *m_socket;
    QString m_appId;
    QString m_dataId;
    QString m_apiKey;
    QString m_taskId;
    QString m_wsToken;
    Callback m_callback;
    bool m_end = false;
    bool m_fileMode = false;
    QString m_filePath;
    int m_frameSize = kFrameSize;
    int m_fileInterval = kFileIntervalMs;
    QPointer<QObject> m_audioSource;
    QByteArray m_audioSignal;
    bool m_audioAttached = false;
    std::deque<QByteArray> m_frames;
    qint64 m_queuedBytes = 0;
    QByteArray m_pendingAudio;
    QTimer *m_sendTimer;

    Stream m_stream = Stream::Idle;
    // Bumped whenever a stream starts or stops, so that a token reply of an
    // earlier stream is recognised as stale.
    quint64 m_generation = 0;
    bool m_finishSentAfterDrain = false;
    bool m_closing = false;  // this client closes the socket itself
    bool m_everListened = false;
    bool m_lastSentenceEnded = false;
    int m_reconnectAttempt = 0;
    QVector<int> m_reconnectDelays{1000, 2000, 4000};
    QTimer *m_reconnectTimer;
    QTimer *m_listenTimer;
};

// Registers the type under the name queued connections look up; safe to
// call more than once.
void registerMeetingResultType();
