#pragma once

#include "fakes/http_server.h"

#include <QString>
#include <QStringList>

// A local stand-in for the management server's meeting summary route:
// POST /api/content/v1/meeting_summary with a multipart field
// "meeting_content"; answers an HTML summary of it, or fails on demand.
class SummaryServer
{
public:
    enum class Answer { Summary, Status500, Hang };

    SummaryServer();
    bool listen() { return m_http.listen(); }
    QString url() const { return m_http.baseUrl(); }  // the management server's base URL

    void setAnswer(Answer answer);
    // The body answered with Answer::Summary; "%1" becomes the escaped content.
    void setSummaryTemplate(const QString &html);
    void dropConnections() { m_http.dropConnections(); }
    // Every meeting_content received, in order.
    QStringList contents() const;

    static QString contentField(const HttpServer::Request &request);

private:
    HttpServer m_http;
    mutable QMutex m_mutex;
    Answer m_answer = Answer::Summary;
    QString m_template = QStringLiteral("<h2>Summary</h2><p>%1</p>");
};
