#include "fakes/summary_server.h"

#include <QMutexLocker>

SummaryServer::SummaryServer()
{
    m_http.setHandler([this](const HttpServer::Request &request) {
        HttpServer::Response response;
        QMutexLocker lock(&m_mutex);
        if (request.method != "POST" || request.target != "/api/content/v1/meeting_summary"
            || !request.header("content-type").startsWith("multipart/form-data")) {
            response.status = 404;
            response.body = "<html><body>not found</body></html>";
            return response;
        }
        const QString content = contentField(request);
        if (content.isNull()) {
            response.status = 400;
            response.body = "{\"error\":\"meeting_content missing\"}";
            return response;
        }
        switch (m_answer) {
        case Answer::Summary:
            response.contentType = "text/html; charset=utf-8";
            response.body = m_template.arg(content.toHtmlEscaped()).toUtf8();
            break;
        case Answer::Status500:
            response.status = 500;
            response.contentType = "text/html";
            response.body = "<html><body><h1>500 Internal Server Error</h1></body></html>";
            break;
        case Answer::Hang:
            response.hang = true;
            break;
        }
        return response;
    });
}

void SummaryServer::setAnswer(Answer answer)
{
    QMutexLocker lock(&m_mutex);
    m_answer = answer;
}

void SummaryServer::setSummaryTemplate(const QString &html)
{
    QMutexLocker lock(&m_mutex);
    m_template = html;
}

QStringList SummaryServer::contents() const
{
    QStringList out;
    for (const auto &request : m_http.requests())
        out << contentField(request);
    return out;
}

// The value of the part named "meeting_content", or a null string.
QString SummaryServer::contentField(const HttpServer::Request &request)
{
    const QByteArray type = request.header("content-type");
    const int b = type.indexOf("boundary=");
    if (b < 0)
        return QString();
    const QByteArray boundary = "--" + type.mid(b + 9).trimmed();
    int at = 0;
    while ((at = request.body.indexOf(boundary, at)) >= 0) {
        at += boundary.size();
        const int headersEnd = request.body.indexOf("\r\n\r\n", at);
        if (headersEnd < 0)
            break;
        const QByteArray headers = request.body.mid(at, headersEnd - at);
        const int end = request.body.indexOf("\r\n" + boundary, headersEnd + 4);
        if (end < 0)
            break;
        if (headers.contains("name=\"meeting_content\""))
            return QString::fromUtf8(request.body.mid(headersEnd + 4, end - headersEnd - 4));
        at = end;
    }
    return QString();
}
