#include "widget/keys/akeysetting.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const int kLongCount = 4;
const char kCaptionStyle[] = "font-size: 14px; font-weight: 600; color: #303133;";
}  // namespace

AKeySetting::AKeySetting(QWidget *parent) : DialogFrame(parent)
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    setFixedSize(560, 400);

    m_choices = {
        {QT_TR_NOOP("AI大模型"), "aal", "aiGpt", nullptr},
        {QT_TR_NOOP("语音翻译"), "aal", "translationKey", nullptr},
        {QT_TR_NOOP("语音助手"), "aal", "aiAssistantKey", nullptr},
        {QT_TR_NOOP("语音输入"), "aal", "voiceInput", nullptr},
        {QT_TR_NOOP("截屏翻译"), "aas", "aiocrkey", nullptr},
        {QT_TR_NOOP("长语音(单击开启)"), "aas", "voiceInput", nullptr},
        {QT_TR_NOOP("回车"), "aas", "enter", nullptr},
        {QT_TR_NOOP("一键百度"), "aas", "baidu", nullptr},
        {QT_TR_NOOP("回退"), "aas", "backspace", nullptr},
        {QT_TR_NOOP("返回桌面"), "aas", "home", nullptr},
        {QT_TR_NOOP("一键打开网页"), "aas", "web", nullptr},
    };
    m_longCaption = new QLabel;
    m_shortCaption = new QLabel;
    m_longCaption->setStyleSheet(QLatin1String(kCaptionStyle));
    m_shortCaption->setStyleSheet(QLatin1String(kCaptionStyle));
    m_longGroup = addGroup(m_longCaption, 0, kLongCount, 4);
    m_shortGroup = addGroup(m_shortCaption, kLongCount, m_choices.size(), 3);

    auto *urlLine = new QHBoxLayout;
    urlLine->setSpacing(6);
    m_urlCaption = new QLabel(QStringLiteral("http://"));
    m_url = new QLineEdit;
    m_url->setText(IniFileInf::get_keydefine(QStringLiteral("akeyurl")));
    urlLine->addWidget(m_urlCaption);
    urlLine->addWidget(m_url, 1);
    body()->addLayout(urlLine);
    body()->addStretch(1);

    connect(m_longGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &AKeySetting::onButtonClicked);
    connect(m_shortGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &AKeySetting::onButtonClicked);
    connect(m_url, &QLineEdit::textEdited, this, &AKeySetting::onInputChange);
    retranslateUi();
    selectStored();
}

QButtonGroup *AKeySetting::addGroup(QLabel *caption, int first, int last, int columns)
{
    auto *group = new QButtonGroup(this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    for (int i = first; i < last; ++i) {
        auto *button = new QRadioButton;
        button->setMinimumHeight(26);
        group->addButton(button);
        grid->addWidget(button, (i - first) / columns, (i - first) % columns);
        m_choices[i].button = button;
    }
    body()->addWidget(caption);
    body()->addLayout(grid);
    return group;
}

void AKeySetting::retranslateUi()
{
    setTitle(tr("自定义键设置"));
    setTitleIcon(QStringLiteral(":/resources/icons/icon_Akey.png"));
    m_longCaption->setText(tr("长按"));
    m_shortCaption->setText(tr("短按"));
    for (const Choice &choice : qAsConst(m_choices))
        choice.button->setText(tr(choice.text));
}

void AKeySetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DialogFrame::changeEvent(event);
}

void AKeySetting::showEvent(QShowEvent *event)
{
    // Other dialogs and the product data may have changed the key since.
    selectStored();
    DialogFrame::showEvent(event);
}

void AKeySetting::selectStored()
{
    for (QButtonGroup *group : {m_longGroup, m_shortGroup}) {
        const QString key = QLatin1String(group == m_longGroup ? "aal" : "aas");
        const QString value = IniFileInf::get_keydefine(key);
        QAbstractButton *match = nullptr;
        for (const Choice &choice : qAsConst(m_choices))
            if (key == QLatin1String(choice.key) && value == QLatin1String(choice.action))
                match = choice.button;
        if (match) {
            match->setChecked(true);
        } else {
            // An exclusive group cannot uncheck its last button by itself.
            group->setExclusive(false);
            for (QAbstractButton *button : group->buttons())
                button->setChecked(false);
            group->setExclusive(true);
            if (!value.isEmpty())
                qDebug() << "AKeySetting: no choice for" << key << value;
        }
    }
    const QSignalBlocker blocker(m_url);
    m_url->setText(IniFileInf::get_keydefine(QStringLiteral("akeyurl")));
}

void AKeySetting::onButtonClicked(QAbstractButton *button)
{
    for (const Choice &choice : qAsConst(m_choices)) {
        if (choice.button != button)
            continue;
        const QString key = QLatin1String(choice.key);
        IniFileInf::set_keydefine(key, QLatin1String(choice.action));
        if (key == QLatin1String("aas") && m_device)
            m_device->setIsShort131(1);
        return;
    }
}

void AKeySetting::onInputChange(QString text)
{
    IniFileInf::set_keydefine(QStringLiteral("akeyurl"), text);
}
