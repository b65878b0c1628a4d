#pragma once

#include "fakes/http_server.h"

#include <QHash>
#include <QMutex>
#include <QStringList>
#include <QUrlQuery>
#include <QVector>

// Local stand-ins for the log upload: the management server's token route
// (POST /api/package/uploadToken with the form fields "filename" and "path")
// and the object storage's form upload (a multipart POST of "token", "file"
// and "key"), which stores a file only under the key its token was issued for.
class UploadServers
{
public:
    enum class TokenAnswer { Token, Html, NoToken };
    struct Upload {
        QStringList fieldNames;  // in the order sent
        QString token;
        QString key;
        QString fileName;  // of the "file" part
        QByteArray bytes;  // its content
    };

    UploadServers();
    bool listen() { return m_management.listen() && m_storage.listen(); }
    QString managementUrl() const { return m_management.baseUrl(); }
    QString storageUrl() const { return m_storage.baseUrl() + QStringLiteral("/"); }

    void setTokenAnswer(TokenAnswer answer);
    // From the upload with this index on, the storage answers without "hash".
    void answerWithoutHashFrom(int index);

    QList<QUrlQuery> tokenRequests() const;  // the forms, in order
    QVector<Upload> uploads() const;          // every form upload, stored or not

private:
    HttpServer::Response issueToken(const HttpServer::Request &request);
    HttpServer::Response storeFile(const HttpServer::Request &request);

    HttpServer m_management;
    HttpServer m_storage;
    mutable QMutex m_mutex;
    TokenAnswer m_tokenAnswer = TokenAnswer::Token;
    int m_noHashFrom = -1;
    QHash<QString, QString> m_issued;  // token -> key
    QList<QUrlQuery> m_tokenRequests;
    QVector<Upload> m_uploads;
};
