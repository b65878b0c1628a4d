#include "widget/kit/switchbutton.h"

#include <QFocusEvent>
#include <QPainter>

SwitchButton::SwitchButton(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SwitchButton::sizeHint() const
{
    return {44, 24};
}

void SwitchButton::focusInEvent(QFocusEvent *event)
{
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SwitchButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = track.height() / 2;
    QColor on(0x40, 0x9e, 0xff);
    QColor off(0xdc, 0xdf, 0xe6);
    if (!isEnabled()) {
        on.setAlpha(110);
        off.setAlpha(110);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(isChecked() ? on : off);
    p.drawRoundedRect(track, radius, radius);

    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus() && m_keyboardFocus) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(on.darker(120), 1, Qt::DotLine));
        p.drawRoundedRect(track, radius, radius);
    }
}
