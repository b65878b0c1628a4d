// The control center's side of the dialect and Indonesian recognition.

#include "funcontrolcenter.h"

#include "core/device/mousedevice.h"
#include "core/speech/tencentcloudspeech.h"

#include <QDebug>
#include <QWebSocket>

bool FunControlCenter::usesTencent(const QString &code)
{
    // Only that service knows these languages; the code is its engine model.
    return code == QLatin1String("16k_zh_dialect") || code == QLatin1String("16k_id");
}

void FunControlCenter::initTencent()
{
    auto *socket = new QWebSocket(QString(), QWebSocketProtocol::Version13, this);
    m_tencent = new TencentCloudSpeech(this);
    m_tencent->setSocket(socket);
    // Audio outside a session is dropped by the client itself.
    if (m_device)
        connect(m_device, &MouseDevice::onAudioData, m_tencent, &TencentCloudSpeech::sendAudio);
    connect(m_tencent, &TencentCloudSpeech::asrResult, this,
            &FunControlCenter::processingRecognitionResults);
}

void FunControlCenter::startTencent(const QString &code)
{
    qInfo() << "recognising" << code << "with the real-time service";
    m_tencent->openAsr(code);
    m_listening = true;
}

void FunControlCenter::applyTencentKeys()
{
    m_tencent->setAppId(m_config.tencentAsrAppid());
    m_tencent->setSecretKey(m_config.tencentAsrSecretKey());
    m_tencent->setSecretId(m_config.tencentAsrSecretid());
}
