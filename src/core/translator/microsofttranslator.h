#pragma once

#include "core/translator/cloudtranslator.h"

#include <optional>

// Text translation through the Microsoft service (REST API 3.0). The source
// language is detected by the service; the key goes in a header.
class MicrosoftTranslator : public CloudTranslator
{
    Q_OBJECT
public:
    MicrosoftTranslator(const QString &appId, const QString &apiKey, const QString &apiSecret,
                        QObject *parent = nullptr);

    void translate(const QString &text, const QString &from, const QString &to) override;

    // The translated text of an answer: the texts of every "translations"
    // entry joined, or data.result.trans_result.dst of an object answer.
    // Nothing when the answer has neither shape.
    static std::optional<QString> analysisMTFromNet(const QByteArray &body, QString *why = nullptr);
};
