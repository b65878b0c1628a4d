#pragma once

#include "core/speech/dictation_transcript.h"
#include "core/speech/pxasrresulttype.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>

class QTimer;
class QWebSocket;

// Streams the mouse's voice audio (16 kHz, 16-bit, mono PCM) to the streaming
// dictation service over a secure WebSocket and turns its incremental results
// into PXASRResultType events on mAudioResultBlock. Runs on the GUI thread.
//
// Every dictation ends with exactly one final event, however it ends: Finish
// with everything recognised (LongAudioEnd for a long dictation). When it
// ends abnormally (dropped connection, service error, refused signature) an
// Error with the real reason comes first and Finish then carries what was
// recognised up to that point, possibly nothing.
class XFYunWebApiDomestic : public QObject
{
    Q_OBJECT
public:
    using ResultCallback = std::function<void(bool, QString, PXASRResultType)>;

    static constexpr int kFrameBytes = 960;  // 30 ms of audio
    static constexpr int kSendIntervalMs = 25;
    // Closest two frames may follow each other once the backlog is sent.
    static constexpr int kLiveMinGapMs = 10;
    static constexpr int kSessionFrameLimit = 2500;
    // Long dictation: failed reconnections wait 250 ms, doubling up to 8 s;
    // the user is told after this many in a row.
    static constexpr int kFirstRetryMs = 250;
    static constexpr int kMaxRetryMs = 8000;
    static constexpr int kFailuresBeforeNotice = 3;

    explicit XFYunWebApiDomestic(QObject *parent = nullptr);
    ~XFYunWebApiDomestic() override;

    void beginAsr(const QString &language, ResultCallback callback, bool longAudio);
    void endAsr(bool unused = false);
    // Ends a running dictation at once, delivering what it recognised so far
    // as its final result; nothing happens when none runs.
    void cancelAsr();
    bool isActive() const { return m_active; }

    void setAppId(const QString &value);
    void setApiKey(const QString &value);
    void setApiSecret(const QString &value);
    void setIntAppId(const QString &value);
    void setIntApiKey(const QString &value);
    void setIntApiSecret(const QString &value);
    void setRegion(const QString &value);
    void setPtt(int value);
    void resetFlags();

    // The object whose signal carries audio (the mouse's onAudioData). It is
    // connected to sendPcmToXunfei while a dictation runs and released when
    // the dictation ends, so audio outside a dictation is not queued.
    void setAudioSource(QObject *source, const char *audioSignal);

    // Timer-sent frames after which a long dictation renews its session.
    void setSessionFrameLimit(int frames);
    // How fast a backlog drains (kSendIntervalMs by default); a faster pace
    // lets long recordings be replayed quickly.
    void setSendInterval(int ms);

signals:
    void mAudioResultBlock(bool check, QString message, PXASRResultType type);

public slots:
    void sendPcmToXunfei(const QByteArray &audio);

private slots:
    void onConnected();
    void onDisconnected();
    void onTextMessageReceived(const QString &message);
    void onBinaryMessageReceived(const QByteArray &message);
    void onError(QAbstractSocket::SocketError error);
    void SendAudioMgs();

private:
    void requestWebSocket();
    void scheduleSend();
    void sendNextFrame();
    void sendFrame(int status, const QByteArray &audio);
    void sendFirstFrameWithData(const QByteArray &audio);
    void sendMiddleFrameWithData(const QByteArray &audio);
    void sendLastFrameWithData(const QByteArray &audio);
    void sendJson(const QJsonObject &frame, const char *what, int bytes);
    void resultDictionary(const QJsonObject &object);
    void dynamicCorrectionResultsWith(const QJsonObject &result, const QString &text, bool isLast,
                                      int sn, int status);
    void noDynamicCorrectionResultsWith(const QJsonObject &result, const QString &text,
                                        bool isLast, int sn);
    void requestingIFlytekAuthenticationAgain();
    void sessionFinished();
    void fail(const QString &reason);
    void connectionEnded();
    void reconnectLater();
    void finishDictation();
    void closeSocket();
    QString fullText() const;
    QString closedReason() const;
    void attachAudio();
    void detachAudio();
    void result(const QString &message, PXASRResultType type);
    QString nothingSaid() const;

    QWebSocket *m_socket;
    QString m_language;
    ResultCallback m_callback;
    int m_frameStatus = 0;
    bool m_end = false;
    QString m_appId, m_apiSecret, m_apiKey;
    QString m_domesticAppId, m_domesticApiSecret, m_domesticApiKey;
    QString m_intAppId, m_intApiSecret, m_intApiKey;
    QString m_region = QStringLiteral("cn");
    // This connection's results, and in a long dictation the text of the
    // sessions before it.
    DictationTranscript m_transcript;
    QString m_earlierSessions;
    bool m_secondConnection = false;
    int m_ptt = 1;
    QPointer<QObject> m_audioSource;
    QByteArray m_audioSignal;
    std::deque<QByteArray> m_frames;
    int m_sentFrames = 0;
    QString m_longAudioUrl;
    // Single-shot, armed for the moment the next frame may go. A frame that
    // is due goes out at once instead of waiting for a free-running tick.
    QTimer *m_sendTimer;
    QTimer *m_reconnectTimer;
    QByteArray m_pendingAudio;
    QElapsedTimer m_sinceLastFrame;
    bool m_caughtUp = false;  // the queue was empty after the last send

    int m_sessionFrameLimit = kSessionFrameLimit;
    int m_sendIntervalMs = kSendIntervalMs;
    // A dictation runs from beginAsr to its final event.
    bool m_active = false;
    // Per connection: its final result arrived; why it failed; its end was handled.
    bool m_finalReceived = false;
    QString m_failure;
    bool m_failureShown = false;
    bool m_connectionDone = true;
    int m_consecutiveFailures = 0;
    bool m_failureReported = false;
    // Set while this client itself closes a connection to open the next one,
    // so that close is not taken for the end of the dictation.
    bool m_reopening = false;
    // Set when a result message started a fresh connection.
    bool m_reauthenticated = false;
};
