#include "curl/curlwrapper.h"

#include "core/config/endpoints.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
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

// Sets what every request shares, performs it and reads the outcome.
HttpResult perform(CURL *h, const QString &url, bool loopback, const CurlWrapper::Options &options,
                   curl_slist *headers)
{
    Sink sink;
    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = url.toUtf8();
    curl_easy_setopt(h, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    // Time-outs must not rely on signals: calls run on worker threads.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(options.connectTimeoutMs));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, long(options.timeoutMs));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray caFile = QFile::encodeName(CurlWrapper::extraCaFile());
    // The system CA directory stays in use beside this file.
    if (!caFile.isEmpty())
        curl_easy_setopt(h, CURLOPT_CAINFO, caFile.constData());
    if (loopback)
        curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeCallback);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(h);
    HttpResult r;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &r.status);
    r.body = sink.body;
    if (code != CURLE_OK) {
        r.outcome = HttpResult::Outcome::TransferError;
        r.curlCode = int(code);
        r.timedOut = code == CURLE_OPERATION_TIMEDOUT;
        r.error = sink.overflow ? QStringLiteral("answer larger than %1 bytes").arg(CurlWrapper::kMaxBodyBytes)
                                : QString::fromUtf8(curl_easy_strerror(code));
        if (!sink.overflow && errorText[0])
            r.error += QStringLiteral(": ") + QString::fromUtf8(errorText).trimmed();
    } else if (r.status >= 200 && r.status < 300) {
        r.outcome = HttpResult::Outcome::Ok;
    } else {
        r.outcome = HttpResult::Outcome::HttpError;
        r.error = QStringLiteral("HTTP status %1").arg(r.status);
    }
    if (!r.ok())
        qWarning().noquote() << "HTTP request to" << CurlWrapper::loggable(url) << "failed:" << r.error;
    return r;
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
