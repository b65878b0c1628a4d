#include "debug.h"

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "widget/diagnostics/diagnostics_panel.h"
#include "widget/diagnostics/log_widget.h"

#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool g_longPressLatch = false;
// Whether the press being served started the mouse's recording.
bool g_recording = false;
}

Debug::Debug(QWidget *parent) : QWidget(parent)
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    m_center = FunControlCenter::getInstance();

    auto *column = new QVBoxLayout(this);
    m_hint = new QLabel;
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("labelStatus"));
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("labelDeviceInfo"));
    m_info->setWordWrap(true);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_caption = new QLabel;
    m_keyLabel = new QLabel;
    m_panel = new DiagnosticsPanel(m_device, m_center);
    column->addWidget(m_hint);
    column->addWidget(m_status);
    column->addWidget(m_info);
    column->addWidget(m_panel);
    column->addWidget(m_caption);
    column->addWidget(m_keyLabel);
    column->addStretch(1);

    // A window of its own, owned by this page for the page's whole life.
    m_logWindow = new LogWidget(this);
    connect(m_panel, &DiagnosticsPanel::logWindowRequested, m_logWindow, [this] {
        m_logWindow->show();
        m_logWindow->raise();
    });
    connect(m_panel, &DiagnosticsPanel::status, m_status, &QLabel::setText);

    m_notice = new QLabel(this);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setStyleSheet(QStringLiteral(
        "background-color: rgba(0, 0, 0, 160); color: white; border-radius: 6px; padding: 10px;"));
    m_notice->hide();

    m_linkState = m_device->linkState;
    connect(m_device, &MouseDevice::onConnectState, this, [this](LinkState state) {
        m_linkState = state;
        retranslateUi();
    });
    connect(m_device, &MouseDevice::onInfoData, this, &Debug::showDeviceInfo);
    wireButtons();
    retranslateUi();
}

void Debug::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Debug::retranslateUi()
{
    m_hint->setText(tr("切换模式需要手动重新连接设备"));
    m_caption->setText(tr("按键测试"));
    if (!m_keySeen)
        m_keyLabel->setText(tr("按键信息"));
    if (m_linkState == Disconnected)
        m_status->setText(tr("设备关闭了"));
    else if (m_linkState == Scanning)
        m_status->setText(tr("设备连接中"));
    else
        m_status->clear();
    m_panel->setLinked(m_linkState == ReceiverLinked || m_linkState == BluetoothLinked);
}

void Debug::showDeviceInfo()
{
    m_info->setText(tr("鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7")
                        .arg(m_device->displayModel(), m_device->linkModelText(), m_device->sn)
                        .arg(m_device->battery)
                        .arg(m_device->firmwareVersion)
                        .arg(m_device->dpi)
                        .arg(m_device->wheelSwitch));
    emit receiveMouseInfo(m_device->sn, m_device->firmwareVersion);
}

void Debug::logSwitch(bool checked)
{
    qDebug() << "logSwitch " << checked;
    LogWidget::logSwitch(checked);
}

bool Debug::longPressActive()
{
    return g_longPressLatch;
}

QString Debug::keyLabelText() const
{
    return m_keyLabel->text();
}

QString Debug::noticeText() const
{
    return m_notice->isVisible() ? m_notice->text() : QString();
}

QString Debug::keyName(int key)
{
    switch (key) {
    case 129: return tr("翻译键");
    case 130: return tr("语音键");
    default: return tr("搜索键");
    }
}

bool Debug::linkReady() const
{
    const int model = m_device->linkModel;
    return (m_device->linkState == ReceiverLinked && (model == 4 || model == 5))
        || (m_device->linkState == BluetoothLinked && (model == 2 || model == 3));
}

void Debug::showNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->adjustSize();
    m_notice->move((width() - m_notice->width()) / 2, (height() - m_notice->height()) / 2);
    m_notice->show();
    m_notice->raise();
    QTimer::singleShot(2000, m_notice, &QWidget::hide);
}

void Debug::wireButtons()
{
    auto onPress = [this](int key) { return [this, key](int n) { longPressStart(key, n); }; };
    auto onRelease = [this](int key) { return [this, key](int n) { longPressEnd(key, n); }; };
    auto onClick = [this](int key) { return [this, key](int n) { shortClick(key, n); }; };
    connect(m_device, &MouseDevice::signalsKeyOne129, this, onPress(129));
    connect(m_device, &MouseDevice::signalsKeyOne130, this, onPress(130));
    connect(m_device, &MouseDevice::signalsKeyOne131, this, onPress(131));
    connect(m_device, &MouseDevice::signalsKeyOne132, this, onPress(132));
    connect(m_device, &MouseDevice::signalsKeyOne129Over, this, onRelease(129));
    connect(m_device, &MouseDevice::signalsKeyOne130Over, this, onRelease(130));
    connect(m_device, &MouseDevice::signalsKeyOne131Over, this, onRelease(131));
    connect(m_device, &MouseDevice::signalsKeyOne132Over, this, onRelease(132));
    connect(m_device, &MouseDevice::signalsKeyOne129ShortOver, this, onClick(129));
    connect(m_device, &MouseDevice::signalsKeyOne130ShortOver, this, onClick(130));
    connect(m_device, &MouseDevice::signalsKeyOne131ShortOver, this, onClick(131));
}

void Debug::longPressStart(int key, int count)
{
    qDebug() << "long press" << key << "linkModel" << m_device->linkModel << "linkState"
             << m_device->linkState;
    if (!linkReady()) {
        showNotice(tr("设备还未通信，不能使用语音"));
        return;
    }
    if (!g_longPressLatch) {
        const QString text = tr("按下了") + keyName(key) + tr("；次数：") + QString::number(count);
        qDebug() << text;
        m_keyLabel->setText(text);
        m_keySeen = true;
        switch (key) {
        case 129: m_center->translateKeyLongPress(); break;
        case 130: m_center->voiceKeyLongPress(); break;
        case 131: m_center->aKeyLongPress(); break;
        default: m_center->startVoiceAss(); break;
        }
        // A scene that could not start has said why; there is nothing to record for.
        g_recording = m_center->listening();
        if (g_recording) {
            m_device->setSaveWavSegments(m_center->segmentRecording());
            m_device->startRecord();
        }
    }
    g_longPressLatch = true;
}

void Debug::longPressEnd(int key, int count)
{
    if (m_device->linkState != ReceiverLinked && m_device->linkState != BluetoothLinked)
        return;
    m_keyLabel->setText(tr("抬起了") + keyName(key) + tr("；次数：") + QString::number(count));
    m_keySeen = true;
    if (g_recording)
        m_device->stopRecord();
    g_recording = false;
    switch (key) {
    case 129: m_center->translateKeyRelease(); break;
    case 130: m_center->voiceKeyRelease(); break;
    case 131: m_center->aKeyRelease(); break;
    default: m_center->stopVoice(); break;
    }
    g_longPressLatch = false;
}

void Debug::shortClick(int key, int count)
{
    const QString text = tr("按下了") + keyName(key) + tr("；次数：") + QString::number(count);
    qDebug() << text;
    m_keyLabel->setText(text);
    m_keySeen = true;
    switch (key) {
    case 129: m_center->translateKeyShortClick(); break;
    case 130: m_center->voiceKeyShortClick(); break;
    default: m_center->aKeyShortClick(); break;
    }
}
