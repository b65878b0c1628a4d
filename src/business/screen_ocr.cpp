// FunControlCenter: text recognition of a screen capture, optionally translated.

#include "business/funcontrolcenter.h"

#include "core/config/endpoints.h"
#include "core/ocr/microsoftocr.h"
#include "core/ocr/xunfeiocr.h"
#include "core/setting/inifileinf.h"
#include "utils/app_paths.h"
#include "widget/capture/camainwindow.h"
#include "widget/tradialogue.h"

#include <QDebug>
#include <QTimer>

void FunControlCenter::initOcr()
{
    m_xunfeiOcr = new XunfeiOCR(BuiltInCredentials::ocrIflytekAppId(),
                                BuiltInCredentials::ocrIflytekApiKey(),
                                BuiltInCredentials::ocrIflytekApiSecret(), this);
    m_microsoftOcr = new MicrosoftOCR(QString(), BuiltInCredentials::ocrAzureKey(), QString(), this);
    for (CloudOCR *ocr : {static_cast<CloudOCR *>(m_xunfeiOcr), static_cast<CloudOCR *>(m_microsoftOcr)}) {
        connect(ocr, &CloudOCR::ocrFinished, this, &FunControlCenter::ocrArrived);
        connect(ocr, &CloudOCR::errorOccurred, this, &FunControlCenter::ocrFailed);
    }

    m_capture = std::make_unique<CaMainWindow>();
    connect(m_capture.get(), &CaMainWindow::onSignalsTransferButtonClicked, this,
            &FunControlCenter::ocrRequested);
    // Nothing was captured, so no scene started: the card says why under the OCR title.
    connect(m_capture.get(), &CaMainWindow::captureFailed, this,
            [this](const QString &message) { m_window->setShowOcrText(message, SENCE_OCR); });
}

void FunControlCenter::startScreenOcr()
{
    m_capture->startScreen();
}

void FunControlCenter::ocrRequested(int type)
{
    qDebug() << "ocr tpye： " << type;
    mSence = type == 2 ? SENCE_OCR : SENCE_OCR_TRA;
    const QString image = AppPaths::inDataDir(QStringLiteral("ocr.png"));
    m_xunfeiOcr->setImageFilePath(image);
    m_microsoftOcr->setImageFilePath(image);
    // The capture tool may still be writing the file and closing its window.
    QTimer::singleShot(kOcrStartDelayMs, this, [this] {
        if (IniFileInf::get_keydefine(QStringLiteral("country")) == QLatin1String("cn"))
            m_xunfeiOcr->performOCR();
        else
            m_microsoftOcr->performOCR();
    });
}

void FunControlCenter::ocrArrived(const QString &text)
{
    qDebug() << "OCR Result:" << text << "mSence： " << mSence;
    if (text.trimmed().isEmpty()) {
        // An empty card would look like a stale or broken window.
        emit ocrCallback(tr("未识别到文字"), mSence);
        finishLater();
        return;
    }
    emit ocrCallback(text, mSence);
    if (mSence == SENCE_OCR_TRA)
        translateText(text);
    else
        finishLater();
}

void FunControlCenter::ocrFailed(const QString &message)
{
    qWarning() << "OCR Error:" << message;
    // The OCR slot also sets the card's title and layout, which the capture
    // did not: the plain text slot would show it under the last voice scene.
    emit ocrCallback(message, mSence);
}
