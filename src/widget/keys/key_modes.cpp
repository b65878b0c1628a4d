#include "widget/keys/key_modes.h"

#include "core/device/mousedevice.h"

#include <QDebug>

namespace KeyModes {

namespace {
int hasAction(const QString &action)
{
    return action != QLatin1String("noOp") ? 1 : 0;
}
}  // namespace

void setForButton(MouseDevice *device, const QString &shortKey, int mode)
{
    if (!device)
        return;
    if (shortKey == QLatin1String("vks"))
        device->isShort130 = mode;
    else if (shortKey == QLatin1String("tks"))
        device->isShort129 = mode;
    else if (shortKey == QLatin1String("aas"))
        device->setIsShort131(mode);
}

void applyForModel(MouseDevice *device, const ShortActions &actions)
{
    if (!device)
        return;
    const QString &name = device->productName;
    if (device->model == QLatin1String("PX08")) {
        device->isShort130 = hasAction(actions.vks);
        device->isShort129 = hasAction(actions.tks);
        device->setIsShort131(hasAction(actions.aas));
    } else if (name == QLatin1String("WQQ313") || name == QLatin1String("WQQ800")
               || name == QLatin1String("WQBT5.2 Mouse")) {
        device->isShort129 = 1;
        device->isShort130 = 0;
        device->setIsShort131(1);
    } else {
        device->isShort129 = 0;
        device->isShort130 = 0;
        device->setIsShort131(hasAction(actions.aas));
    }
    qDebug() << "key modes for" << device->model << ":" << device->isShort129
             << device->isShort130 << device->isShort131;
}

}  // namespace KeyModes
