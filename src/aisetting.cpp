#include "aisetting.h"

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"
#include "widget/kit/switchbutton.h"
#include "widget/language/searchbutton.h"

#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace {

const QString kPtt = QStringLiteral("ptt");
const QString kSearch = QStringLiteral("searchnetstr");
const QString kInputModel = QStringLiteral("input_model");
const QString kDynamics = QStringLiteral("dynamics");
const QString kWhole = QStringLiteral("whole");

bool isDynamic(const QString &mode)
{
    return mode.contains(kDynamics);
}

}  // namespace

AiSetting::AiSetting(QWidget *parent) : SettingsForm(parent)
{
    m_punctuation = new SwitchButton;
    m_punctuation->setChecked(IniFileInf::get_keydefine(kPtt) == QLatin1String("1"));
    m_language = new SearchButton(LanguageListWidget::VI, QStringLiteral("listenlangstr"));

    m_engine = new QComboBox;
    m_engine->setMinimumWidth(160);
    const QString query = QStringLiteral("/search?q=");
    m_engine->addItem(QString(), PublicHosts::baiduSearch() + QStringLiteral("/s?ie=UTF-8&wd="));
    m_engine->addItem(QString(), PublicHosts::googleSearch() + query);
    m_engine->addItem(QString(), PublicHosts::bingSearch() + query);
    m_engine->addItem(QString(), PublicHosts::yahooSearch() + query);

    m_inputMode = new QComboBox;
    m_inputMode->setMinimumWidth(160);
    m_inputMode->addItem(QString(), kDynamics);
    m_inputMode->addItem(QString(), kWhole);

    m_recognitionSection = addSection(QString());
    m_punctuationLabel = addRow(QString(), m_punctuation);
    m_languageLabel = addRow(QString(), m_language);
    m_searchSection = addSection(QString());
    m_engineLabel = addRow(QString(), m_engine);
    m_inputSection = addSection(QString());
    m_inputModeLabel = addRow(QString(), m_inputMode);
    finish();
    retranslateUi();

    selectStoredEngine();
    selectStoredInputMode();
    // The control center types as the stored mode says from the first result on.
    FunControlCenter::getInstance()->setSecDynamicTyping(
        isDynamic(IniFileInf::get_keydefine(kInputModel)));

    connect(m_punctuation, &SwitchButton::toggled, this, [](bool on) {
        IniFileInf::set_keydefine(kPtt, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    connect(m_engine, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (index >= 0)
            IniFileInf::set_keydefine(kSearch, m_engine->itemData(index).toString());
    });
    connect(m_inputMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index < 0)
                    return;
                const QString mode = m_inputMode->itemData(index).toString();
                FunControlCenter::getInstance()->setSecDynamicTyping(isDynamic(mode));
                IniFileInf::set_keydefine(kInputModel, mode);
            });
}

void AiSetting::selectStoredEngine()
{
    const QString stored = IniFileInf::get_keydefine(kSearch);
    const int index = m_engine->findData(stored);
    qDebug() << "searchnetstr：" << stored << "searchnetstrindex：" << index;
    // An address of none of the entries stays stored; no entry is shown as chosen.
    m_engine->setCurrentIndex(index);
}

void AiSetting::selectStoredInputMode()
{
    const QString stored = IniFileInf::get_keydefine(kInputModel);
    int index = m_inputMode->findData(stored);
    qDebug() << "input_modelstrindex：" << index;
    if (index < 0) {
        // Empty or unknown: show the mode that is in effect, write nothing.
        index = m_inputMode->findData(isDynamic(stored) ? kDynamics : kWhole);
    }
    m_inputMode->setCurrentIndex(index);
}

void AiSetting::retranslateUi()
{
    const QSignalBlocker engineBlock(m_engine);
    const QSignalBlocker modeBlock(m_inputMode);
    m_recognitionSection->setText(tr("语音识别设置"));
    m_punctuationLabel->setText(tr("识别带标点"));
    m_languageLabel->setText(tr("识别语种"));
    m_searchSection->setText(tr("语音搜索"));
    m_engineLabel->setText(tr("搜索引擎"));
    m_engine->setItemText(0, tr("百度"));
    m_engine->setItemText(1, tr("谷歌"));
    m_engine->setItemText(2, tr("必应"));
    m_engine->setItemText(3, QStringLiteral("Yahoo"));
    m_inputSection->setText(tr("输入设置"));
    m_inputModeLabel->setText(tr("输入模式"));
    m_inputMode->setItemText(0, tr("动态打字模式"));
    m_inputMode->setItemText(1, tr("整句输入"));
}

void AiSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    SettingsForm::changeEvent(event);
}
