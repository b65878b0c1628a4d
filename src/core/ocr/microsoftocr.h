#pragma once

#include "core/ocr/cloudocr.h"

// Text recognition through the Azure OCR service (API 3.2): the PNG goes up
// as the raw body, the subscription key in a header, the language is
// detected by the service. App id and secret are not used.
class MicrosoftOCR : public CloudOCR
{
    Q_OBJECT
public:
    MicrosoftOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
                 QObject *parent = nullptr);

    void performOCR() override;
};
