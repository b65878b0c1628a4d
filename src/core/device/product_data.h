#pragma once

#include <QJsonObject>
#include <QString>

// The per-model product data shipped in "<appDir>/device/": which buttons a
// model has, their default actions, which are fixed, and the DPI steps.

// The file name for a mouse: its product id, except that the "WQPX08" variant
// of a model has a file of its own.
QString productDataName(const QString &productId, const QString &deviceName);
QString productDataPath(const QString &productId, const QString &deviceName);
// "<appDir>/device/<productId>-1.png"
QString productPicturePath(const QString &productId);

// The "data" object of the model's file; an empty object when the file is
// missing or is not a JSON object (logged, never fatal).
QJsonObject loadProductData(const QString &productId, const QString &deviceName);
