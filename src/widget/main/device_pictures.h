#pragma once

#include <QString>

// Which picture the footer shows for the mouse's link and battery. Empty
// results mean "leave the picture as it is".
namespace DevicePictures {

inline const QString kDisconnected =
    QStringLiteral(":/resources/images/product/connect_mode/connect_mode0.png");

// The link picture for a linked mouse: Bluetooth channels 1 and 2, or the
// receiver; the cable-and-Bluetooth model has pictures of its own.
QString linkPicture(const QString &productName, int linkModel);

// The battery picture for a level between 1 and 100.
QString batteryPicture(int level);

// The same pictures as a style sheet that stretches them over a label.
QString borderImage(const QString &picture);

}  // namespace DevicePictures
