#include "floating_translate_button.h"

#include "widget/iconfont/iconfont.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>

FloatingTranslateButton::FloatingTranslateButton(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("floatingTranslateButton"));
    // A tool-tip window is never managed or focused by the window manager;
    // clicking it does not activate it either.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kIconSize, kIconSize);

    m_button = new QPushButton(this);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIcon(IconFont::instance().icon(QStringLiteral("fa-solid fa-language"),
                                                QColor(0x40, 0x9E, 0xFF)));
    m_button->setIconSize(QSize(kIconSize, kIconSize));
    m_button->setFixedSize(kIconSize, kIconSize);
    m_button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);

    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    m_fade->setDuration(kFadeMs);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::hide);
    connect(m_button, &QPushButton::clicked, this, [this] {
        m_fade->stop();
        hide();
        emit clicked();
    });
}

void FloatingTranslateButton::setFadeMs(int ms)
{
    m_fade->setDuration(ms);
}

QPoint FloatingTranslateButton::placement(const QPoint &pointer, int size, const QRect &available)
{
    int x = pointer.x() + kOffset;
    int y = pointer.y() - size - kOffset;
    if (x + size > available.x() + available.width())
        x = available.x() + available.width() - size;
    if (y < available.y())
        y = pointer.y() + kOffset;
    return {x, y};
}

void FloatingTranslateButton::popUpAt(const QPoint &pointer)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    move(placement(pointer, width(), available));
    m_fade->stop();
    setWindowOpacity(1.0);
    show();  // WA_ShowWithoutActivating: never raise-and-activate
    raise();
    m_fade->start();
}
