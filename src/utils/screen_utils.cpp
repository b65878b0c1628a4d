#include "screen_utils.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

double ScreenUtils::GetScreenFactor()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    qDebug() << "logicalDotsPerInch:" << screen->logicalDotsPerInch()
             << "devicePixelRatio:" << screen->devicePixelRatio();
    return screen->devicePixelRatio();
}
