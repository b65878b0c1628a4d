#pragma once

#include "core/translator/cloudtranslator.h"

#include <QDateTime>

#include <functional>
#include <optional>

// Text translation through the iFlytek service ("/v2/ots"): every request
// is signed with the API secret over its host, date and body digest.
class XunFeiTranslator : public CloudTranslator
{
    Q_OBJECT
public:
    XunFeiTranslator(const QString &appId, const QString &apiKey, const QString &apiSecret,
                     QObject *parent = nullptr);

    void translate(const QString &text, const QString &from, const QString &to) override;

    // data.result.trans_result.dst of an answer; nothing for an answer
    // without it (a service error carries code and message instead).
    static std::optional<QString> readAnswer(const QByteArray &body, QString *why = nullptr);

    // The signed date comes from here; the service refuses a skewed one.
    void setClock(std::function<QDateTime()> utcNow) { m_clock = std::move(utcNow); }

private:
    std::function<QDateTime()> m_clock;
};
