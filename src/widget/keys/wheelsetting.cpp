#include "widget/keys/wheelsetting.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QRadioButton>

WheelSetting::WheelSetting(QWidget *parent) : DialogFrame(parent)
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    setFixedSize(400, 200);

    m_popUp = new QRadioButton;
    m_noPopUp = new QRadioButton;
    m_group = new QButtonGroup(this);
    m_group->addButton(m_popUp);
    m_group->addButton(m_noPopUp);
    auto *line = new QHBoxLayout;
    line->setSpacing(24);
    line->addWidget(m_popUp);
    line->addWidget(m_noPopUp);
    line->addStretch(1);
    body()->addStretch(1);
    body()->addLayout(line);
    body()->addStretch(1);

    connect(m_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &WheelSetting::onButtonClicked);
    if (m_device)
        connect(m_device, &HIDDevice::onInfoData, this, &WheelSetting::onInfoData);
    retranslateUi();
    onInfoData();
}

void WheelSetting::retranslateUi()
{
    setTitle(tr("滚轮键设置"));
    setTitleIcon(QStringLiteral(":/resources/icons/icon_wheel.png"));
    m_popUp->setText(tr("弹出网址"));
    m_noPopUp->setText(tr("不弹出网址"));
}

void WheelSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DialogFrame::changeEvent(event);
}

void WheelSetting::onInfoData()
{
    if (!m_device)
        return;
    qDebug() << "WBL: " << m_device->wheelSwitch;
    (m_device->wheelSwitch == 1 ? m_popUp : m_noPopUp)->setChecked(true);
}

void WheelSetting::onButtonClicked(QAbstractButton *button)
{
    const int value = button == m_popUp ? 1 : 0;
    IniFileInf::set_keydefine(QStringLiteral("wbl"), QString::number(value));
    if (m_device)
        m_device->setWBL(value);
}
