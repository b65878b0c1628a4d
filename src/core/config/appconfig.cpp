#include "core/config/appconfig.h"

#include <QJsonDocument>
#include <QJsonObject>

AppConfig::AppConfig(QObject *parent) : QObject(parent) {}

bool AppConfig::loadFromJson(const QByteArray &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (doc.isNull())
        return false;
    // An array document reads as an empty object: every member empties.
    const QJsonObject o = doc.object();
    m_iatAppId = o.value(QLatin1String("iat_appid")).toString();
    m_iatAppKey = o.value(QLatin1String("iat_appkey")).toString();
    m_iatAppSecret = o.value(QLatin1String("iat_appsecret")).toString();
    m_otsAppId = o.value(QLatin1String("ots_appid")).toString();
    m_otsAppKey = o.value(QLatin1String("ots_appkey")).toString();
    m_otsAppSecret = o.value(QLatin1String("ots_appsecret")).toString();
    m_ocrAppId = o.value(QLatin1String("ocr_appid")).toString();
    m_ocrAppKey = o.value(QLatin1String("ocr_appkey")).toString();
    m_ocrAppSecret = o.value(QLatin1String("ocr_appsecret")).toString();
    m_cnUrlStr = o.value(QLatin1String("cn_urlstr")).toString();
    m_intIatAppId = o.value(QLatin1String("int_iat_appid")).toString();
    m_intIatAppKey = o.value(QLatin1String("int_iat_appkey")).toString();
    m_intIatAppSecret = o.value(QLatin1String("int_iat_appsecret")).toString();
    m_intOtsAppId = o.value(QLatin1String("int_ots_appid")).toString();
    m_intOtsAppKey = o.value(QLatin1String("int_ots_appkey")).toString();
    m_intOtsAppSecret = o.value(QLatin1String("int_ots_appsecret")).toString();
    m_intOcrAppId = o.value(QLatin1String("int_ocr_appid")).toString();
    m_intOcrAppKey = o.value(QLatin1String("int_ocr_appkey")).toString();
    m_intOcrAppSecret = o.value(QLatin1String("int_ocr_appsecret")).toString();
    m_intUrlStr = o.value(QLatin1String("int_urlstr")).toString();
    m_azureTranslateKey = o.value(QLatin1String("azure_translate_key")).toString();
    m_azureTranslateUrl = o.value(QLatin1String("azure_translate_url")).toString();
    m_azureOcrKey = o.value(QLatin1String("azure_ocr_key")).toString();
    m_azureOcrUrl = o.value(QLatin1String("azure_ocr_url")).toString();
    m_tencentAsrSecretid = o.value(QLatin1String("tencent_asr_secretid")).toString();
    m_tencentAsrAppid = o.value(QLatin1String("tencent_asr_appid")).toString();
    m_tencentAsrSecretKey = o.value(QLatin1String("tencent_asr_secretkey")).toString();
    return true;
}
