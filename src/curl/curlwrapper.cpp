#include "curl/curlwrapper.h"

#include "core/config/endpoints.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

#include <curl/curl.h>

#include <memory>

namespace {

QMutex g_caMutex;
QString g_extraCaFile;

struct EasyDeleter {
    void operator()(CURL *h) const { curl_easy_cleanup(h); }
};
struct ListDeleter {
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};
struct MimeDeleter {
    void operator()(curl_mime *m) const { curl_mime_free(m); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;
using Mime = std::unique_ptr<curl_mime, MimeDeleter>;

struct Sink {
    QByteArray body;
    bool overflow = false;
};

size_t writeCallback(char *data, size_t size, size_t count, void *userdata)
{
    auto *sink = static_cast<Sink *>(userdata);
    const size_t bytes = size * count;
    if (sink->body.size() + qint64(bytes) > CurlWrapper::kMaxBodyBytes) {
        sink->overflow = true;
        return 0;  // makes curl stop with a write error
    }
    sink->body.append(data, int(bytes));
    return bytes;
}

HttpResult refused(const QString &why)
{
    HttpResult r;
    r.outcome = HttpResult::Outcome::Refused;
    r.error = why;
    return r;
}

// Checks the URL before anything is sent; on success sets loopback.
QString checkUrl(const QString &text, bool *loopback)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return QStringLiteral("not a valid absolute URL");
    *loopback = Endpoints::isLoopbackHost(url.host());
    if (url.scheme() == QLatin1String("https"))
        return QString();
    if (url.scheme() != QLatin1String("http"))
        return QStringLiteral("%1 is not an http(s) URL").arg(CurlWrapper::loggable(text));
    if (!*loopback)
        return QStringLiteral("%1 is not encrypted; only this machine is reached over plain http")
            .arg(CurlWrapper::loggable(text));
    return QString();
}

HeaderList headerList(const QStringList &lines)
{
    HeaderList list;
    // curl otherwise asks for "100 Continue" before larger bodies and waits.
    curl_slist *raw = curl_slist_append(nullptr, "Expect:");
    for (const QString &line : lines) {
        if (curl_slist *next = curl_slist_append(raw, line.toUtf8().constData()))
            raw = next;
    }
    list.reset(raw);
    return list;
}

// What every request shares: URL, verification, time-outs, proxy rule.
// curl copies the strings it is given.
void setShared(CURL *h, const QString &url, bool loopback, long connectTimeoutMs, long timeoutMs,
               curl_slist *headers, char *errorText)
{
    curl_easy_setopt(h, CURLOPT_URL, url.toUtf8().constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    // Time-outs must not rely on signals: calls run on worker threads.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray caFile = QFile::encodeName(CurlWrapper::extraCaFile());
    // The system CA directory stays in use beside this file.
    if (!caFile.isEmpty())
        curl_easy_setopt(h, CURLOPT_CAINFO, caFile.constData());
    if (loopback)
        curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
}

// Reads the outcome of a finished transfer into r; extra replaces curl's
// own reason when the caller knows better.
void readOutcome(CURL *h, CURLcode code, const char *errorText, const QString &extra, HttpResult &r)
{
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &r.status);
    if (code != CURLE_OK) {
        r.outcome = HttpResult::Outcome::TransferError;
        r.curlCode = int(code);
        r.timedOut = code == CURLE_OPERATION_TIMEDOUT;
        r.error = extra.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : extra;
        if (extra.isEmpty() && errorText[0])
            r.error += QStringLiteral(": ") + QString::fromUtf8(errorText).trimmed();
    } else if (r.status >= 200 && r.status < 300) {
        r.outcome = HttpResult::Outcome::Ok;
    } else {
        r.outcome = HttpResult::Outcome::HttpError;
        r.error = QStringLiteral("HTTP status %1").arg(r.status);
    }
}

// Performs a request set up by the caller and reads the outcome.
HttpResult perform(CURL *h, const QString &url, bool loopback, const CurlWrapper::Options &options,
                   curl_slist *headers)
{
    Sink sink;
    char errorText[CURL_ERROR_SIZE] = {};
    setShared(h, url, loopback, options.connectTimeoutMs, options.timeoutMs, headers, errorText);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeCallback);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);

    const CURLcode code = curl_easy_perform(h);
    HttpResult r;
    r.body = sink.body;
    readOutcome(h, code, errorText,
                sink.overflow ? QStringLiteral("answer larger than %1 bytes").arg(CurlWrapper::kMaxBodyBytes)
                              : QString(),
                r);
    if (!r.ok())
        qWarning().noquote() << "HTTP request to" << CurlWrapper::loggable(url) << "failed:" << r.error;
    return r;
}

struct DownloadSink {
    CURL *handle;
    QIODevice *out;
    const DownloadOptions *options;
    qint64 received = 0;
    QByteArray errorPage;  // a non-2xx answer's body, kept small
    QString writeError;
    bool cancelled = false;
};

bool cancelRequested(const DownloadSink *sink)
{
    return sink->options->cancel && sink->options->cancel->load();
}

size_t downloadWrite(char *data, size_t size, size_t count, void *userdata)
{
    auto *sink = static_cast<DownloadSink *>(userdata);
    const qint64 bytes = qint64(size * count);
    long status = 0;
    curl_easy_getinfo(sink->handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status >= 300) {
        // An error page never lands in the file.
        sink->errorPage.append(data, int(qMin<qint64>(bytes, 4096 - sink->errorPage.size())));
        return size_t(bytes);
    }
    if (cancelRequested(sink)) {
        sink->cancelled = true;
        return 0;
    }
    const qint64 written = sink->out->write(data, bytes);
    if (written != bytes) {
        sink->writeError = sink->out->errorString();
        if (sink->writeError.isEmpty())
            sink->writeError = QStringLiteral("short write");
        return 0;  // makes curl stop with a write error
    }
    sink->received += bytes;
    // Here rather than in curl's progress callback, which may only come
    // round after many reads.
    if (sink->options->progress) {
        curl_off_t total = -1;
        curl_easy_getinfo(sink->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
        sink->options->progress(sink->received, total > 0 ? qint64(total) : 0);
    }
    return size_t(bytes);
}

// Also runs while nothing arrives, so a stalled transfer can be cancelled.
int downloadProgress(void *userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto *sink = static_cast<DownloadSink *>(userdata);
    if (!cancelRequested(sink))
        return 0;
    sink->cancelled = true;
    return 1;  // aborts the transfer
}

}  // namespace

void CurlWrapper::setExtraCaFile(const QString &path)
{
    QMutexLocker lock(&g_caMutex);
    g_extraCaFile = path;
}

QString CurlWrapper::extraCaFile()
{
    QMutexLocker lock(&g_caMutex);
    return g_extraCaFile;
}

QString CurlWrapper::loggable(const QString &url)
{
    return QUrl(url).adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo)
        .toString();
}

HttpResult CurlWrapper::get(const QString &url, const Options &options)
{
    bool loopback = false;
    const QString bad = checkUrl(url, &loopback);
    if (!bad.isEmpty())
        return refused(bad);
    Easy h(curl_easy_init());
    if (!h)
        return refused(QStringLiteral("no transfer handle"));
    const HeaderList headers = headerList(options.headers);
    curl_easy_setopt(h.get(), CURLOPT_HTTPGET, 1L);
    return perform(h.get(), url, loopback, options, headers.get());
}

HttpResult CurlWrapper::post(const QString &url, const QByteArray &body, const Options &options)
{
    bool loopback = false;
    const QString bad = checkUrl(url, &loopback);
    if (!bad.isEmpty())
        return refused(bad);
    Easy h(curl_easy_init());
    if (!h)
        return refused(QStringLiteral("no transfer handle"));
    const HeaderList headers = headerList(options.headers);
    curl_easy_setopt(h.get(), CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    curl_easy_setopt(h.get(), CURLOPT_COPYPOSTFIELDS, body.constData());
    return perform(h.get(), url, loopback, options, headers.get());
}

HttpResult CurlWrapper::postMultiInterface(const QString &url, const QList<Field> &fields,
                                           const QStringList &headerLines, const Options &options)
{
    bool loopback = false;
    const QString bad = checkUrl(url, &loopback);
    if (!bad.isEmpty())
        return refused(bad);
    Easy h(curl_easy_init());
    if (!h)
        return refused(QStringLiteral("no transfer handle"));
    Mime form(curl_mime_init(h.get()));
    for (const Field &field : fields) {
        curl_mimepart *part = curl_mime_addpart(form.get());
        curl_mime_name(part, field.first.toUtf8().constData());
        if (field.first == QLatin1String("file") || field.first == QLatin1String("audio")) {
            qDebug() << "uploading file" << field.second;
            const QFileInfo file(field.second);
            // Better said now than as a half-sent form.
            if (!file.isFile() || !file.isReadable())
                return refused(QStringLiteral("cannot read %1").arg(field.second));
            curl_mime_filedata(part, QFile::encodeName(field.second).constData());
        } else {
            const QByteArray value = field.second.toUtf8();
            curl_mime_data(part, value.constData(), size_t(value.size()));
        }
    }
    const HeaderList headers = headerList(headerLines);
    curl_easy_setopt(h.get(), CURLOPT_MIMEPOST, form.get());
    return perform(h.get(), url, loopback, options, headers.get());
}

DownloadResult CurlWrapper::download(const QString &url, QIODevice *out,
                                     const DownloadOptions &options)
{
    DownloadResult r;
    bool loopback = false;
    const QString bad = checkUrl(url, &loopback);
    if (!bad.isEmpty()) {
        r.error = bad;
        return r;
    }
    if (!out || !out->isWritable()) {
        r.error = QStringLiteral("nothing to write the download to");
        return r;
    }
    Easy h(curl_easy_init());
    if (!h) {
        r.error = QStringLiteral("no transfer handle");
        return r;
    }
    DownloadSink sink{h.get(), out, &options};
    char errorText[CURL_ERROR_SIZE] = {};
    const HeaderList headers = headerList(options.headers);
    setShared(h.get(), url, loopback, options.connectTimeoutMs, options.timeoutMs, headers.get(),
              errorText);
    curl_easy_setopt(h.get(), CURLOPT_HTTPGET, 1L);
    // Download hosts hand over to mirrors; never from https down to http.
    curl_easy_setopt(h.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h.get(), CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h.get(), CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(h.get(), CURLOPT_LOW_SPEED_LIMIT, long(options.lowSpeedBytesPerSecond));
    curl_easy_setopt(h.get(), CURLOPT_LOW_SPEED_TIME, long(options.lowSpeedSeconds));
    curl_easy_setopt(h.get(), CURLOPT_WRITEFUNCTION, downloadWrite);
    curl_easy_setopt(h.get(), CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(h.get(), CURLOPT_XFERINFOFUNCTION, downloadProgress);
    curl_easy_setopt(h.get(), CURLOPT_XFERINFODATA, &sink);
    curl_easy_setopt(h.get(), CURLOPT_NOPROGRESS, 0L);

    const CURLcode code = curl_easy_perform(h.get());
    r.cancelled = sink.cancelled;
    r.writeFailed = !sink.writeError.isEmpty();
    QString why;
    if (r.writeFailed)
        why = QStringLiteral("cannot write the download: ") + sink.writeError;
    else if (r.cancelled)
        why = QStringLiteral("cancelled");
    readOutcome(h.get(), code, errorText, why, r);
    r.body = sink.errorPage;
    r.received = sink.received;
    curl_off_t length = -1;
    if (curl_easy_getinfo(h.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK)
        r.announced = qint64(length);
    if (!r.ok() && !r.cancelled)
        qWarning().noquote() << "download from" << loggable(url) << "failed:" << r.error;
    return r;
}

QString HttpResult::failureText(const FailureTexts &texts) const
{
    switch (outcome) {
    case Outcome::Ok:
        return QString();
    case Outcome::Refused:
        return texts.notConfigured;
    case Outcome::TransferError:
        return timedOut ? texts.timedOut : texts.unreachable;
    case Outcome::HttpError:
        break;
    }
    if (status == 401 || status == 403)
        return texts.rejected;
    if (status == 429)
        return texts.tooMany;
    return texts.unavailable;
}
