#include "trasetting.h"

#include "core/setting/inifileinf.h"
#include "widget/kit/switchbutton.h"
#include "widget/language/searchbutton.h"

#include <QDebug>
#include <QEvent>
#include <QLabel>

namespace {

const QString kScreenword = QStringLiteral("screenword");
const QString kOcrKey = QStringLiteral("sysocrkey");

QString onOff(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

TraSetting::TraSetting(QWidget *parent) : SettingsForm(parent)
{
    using Type = LanguageListWidget::LanguageListWidgetType;
    const auto addLanguages = [this](Type source, const char *sourceKey, Type target,
                                     const char *targetKey) {
        m_sections.append(addSection(QString()));
        m_buttons.append(new SearchButton(source, QLatin1String(sourceKey)));
        m_sourceLabels.append(addRow(QString(), m_buttons.last()));
        m_buttons.append(new SearchButton(target, QLatin1String(targetKey)));
        m_targetLabels.append(addRow(QString(), m_buttons.last()));
    };

    addLanguages(LanguageListWidget::VI, "listenlangstr",
                 LanguageListWidget::VT, "translatelangstr");

    addLanguages(LanguageListWidget::WI, "screenlangstr",
                 LanguageListWidget::WT, "screentranlangstr");
    m_screenword = new SwitchButton;
    m_screenword->setChecked(screenwordOn());
    m_screenwordLabel = addRow(QString(), m_screenword);

    addLanguages(LanguageListWidget::OI, "ocrsourcelangstr",
                 LanguageListWidget::OT, "ocrtargetlangstr");
    m_ocrKey = new SwitchButton;
    m_ocrKey->setChecked(IniFileInf::get_keydefine(kOcrKey) == QLatin1String("1"));
    m_ocrKeyHint = new QLabel;
    m_ocrKeyLabel = addRow(QString(), m_ocrKey, m_ocrKeyHint);
    finish();
    retranslateUi();

    connect(m_screenword, &SwitchButton::toggled, this, [this](bool on) {
        IniFileInf::set_keydefine(kScreenword, onOff(on));
        qInfo() << "screenword" << on;
        emit screenwordChanged(on);
    });
    connect(m_ocrKey, &SwitchButton::toggled, this,
            [](bool on) { IniFileInf::set_keydefine(kOcrKey, onOff(on)); });
}

bool TraSetting::screenwordOn() const
{
    return IniFileInf::get_keydefine(kScreenword) == QLatin1String("1");
}

void TraSetting::retranslateUi()
{
    static const char *const sections[] = {QT_TR_NOOP("语音翻译设置"), QT_TR_NOOP("划词翻译设置"),
                                           QT_TR_NOOP("截图翻译设置")};
    for (int i = 0; i < m_sections.size(); ++i) {
        m_sections[i]->setText(tr(sections[i]));
        m_sourceLabels[i]->setText(tr("识别语种"));
        m_targetLabels[i]->setText(tr("翻译语种"));
    }
    m_screenwordLabel->setText(tr("划词翻译"));
    m_ocrKeyLabel->setText(tr("截图快捷键"));
    m_ocrKeyHint->setText(tr("快捷键：Alt+x"));
}

void TraSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    SettingsForm::changeEvent(event);
}
