#include "setting.h"

#include "core/device/mousedevice.h"
#include "core/device/product_data.h"
#include "core/setting/inifileinf.h"
#include "utils/device_file_utils.h"
#include "widget/dialogframe.h"
#include "widget/keys/akeysetting.h"
#include "widget/keys/button_actions.h"
#include "widget/keys/keyrow.h"
#include "widget/keys/voicetraasssetting.h"
#include "widget/keys/wheelsetting.h"
#include "widget/kit/settingsform.h"
#include "widget/productheader.h"

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct RowKeys {
    const char *info;  // "key" of the product data entry
    const char *shortKey;
    const char *longKey;
    const char *shortIndexKey;
    const char *longIndexKey;
};

const RowKeys kRows[Setting::RowCount] = {
    {"voice_key", "vks", "vkl", "vksIndex", "vklIndex"},
    {"translate_key", "tks", "tkl", "tksIndex", "tklIndex"},
    {"search_key", "aas", "aal", "aasIndex", "aalIndex"},
    {"A_key", "aas", "aal", "aasIndex", "aalIndex"},
};

QString get(const char *key)
{
    return IniFileInf::get_keydefine(QLatin1String(key));
}

bool usableProductId(const QString &id)
{
    return !id.isEmpty() && id != QLatin1String("unknown");
}

}  // namespace

Setting::Setting(QWidget *parent) : QWidget(parent)
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    m_actionsAtStart = {get("vks"), get("tks"), get("aas")};
    buildUi();
    retranslateUi();
    if (m_device)
        connect(m_device, &HIDDevice::onInfoData, this, &Setting::onDeviceInfo);
}

void Setting::buildUi()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    m_header = new ProductHeader;
    column->addWidget(m_header);

    m_form = new SettingsForm;
    m_keySection = m_form->addSection(QString());
    for (int row = 0; row < RowCount; ++row) {
        m_rows[row] = new KeyRow;
        m_captions[row] = m_form->addRow(QString(), m_rows[row]);
        m_captions[row]->parentWidget()->setObjectName(QLatin1String(kRows[row].info));
        connect(m_rows[row], &KeyRow::clicked, this, [this, row] { openRow(Row(row)); });
    }
    m_wheel = new KeyRow;
    m_wheelCaption = m_form->addRow(QString(), m_wheel);
    connect(m_wheel, &KeyRow::clicked, this, &Setting::openWheel);

    m_otherSection = m_form->addSection(QString());
    m_dpi = new QComboBox;
    m_dpi->setObjectName(QStringLiteral("comboDpi"));
    m_dpi->setMinimumWidth(140);
    m_dpi->setStyleSheet(DialogFrame::inputStyle());
    m_dpi->setEnabled(false);
    m_dpiCaption = m_form->addRow(QString(), m_dpi);
    connect(m_dpi, QOverload<int>::of(&QComboBox::activated), this, &Setting::onDpiChosen);
    m_form->finish();
    column->addWidget(m_form, 1);

    // Until a model tells otherwise: the three buttons every model has.
    m_captions[AKeyRow]->parentWidget()->hide();
}

bool Setting::rowShown(Row row) const
{
    return !m_captions[row]->parentWidget()->isHidden();
}

void Setting::retranslateUi()
{
    m_keySection->setText(tr("按键设置"));
    m_otherSection->setText(tr("鼠标设置"));
    m_captions[VoiceRow]->setText(tr("语音键"));
    m_captions[TranslateRow]->setText(tr("翻译键"));
    m_captions[SearchRow]->setText(tr("搜索键"));
    m_captions[AKeyRow]->setText(tr("自定义键"));
    m_wheelCaption->setText(tr("滚轮键"));
    m_dpiCaption->setText(QStringLiteral("DPI"));
    refreshTexts();
}

void Setting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString Setting::lockText(Row row) const
{
    switch (row) {
    case TranslateRow: {
        const QString name = m_device ? m_device->productName : QString();
        if (name == QLatin1String("WQQ313") || name == QLatin1String("WQQ800")
            || name == QLatin1String("WQBT5.2 Mouse"))
            return tr("AI键");
        return tr("语音翻译");
    }
    case VoiceRow:
        return tr("语音输入");
    case SearchRow:
        return tr("语音搜索");
    default:
        return QString();
    }
}

void Setting::refreshTexts()
{
    for (int row = 0; row < RowCount; ++row) {
        const RowKeys &keys = kRows[row];
        m_rows[row]->setActionText(tr("短按：%1    长按：%2")
                                       .arg(ButtonActions::words(get(keys.shortKey)),
                                            ButtonActions::words(get(keys.longKey))));
        m_rows[row]->setLocked(m_locked[row], lockText(Row(row)));
    }
    const bool popUp = m_device && m_device->wheelSwitch == 1;
    m_wheel->setActionText(popUp ? tr("弹出网址") : tr("不弹出网址"));

    const bool known = m_device && usableProductId(m_device->model);
    m_header->setNames(known ? m_device->displayModel() : tr("未连接设备"),
                       known ? m_device->productName : QString());
}

void Setting::onDeviceInfo()
{
    if (!m_device)
        return;
    const QString productId = m_device->model;
    if (usableProductId(productId) && productId != m_keyModeModel) {
        m_keyModeModel = productId;
        KeyModes::applyForModel(m_device, m_actionsAtStart);
    }
    if (usableProductId(productId)) {
        const QString dataName = productDataName(productId, m_device->productName);
        if (productId != m_appliedProductId) {
            const bool first = DeviceFileUtils::checkFirstRunByFile(productId);
            applyProductData(productId, m_device->productName, first);
            m_appliedFirst = first;
        } else if (dataName != m_appliedDataName) {
            // The device name arrives after the model: a variant with data of
            // its own is applied as part of the same first report.
            applyProductData(productId, m_device->productName, m_appliedFirst);
        }
        m_appliedProductId = productId;
        m_appliedDataName = dataName;
    }
    selectDeviceDpi();
    refreshTexts();
}

void Setting::applyProductData(const QString &productId, const QString &deviceName, bool first)
{
    qDebug() << "apply product data:" << productId << deviceName << "first:" << first;
    m_header->showPicture(productId);
    const QJsonObject data = loadProductData(productId, deviceName);
    const QJsonArray infos = data.value(QStringLiteral("keyInfos")).toArray();

    bool listed[RowCount] = {};
    for (const QJsonValue &value : infos)
        for (int row = 0; row < RowCount; ++row)
            listed[row] |= value.toObject().value(QStringLiteral("key")).toString()
                == QLatin1String(kRows[row].info);
    if (infos.isEmpty()) {
        qWarning() << "no button data for" << productId << ": showing the common buttons";
        listed[VoiceRow] = listed[TranslateRow] = listed[SearchRow] = true;
    }
    for (int row = 0; row < RowCount; ++row) {
        m_captions[row]->parentWidget()->setVisible(listed[row]);
        m_locked[row] = false;
    }

    fillDpi(data.value(QStringLiteral("dpi")).toArray());

    for (const QJsonValue &value : infos) {
        const QJsonObject info = value.toObject();
        const QString key = info.value(QStringLiteral("key")).toString();
        int row = 0;
        while (row < RowCount && key != QLatin1String(kRows[row].info))
            ++row;
        if (row == RowCount)
            continue;
        const QString shortKey = QLatin1String(kRows[row].shortKey);
        const QString longKey = QLatin1String(kRows[row].longKey);
        if (first
            || (IniFileInf::get_keydefine(shortKey).isEmpty()
                && IniFileInf::get_keydefine(longKey).isEmpty())) {
            IniFileInf::set_keydefine(shortKey, info.value(QStringLiteral("short")).toString());
            IniFileInf::set_keydefine(longKey, info.value(QStringLiteral("long")).toString());
        }
        if (row != AKeyRow)
            m_locked[row] = info.value(QStringLiteral("isLock")).toInt() == 1;
    }
}

void Setting::fillDpi(const QJsonArray &values)
{
    const QSignalBlocker blocker(m_dpi);
    m_dpi->clear();
    for (const QJsonValue &value : values) {
        if (value.isString())
            m_dpi->addItem(value.toString());
        else if (value.isDouble())
            m_dpi->addItem(QString::number(value.toInt()));
    }
    m_dpi->setEnabled(m_dpi->count() > 0);
}

void Setting::selectDeviceDpi()
{
    if (!m_device || m_device->dpi == 0)
        return;
    const int index = m_dpi->findText(QString::number(m_device->dpi));
    if (index < 0) {
        if (m_dpi->count() > 0)
            qDebug() << "DPI not offered for this model:" << m_device->dpi;
        return;
    }
    const QSignalBlocker blocker(m_dpi);
    m_dpi->setCurrentIndex(index);
}

void Setting::onDpiChosen(int index)
{
    bool ok = false;
    const int dpi = m_dpi->itemText(index).toInt(&ok);
    if (!ok || dpi <= 0) {
        qWarning() << "not a DPI value:" << m_dpi->itemText(index);
        return;
    }
    m_device->setDPI(dpi);
}

void Setting::openRow(Row row)
{
    if (row == AKeyRow) {
        if (!m_aKeyDialog) {
            m_aKeyDialog = new AKeySetting(this);
            connect(m_aKeyDialog, &QDialog::finished, this, &Setting::refreshTexts);
        }
        m_aKeyDialog->show();
        return;
    }
    if (!m_dialogs[row]) {
        const RowKeys &keys = kRows[row];
        m_dialogs[row] = new VoiceTraAssSetting(
            QLatin1String(keys.shortKey), QLatin1String(keys.longKey),
            QLatin1String(keys.shortIndexKey), QLatin1String(keys.longIndexKey), this);
        connect(m_dialogs[row], &QDialog::finished, this, &Setting::refreshTexts);
    }
    m_dialogs[row]->custShow();
}

void Setting::openWheel()
{
    if (!m_wheelDialog) {
        m_wheelDialog = new WheelSetting(this);
        connect(m_wheelDialog, &QDialog::finished, this, &Setting::refreshTexts);
    }
    m_wheelDialog->show();
}
