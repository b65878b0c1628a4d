#pragma once

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
class XFYunWebApiDomestic : public QObject
{
    Q_OBJECT
public:
    using ResultCallback = std::function<void(bool, QString, PXASRResultType)>;

    static constexpr int kFrameBytes = 960;  // 30 ms of audio
    static constexpr int kSendIntervalMs = 25;
    static constexpr int kSessionFrameLimit = 2500;

    explicit XFYunWebApiDomestic(QObject *parent = nullptr);
    ~XFYunWebApiDomestic() override;

    void beginAsr(const QString &language, ResultCallback callback, bool longAudio);
    void endAsr(bool unused = false);

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
    QString m_complete;
    QString m_fixResult;
    QString m_completeNoFix;
    bool m_secondConnection = false;
    int m_ptt = 1;
    QPointer<QObject> m_audioSource;
    QByteArray m_audioSignal;
    std::deque<QByteArray> m_frames;
    int m_sentFrames = 0;
    QString m_longAudioUrl;
    QTimer *m_sendTimer;
    QByteArray m_pendingAudio;
    QElapsedTimer m_sinceLastFrame;

    int m_sessionFrameLimit = kSessionFrameLimit;
    // Set while this client itself closes a finished connection to open the
    // next one, so that close is not taken for the end of the dictation.
    bool m_reopening = false;
    // Set when a result message started a fresh connection.
    bool m_reauthenticated = false;
};
