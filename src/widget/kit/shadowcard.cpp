#include "widget/kit/shadowcard.h"

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QVBoxLayout>
#include <QWidget>

QWidget *addShadowedBody(QWidget *window)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QWidget;
    auto *shadow = new QGraphicsDropShadowEffect(body);
    shadow->setColor(QColor(0, 0, 0, 64));
    shadow->setOffset(0, 2);
    shadow->setBlurRadius(14);
    body->setGraphicsEffect(shadow);
    outer->addWidget(body);
    return body;
}
