#pragma once

#include "fakes/http_server.h"

#include <QHash>
#include <QStringList>
#include <QUrlQuery>

// Stand-ins for the log upload: the management server's token route (POST
// /api/package/uploadToken, form fields "filename" and "path") and the object
// storage's form upload, which stores a file only under its token's key.
class UploadServers
{
public:
    enum class TokenAnswer { Token, Html, NoToken };
    struct Upload {
        QStringList fieldNames;  // in the order sent
        QString token, key, fileName;
        QByteArray bytes;  // of the "file" part
    };

    UploadServers();
    bool listen() { return m_management.listen() && m_storage.listen(); }
    QString managementUrl() const { return m_management.baseUrl(); }
    QString storageUrl() const { return m_storage.baseUrl() + QStringLiteral("/"); }

    void setTokenAnswer(TokenAnswer answer) { QMutexLocker l(&m_mutex); m_tokenAnswer = answer; }
    // From the upload with this index on, the storage answers without "hash".
    void answerWithoutHashFrom(int index) { QMutexLocker l(&m_mutex); m_noHashFrom = index; }
    QList<QUrlQuery> tokenRequests() const { QMutexLocker l(&m_mutex); return m_tokenRequests; }
    QVector<Upload> uploads() const { QMutexLocker l(&m_mutex); return m_uploads; }

private:
    HttpServer::Response issueToken(const HttpServer::Request &request);
    HttpServer::Response storeFile(const HttpServer::Request &request);

    HttpServer m_management, m_storage;
    mutable QMutex m_mutex;
    TokenAnswer m_tokenAnswer = TokenAnswer::Token;
    int m_noHashFrom = -1;
    QHash<QString, QString> m_issued;  // token -> key
    QList<QUrlQuery> m_tokenRequests;
    QVector<Upload> m_uploads;
};
