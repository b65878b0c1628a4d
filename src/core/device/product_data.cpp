#include "core/device/product_data.h"

#include "utils/app_paths.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

QString productDataName(const QString &productId, const QString &deviceName)
{
    return deviceName == QLatin1String("WQPX08") ? deviceName : productId;
}

QString productDataPath(const QString &productId, const QString &deviceName)
{
    return AppPaths::appDir() + QStringLiteral("/device/") + productDataName(productId, deviceName)
        + QStringLiteral("defaultkey.json");
}

QString productPicturePath(const QString &productId)
{
    return AppPaths::appDir() + QStringLiteral("/device/") + productId + QStringLiteral("-1.png");
}

QJsonObject loadProductData(const QString &productId, const QString &deviceName)
{
    QFile file(productDataPath(productId, deviceName));
    QByteArray content;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        content = file.readAll();
        file.close();
    } else {
        qDebug() << "Failed to open file for reading:" << file.errorString();
    }

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        qDebug() << "Failed to parse JSON:" << error.errorString();
    else if (!doc.isObject())
        qDebug() << "JSON is not an object";
    return doc.object().value(QStringLiteral("data")).toObject();
}
