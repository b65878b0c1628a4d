#include "widget/keys/voicetraasssetting.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "widget/keys/button_actions.h"
#include "widget/keys/key_modes.h"
#include "widget/keys/shortcutlineedit.h"

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

void fill(QComboBox *list, const QVector<ButtonActions::Item> &items)
{
    const QSignalBlocker blocker(list);
    const int current = list->currentIndex();
    list->clear();
    for (const auto &item : items)
        list->addItem(ButtonActions::itemText(item), QString::fromLatin1(item.action));
    list->setCurrentIndex(qMax(current, 0));
}

// A stored list position, or -1 when it is not one.
int storedIndex(const QString &key, int count)
{
    bool ok = false;
    const int index = IniFileInf::get_keydefine(key).toInt(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

}  // namespace

VoiceTraAssSetting::VoiceTraAssSetting(const QString &shortKey, const QString &longKey,
                                       const QString &shortIndexKey,
                                       const QString &longIndexKey, QWidget *parent)
    : DialogFrame(parent),
      m_shortKey(shortKey),
      m_longKey(longKey),
      m_shortIndexKey(shortIndexKey),
      m_longIndexKey(longIndexKey)
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    setFixedSize(400, 300);

    m_shortCaption = new QLabel;
    m_shortcutCaption = new QLabel;
    m_longCaption = new QLabel;
    m_shortList = new QComboBox;
    m_longList = new QComboBox;
    m_shortcut = new ShortcutLineEdit;
    fillShortList();
    fillLongList();

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_shortCaption, 0, 0);
    grid->addWidget(m_shortList, 0, 1);
    grid->addWidget(m_shortcutCaption, 1, 0);
    grid->addWidget(m_shortcut, 1, 1);
    grid->addWidget(m_longCaption, 2, 0);
    grid->addWidget(m_longList, 2, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    connect(m_shortList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VoiceTraAssSetting::onClickChanged);
    connect(m_longList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VoiceTraAssSetting::onLongClickChanged);
    connect(m_shortcut, &ShortcutLineEdit::shortcutChanged, this,
            &VoiceTraAssSetting::onShortcutChanged);
    retranslateUi();
}

void VoiceTraAssSetting::retranslateUi()
{
    if (m_shortKey == QLatin1String("vks")) {
        setTitle(tr("语音键设置"));
        setTitleIcon(QStringLiteral(":/resources/icons/icon_voice.png"));
    } else if (m_shortKey == QLatin1String("tks")) {
        setTitle(tr("翻译键设置"));
        setTitleIcon(QStringLiteral(":/resources/icons/icon_trans.png"));
    } else {
        setTitle(tr("助手键设置"));
        setTitleIcon(QStringLiteral(":/resources/icons/icon_Akey.png"));
    }
    m_shortCaption->setText(tr("单击按键功能"));
    m_shortcutCaption->setText(tr("快捷键"));
    m_longCaption->setText(tr("长按按键功能"));
    fillShortList();
    fillLongList();
}

void VoiceTraAssSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DialogFrame::changeEvent(event);
}

void VoiceTraAssSetting::fillShortList()
{
    fill(m_shortList, ButtonActions::shortClickItems());
}

void VoiceTraAssSetting::fillLongList()
{
    fill(m_longList, ButtonActions::longPressItems());
}

void VoiceTraAssSetting::custShow()
{
    const QString shortValue = IniFileInf::get_keydefine(m_shortKey);
    {
        const QSignalBlocker blocker(m_shortList);
        const int index = ButtonActions::indexOf(ButtonActions::shortClickItems(), shortValue);
        if (index >= 0) {
            m_shortList->setCurrentIndex(index);
            m_shortcut->clear();
        } else if (ButtonActions::isShortcut(shortValue)) {
            const int stored = storedIndex(m_shortIndexKey, m_shortList->count());
            m_shortList->setCurrentIndex(qMax(stored, 0));
            m_shortcut->setText(shortValue);
        } else {
            // Set elsewhere (the custom-key dialog) or no longer offered:
            // shown as no choice here, left stored until the user picks.
            m_shortList->setCurrentIndex(0);
            m_shortcut->clear();
            if (!shortValue.isEmpty())
                qDebug() << "custShow: action not in the list:" << m_shortKey << shortValue;
        }
    }
    qDebug() << "custShow:" << m_shortKey << shortValue << m_shortList->currentIndex();

    const QString longValue = IniFileInf::get_keydefine(m_longKey);
    fillLongList();
    {
        const QSignalBlocker blocker(m_longList);
        const int index = ButtonActions::indexOf(ButtonActions::longPressItems(), longValue);
        m_longList->setCurrentIndex(qMax(index, 0));
    }
    qDebug() << "选中项文本:" << longValue;
    show();
    raise();
    activateWindow();
}

void VoiceTraAssSetting::onClickChanged(int index)
{
    if (index < 0)
        return;
    // A recorded combination is the click action whatever the list says, and
    // it only fires in short-click mode.
    const bool clicks = index != 0 || !m_shortcut->text().isEmpty();
    KeyModes::setForButton(m_device, m_shortKey, clicks ? 1 : 0);
    IniFileInf::set_keydefine(m_shortIndexKey, QString::number(index));
    if (m_shortcut->text().isEmpty())
        IniFileInf::set_keydefine(m_shortKey, m_shortList->itemData(index).toString());
}

void VoiceTraAssSetting::onShortcutChanged(const QString &text)
{
    if (text.isEmpty()) {
        onClickChanged(m_shortList->currentIndex());
        return;
    }
    KeyModes::setForButton(m_device, m_shortKey, 1);
    IniFileInf::set_keydefine(m_shortKey, text);
}

void VoiceTraAssSetting::onLongClickChanged(int index)
{
    if (index < 0)
        return;
    const QString action = m_longList->itemData(index).toString();
    IniFileInf::set_keydefine(m_longIndexKey, QString::number(index));
    IniFileInf::set_keydefine(m_longKey, action);
    qDebug() << m_longList->itemText(index) << action;
}
