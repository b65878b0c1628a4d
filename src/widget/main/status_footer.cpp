#include "widget/main/status_footer.h"

#include "widget/main/device_pictures.h"

#include <QHBoxLayout>
#include <QLabel>

StatusFooter::StatusFooter(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("widgetFooter"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 6, 16, 6);
    row->setSpacing(10);

    m_link = new QLabel;
    m_link->setObjectName(QStringLiteral("labelConnectMode"));
    m_link->setFixedSize(72, 24);
    m_model = new QLabel;
    m_model->setObjectName(QStringLiteral("labelModel"));
    m_batteryIcon = new QLabel;
    m_batteryIcon->setObjectName(QStringLiteral("labelBatteryIcon"));
    m_batteryIcon->setFixedSize(32, 16);
    m_batteryText = new QLabel;
    m_batteryText->setObjectName(QStringLiteral("labelBattery"));
    m_firmwareCaption = new QLabel;
    m_firmware = new QLabel;
    m_firmware->setObjectName(QStringLiteral("labelFirmware"));

    row->addWidget(m_link);
    row->addWidget(m_model);
    row->addStretch(1);
    row->addWidget(m_batteryIcon);
    row->addWidget(m_batteryText);
    row->addSpacing(12);
    row->addWidget(m_firmwareCaption);
    row->addWidget(m_firmware);

    showLinkPicture(DevicePictures::kDisconnected);
    hideBattery();
    retranslateUi();
}

void StatusFooter::showLinkPicture(const QString &picture)
{
    m_linkPicture = picture;
    m_link->setStyleSheet(DevicePictures::borderImage(picture));
}

void StatusFooter::showBattery(int level)
{
    m_batteryText->setText(QString::number(level) + QLatin1Char('%'));
    m_batteryIcon->setStyleSheet(DevicePictures::borderImage(DevicePictures::batteryPicture(level)));
    m_batteryText->show();
    m_batteryIcon->show();
}

void StatusFooter::hideBattery()
{
    m_batteryText->hide();
    m_batteryIcon->hide();
}

void StatusFooter::showFirmware(const QString &version)
{
    m_firmwareVersion = version;
    retranslateUi();
}

void StatusFooter::showModel(const QString &text)
{
    m_model->setText(text);
}

QString StatusFooter::batteryText() const
{
    return m_batteryText->text();
}

bool StatusFooter::batteryShown() const
{
    return !m_batteryText->isHidden();
}

void StatusFooter::retranslateUi()
{
    m_firmwareCaption->setText(tr("固件版本"));
    const bool known = !m_firmwareVersion.isEmpty() && m_firmwareVersion != QLatin1String("unknown");
    m_firmware->setText(known ? m_firmwareVersion : tr("未知"));
    m_link->setToolTip(tr("连接方式"));
    m_batteryIcon->setToolTip(tr("电量"));
}
