#pragma once

#include "core/speech/pxasrresulttype.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstddef>
#include <map>
#include <random>
#include <string>

class QWebSocket;

// Streams the mouse's PCM audio (16 kHz, 16-bit, mono) to the cloud
// real-time recognition service used for the Chinese dialects and
// Indonesian, over a secure WebSocket whose URL is signed with HMAC-SHA1.
// Runs on the GUI thread.
//
// Results leave through asrResult in the shared vocabulary: Continue or
// Confirm with the current sentence, ShowText with every sentence so far,
// and one Finish with the whole text when the session ends. A session that
// ends any other way (refused, service error code, dropped connection)
// sends an Error with a short reason first and still ends with Finish.
class TencentCloudSpeech : public QObject
{
    Q_OBJECT
public:
    // Signed URLs stay valid this long; the service checks it at connect time.
    static constexpr int kExpirySeconds = 5184000;  // 60 days
    static constexpr unsigned long long kMaxNonce = 9999999999ULL;

    explicit TencentCloudSpeech(QObject *parent = nullptr);
    ~TencentCloudSpeech() override;

    // The socket belongs to the caller; its signals are connected here.
    void setSocket(QWebSocket *socket);
    void setAppId(const QString &appId);
    void setSecretId(const QString &secretId);
    void setSecretKey(const QString &secretKey);
    QString appIdPart() const { return m_appIdPart; }

    void openAsr(const QString &engine);
    void finishAsr();
    // Ends an open session at once, delivering what it recognised so far.
    void cancelAsr();
    bool isActive() const { return m_state != State::Idle; }

    // The signed URL without its scheme:
    // "<host[:port]>/<path>/<app id>?<sorted query>&signature=<percent-encoded>".
    // Empty when the signature could not be made or no endpoint is set.
    QString encodeEncrypt(const QString &engine);

    // HMAC-SHA1 through OpenSSL's EVP interface; the digest length, or -1.
    static int hmac_sha1(const unsigned char *key, std::size_t keyLength,
                         const unsigned char *data, std::size_t dataLength,
                         unsigned char *out);

signals:
    void asrResult(bool suc, QString txt, PXASRResultType type);

public slots:
    void sendAudio(const QByteArray &pcm);

private slots:
    void onConnected();
    void onDisConnected();
    void onTextMessageReceived(const QString &message);
    void onBinaryMessageReceived(const QByteArray &message);
    void onError(QAbstractSocket::SocketError error);

private:
    enum class State {
        Idle,        // no session
        Connecting,  // opened, handshake running
        Streaming,   // audio goes out as it arrives
        Ending,      // the end message went; waiting for the final result
    };

    void endSession();
    void failSession(const QString &userMessage, const QString &logReason);
    void closeQuietly();
    QString fullText() const;
    void result(const QString &text, PXASRResultType type);

    std::string m_urlPrefix;  // "<host[:port]>/<path>/", refreshed per connection
    std::map<std::string, std::string> m_parameters;
    QString m_appIdPart;
    QPointer<QWebSocket> m_socket;
    bool m_end = false;
    QString m_secretId;
    QString m_secretKey;

    State m_state = State::Idle;
    // Sentence index -> its latest text, for ShowText and Finish.
    QMap<int, QString> m_sentences;
    std::mt19937_64 m_random;
    // Set while this client closes a socket itself, so that close is not
    // mistaken for the service going away.
    bool m_closing = false;
};
