#include "widget/app_icon.h"

QIcon appIcon()
{
    // Small sizes are drawn from the source at that size: a scaled-down
    // 256 px picture blurs the wheel and the microphone in a tray slot.
    QIcon icon;
    for (int size : {48, 64, 128})
        icon.addFile(QStringLiteral(":/resources/icons/app/hicolor/%1/talkvane.png").arg(size),
                     QSize(size, size));
    icon.addFile(QStringLiteral(":/resources/icons/app/talkvane.png"), QSize(256, 256));
    return icon;
}
