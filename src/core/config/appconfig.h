#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The cloud credentials delivered by the key service, as parsed from its
// payload. Memory only; every member starts empty. The clients get their
// credentials through their own setters, this record only holds them.
class AppConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString iatAppId READ iatAppId)
    Q_PROPERTY(QString iatAppKey READ iatAppKey)
    Q_PROPERTY(QString iatAppSecret READ iatAppSecret)
    Q_PROPERTY(QString otsAppId READ otsAppId)
    Q_PROPERTY(QString otsAppKey READ otsAppKey)
    Q_PROPERTY(QString otsAppSecret READ otsAppSecret)
    Q_PROPERTY(QString ocrAppId READ ocrAppId)
    Q_PROPERTY(QString ocrAppKey READ ocrAppKey)
    Q_PROPERTY(QString ocrAppSecret READ ocrAppSecret)
    Q_PROPERTY(QString cnUrlStr READ cnUrlStr)
    Q_PROPERTY(QString intIatAppId READ intIatAppId)
    Q_PROPERTY(QString intIatAppKey READ intIatAppKey)
    Q_PROPERTY(QString intIatAppSecret READ intIatAppSecret)
    Q_PROPERTY(QString intOtsAppId READ intOtsAppId)
    Q_PROPERTY(QString intOtsAppKey READ intOtsAppKey)
    Q_PROPERTY(QString intOtsAppSecret READ intOtsAppSecret)
    Q_PROPERTY(QString intOcrAppId READ intOcrAppId)
    Q_PROPERTY(QString intOcrAppKey READ intOcrAppKey)
    Q_PROPERTY(QString intOcrAppSecret READ intOcrAppSecret)
    Q_PROPERTY(QString intUrlStr READ intUrlStr)
    Q_PROPERTY(QString azureTranslateKey READ azureTranslateKey)
    Q_PROPERTY(QString azureTranslateUrl READ azureTranslateUrl)
    Q_PROPERTY(QString azureOcrKey READ azureOcrKey)
    Q_PROPERTY(QString azureOcrUrl READ azureOcrUrl)
    Q_PROPERTY(QString tencentAsrSecretid READ tencentAsrSecretid)
public:
    explicit AppConfig(QObject *parent = nullptr);

    // Takes every member from the JSON object in json (a missing or
    // non-string key empties its member). False, and nothing changed, when
    // json does not parse.
    bool loadFromJson(const QByteArray &json);

    QString iatAppId() const { return m_iatAppId; }
    QString iatAppKey() const { return m_iatAppKey; }
    QString iatAppSecret() const { return m_iatAppSecret; }
    QString otsAppId() const { return m_otsAppId; }
    QString otsAppKey() const { return m_otsAppKey; }
    QString otsAppSecret() const { return m_otsAppSecret; }
    QString ocrAppId() const { return m_ocrAppId; }
    QString ocrAppKey() const { return m_ocrAppKey; }
    QString ocrAppSecret() const { return m_ocrAppSecret; }
    QString cnUrlStr() const { return m_cnUrlStr; }
    QString intIatAppId() const { return m_intIatAppId; }
    QString intIatAppKey() const { return m_intIatAppKey; }
    QString intIatAppSecret() const { return m_intIatAppSecret; }
    QString intOtsAppId() const { return m_intOtsAppId; }
    QString intOtsAppKey() const { return m_intOtsAppKey; }
    QString intOtsAppSecret() const { return m_intOtsAppSecret; }
    QString intOcrAppId() const { return m_intOcrAppId; }
    QString intOcrAppKey() const { return m_intOcrAppKey; }
    QString intOcrAppSecret() const { return m_intOcrAppSecret; }
    QString intUrlStr() const { return m_intUrlStr; }
    QString azureTranslateKey() const { return m_azureTranslateKey; }
    QString azureTranslateUrl() const { return m_azureTranslateUrl; }
    QString azureOcrKey() const { return m_azureOcrKey; }
    QString azureOcrUrl() const { return m_azureOcrUrl; }
    QString tencentAsrSecretid() const { return m_tencentAsrSecretid; }
    QString tencentAsrAppid() const { return m_tencentAsrAppid; }
    QString tencentAsrSecretKey() const { return m_tencentAsrSecretKey; }

private:
    QString m_iatAppId;
    QString m_iatAppKey;
    QString m_iatAppSecret;
    QString m_otsAppId;
    QString m_otsAppKey;
    QString m_otsAppSecret;
    QString m_ocrAppId;
    QString m_ocrAppKey;
    QString m_ocrAppSecret;
    QString m_cnUrlStr;
    QString m_intIatAppId;
    QString m_intIatAppKey;
    QString m_intIatAppSecret;
    QString m_intOtsAppId;
    QString m_intOtsAppKey;
    QString m_intOtsAppSecret;
    QString m_intOcrAppId;
    QString m_intOcrAppKey;
    QString m_intOcrAppSecret;
    QString m_intUrlStr;
    QString m_azureTranslateKey;
    QString m_azureTranslateUrl;
    QString m_azureOcrKey;
    QString m_azureOcrUrl;
    QString m_tencentAsrSecretid;
    QString m_tencentAsrAppid;
    QString m_tencentAsrSecretKey;
};
