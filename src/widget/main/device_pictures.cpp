#include "widget/main/device_pictures.h"

namespace DevicePictures {

QString linkPicture(const QString &productName, int linkModel)
{
    int picture = 0;
    switch (linkModel) {
    case 2: picture = 1; break;
    case 3: picture = 2; break;
    case 4: picture = 3; break;
    case 5: picture = 2; break;
    default: return {};
    }
    const QString kind = productName == QLatin1String("WQBT5.2 Mouse")
        ? QStringLiteral("connect_typec_mode") : QStringLiteral("connect_mode");
    return QStringLiteral(":/resources/images/product/connect_mode/%1%2.png").arg(kind).arg(picture);
}

QString batteryPicture(int level)
{
    if (level >= 95)
        return QStringLiteral(":/resources/icons/battery/battery_100.png");
    if (level >= 10)
        return QStringLiteral(":/resources/icons/battery/battery_%1.png").arg(level / 10 * 10);
    return QStringLiteral(":/resources/icons/battery/battery_0.png");
}

QString borderImage(const QString &picture)
{
    return QStringLiteral("border-image: url(%1);").arg(picture);
}

}  // namespace DevicePictures
