#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class QIODevice;

// What became of one HTTP request: the body and status when the server
// answered, otherwise why nothing usable arrived.
struct HttpResult {
    enum class Outcome {
        Ok,             // 2xx
        HttpError,      // the server answered with another status
        TransferError,  // no complete answer: connection, TLS, time-out...
        Refused,        // not sent: bad URL, plain http to another host, unreadable file
    };

    Outcome outcome = Outcome::Refused;
    long status = 0;        // HTTP status, 0 when there was no answer
    int curlCode = 0;       // CURLcode of the transfer, 0 when it completed
    bool timedOut = false;  // the connect or total time-out ran out
    QByteArray body;        // what arrived, also for HttpError and partial transfers
    QString error;          // why it failed; never holds the query or credentials

    bool ok() const { return outcome == Outcome::Ok; }

    // What each kind of failure means to the user of one service.
    struct FailureTexts {
        QString notConfigured;  // not sent
        QString timedOut;
        QString unreachable;
        QString rejected;       // 401, 403
        QString tooMany;        // 429
        QString unavailable;    // any other status
    };
    // The text for this result's kind of failure; empty when it succeeded.
    QString failureText(const FailureTexts &texts) const;
};

// Limits and extra headers of one request.
struct HttpOptions {
    int connectTimeoutMs = 10000;
    int timeoutMs = 30000;  // the whole transfer
    QStringList headers;    // complete header lines, "Name: value"
};

// What became of a download: HttpResult's outcome, status and error (the
// body only holds an error page), and how much of what arrived.
struct DownloadResult : HttpResult {
    qint64 received = 0;    // bytes written to the device
    qint64 announced = -1;  // Content-Length, -1 when none was sent
    bool cancelled = false;
    bool writeFailed = false;  // the device refused bytes (disk full...)

    // Everything announced arrived and was written.
    bool complete() const { return ok() && (announced < 0 || received == announced); }
};

// A download may take long: no size cap, a total time-out meant for slow
// lines, and an abort when the transfer stalls.
struct DownloadOptions {
    int connectTimeoutMs = 10000;
    int timeoutMs = 2 * 60 * 60 * 1000;
    int lowSpeedBytesPerSecond = 1000;  // slower than this for lowSpeedSeconds aborts
    int lowSpeedSeconds = 60;
    QStringList headers;
    // Called on the downloading thread as bytes arrive; total is 0 until known.
    std::function<void(qint64 received, qint64 total)> progress;
    const std::atomic_bool *cancel = nullptr;  // set from any thread to stop
};

// Blocking HTTP helpers on libcurl. Safe to call from any thread (each call
// has its own handle); the process initialises libcurl once at start-up.
// TLS peer and host verification are always on, against the system CA
// store. Proxies come from the environment as curl reads them (http_proxy,
// https_proxy, no_proxy); loopback hosts are always reached directly.
class CurlWrapper
{
public:
    using Options = HttpOptions;
    // A (name, value) pair of a multipart form; "file" and "audio" name a
    // local file whose content is sent.
    using Field = QPair<QString, QString>;

    static HttpResult get(const QString &url, const Options &options = {});
    // A body without a Content-Type header goes as
    // application/x-www-form-urlencoded, as curl sends form fields.
    static HttpResult post(const QString &url, const QByteArray &body,
                           const Options &options = {});
    static HttpResult postMultiInterface(const QString &url, const QList<Field> &fields,
                                         const QStringList &headers,
                                         const Options &options = {});

    // Writes a 2xx answer's body to out as it arrives (an error page goes to
    // the result's body instead). Follows up to 5 redirects, to https only.
    static DownloadResult download(const QString &url, QIODevice *out,
                                   const DownloadOptions &options = {});

    // One more CA certificate file (PEM) trusted besides the system store.
    // Only tests set it, for their stand-in services' test CA.
    static void setExtraCaFile(const QString &path);
    static QString extraCaFile();

    // Answers larger than this are cut off as a transfer error.
    static constexpr qint64 kMaxBodyBytes = 32 * 1024 * 1024;

    // "https://host:port/path", without query or user info: what may be logged.
    static QString loggable(const QString &url);
};
