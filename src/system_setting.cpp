#include "system_setting.h"

#include "build_config.h"
#include "core/diagnostics/log_upload.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "core/setting/interface_languages.h"
#include "core/setting/translation_loader.h"
#include "platform/autostart.h"
#include "widget/kit/settingsform.h"
#include "widget/kit/switchbutton.h"
#include "widget/update/updatedialogue.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFutureWatcher>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QThreadPool>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

const QString kSysLang = QStringLiteral("sysLang");
const QString kBootUp = QStringLiteral("BootUp");
const QString kIsLog = QStringLiteral("isLog");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QLabel *valueLabel(const QString &objectName)
{
    auto *label = new QLabel;
    label->setObjectName(objectName);
    label->setStyleSheet(QStringLiteral("font-size: 14px; color: #606266;"));
    return label;
}

}  // namespace

SystemSetting::SystemSetting(QWidget *parent) : QWidget(parent)
{
    buildUi();
    retranslateUi();
    restoreState();
    connect(m_language, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SystemSetting::languageChosen);
    connect(m_boot, &SwitchButton::toggled, this, &SystemSetting::bootSwitched);
    connect(m_log, &SwitchButton::toggled, this, &SystemSetting::logSwitch);
}

SystemSetting::~SystemSetting() = default;

void SystemSetting::buildUi()
{
    auto *form = new SettingsForm;
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(form);

    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("comboBoxLanguage"));
    m_language->setMinimumWidth(160);
    for (const auto &language : InterfaceLanguages::all())
        m_language->addItem(language.display, language.storedName);
    m_version = valueLabel(QStringLiteral("labelVersion"));
    m_version->setText(QStringLiteral(TALKVANE_VERSION));
    m_boot = new SwitchButton;
    m_boot->setObjectName(QStringLiteral("switchBoot"));
    m_checkUpdate = new QPushButton;
    m_checkUpdate->setObjectName(QStringLiteral("pushButtonCheckUpdate"));
    connect(m_checkUpdate, &QPushButton::clicked, this,
            [] { UpdateDialogue::instance()->startversion(QStringLiteral(TALKVANE_VERSION)); });
    m_log = new SwitchButton;
    m_log->setObjectName(QStringLiteral("switchLog"));
    m_upload = new QPushButton;
    m_upload->setObjectName(QStringLiteral("pushButtonLogUpload"));
    m_upload->setCursor(Qt::PointingHandCursor);
    m_upload->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #dcdfe6; border-radius: 4px; padding: 5px 12px;"
        " color: #606266; background: #ffffff; }"
        "QPushButton:hover { border-color: #409eff; color: #409eff; }"
        "QPushButton:disabled { color: #c0c4cc; }"));
    connect(m_upload, &QPushButton::clicked, this, &SystemSetting::uploadLog);
    m_firmware = valueLabel(QStringLiteral("labelFirmware"));
    m_serial = valueLabel(QStringLiteral("labelSerial"));
    m_serial->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_serial->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_serial, &QLabel::customContextMenuRequested, this, &SystemSetting::showSerialMenu);

    // Captions get their texts in retranslateUi.
    m_captions = {
        form->addSection(QString()),
        form->addRow(QString(), m_language),
        form->addRow(QString(), m_version),
        form->addRow(QString(), m_boot),
        form->addRow(QString(), m_checkUpdate),
        form->addSection(QString()),
        form->addRow(QString(), m_log),
        form->addRow(QString(), m_upload),
        form->addSection(QString()),
        form->addRow(QString(), m_firmware),
        form->addRow(QString(), m_serial),
    };
    form->finish();
}

void SystemSetting::retranslateUi()
{
    const QStringList texts = {
        tr("通用设置"), tr("显示语言"), tr("软件版本号"), tr("开机启动"), tr("检查更新"),
        tr("日志"), tr("日志记录"), tr("日志上传"),
        tr("硬件信息"), tr("固件版本号"), tr("序列号"),
    };
    for (int i = 0; i < m_captions.size(); ++i)
        m_captions[i]->setText(texts[i]);
    m_upload->setText(tr("上传"));
    m_checkUpdate->setText(tr("检查更新"));
    if (!platform::autostart())
        m_boot->setToolTip(tr("此系统不支持开机启动"));
}

void SystemSetting::restoreState()
{
    const QString sysLang = IniFileInf::get_keydefine(kSysLang);
    m_language->setCurrentIndex(InterfaceLanguages::rowOf(sysLang));

    // The entry is what the session acts on, so the setting follows it.
    if (const auto autostart = platform::autostart()) {
        const bool enabled = autostart->isEnabled();
        IniFileInf::set_keydefine(kBootUp, flag(enabled));
        m_boot->setChecked(enabled);
    } else {
        m_boot->setChecked(IniFileInf::get_keydefine(kBootUp) == QLatin1String("1"));
        m_boot->setEnabled(false);
    }
    m_log->setChecked(IniFileInf::get_keydefine(kIsLog) == QLatin1String("1"));
}

void SystemSetting::languageChosen(int row)
{
    const auto &languages = InterfaceLanguages::all();
    if (row < 0 || row >= languages.size())
        return;
    const QString name = languages[row].storedName;
    IniFileInf::set_keydefine(kSysLang, name);
    qDebug() << "Successfully loaded translation file:"
             << QStringLiteral(":/i18n/sevoly_%1.qm").arg(name);

    auto translator = std::make_unique<QTranslator>();
    if (!UiTranslation::loadForLocaleName(*translator, name)) {
        qWarning() << "no translation found for" << name;
        return;
    }
    // Replaces the translation of the start or of an earlier choice; every
    // window then gets a LanguageChange and sets its texts again.
    UiTranslation::makeCurrent(translator.get());
    m_translator = std::move(translator);
}

void SystemSetting::bootSwitched(bool on)
{
    const auto autostart = platform::autostart();
    if (!autostart)
        return;
    const std::string exe = QCoreApplication::applicationFilePath().toStdString();
    const platform::AutostartResult result = on ? autostart->enable(exe) : autostart->disable();
    if (!result.ok) {
        qWarning() << "boot up failed" << QString::fromStdString(result.reason);
        const QSignalBlocker blocker(m_boot);
        m_boot->setChecked(autostart->isEnabled());
        return;
    }
    qInfo() << "boot up" << on << (result.changed ? "written" : "already so");
    IniFileInf::set_keydefine(kBootUp, flag(on));
}

void SystemSetting::logSwitch(bool checked)
{
    if (m_log->isChecked() != checked) {
        const QSignalBlocker blocker(m_log);
        m_log->setChecked(checked);
    }
    IniFileInf::set_keydefine(kIsLog, flag(checked));
    routeLogToFile(checked);
    emit logSwitchSign(checked);
}

void SystemSetting::setMouseInfo(QString sn, QString ver)
{
    m_serial->setText(sn);
    m_firmware->setText(ver);
}

void SystemSetting::showSerialMenu(const QPoint &pos)
{
    QMenu menu(m_serial);
    menu.setMinimumWidth(200);
    QAction *copy = menu.addAction(tr("复制"));
    copy->setEnabled(m_serial->hasSelectedText());
    if (menu.exec(m_serial->mapToGlobal(pos)) == copy)
        QApplication::clipboard()->setText(m_serial->selectedText());
}

void SystemSetting::uploadLog()
{
    m_upload->setEnabled(false);
    const QString deviceId = m_serial->text();
    // A child of the page: the answer of an upload that outlives the page
    // goes nowhere.
    auto *watcher = new QFutureWatcher<int>(this);
    connect(watcher, &QFutureWatcher<int>::finished, this, [this, watcher] {
        const int result = watcher->result();
        watcher->deleteLater();
        showUploadResult(result);
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(),
                                         [deviceId] { return logUpload(deviceId); }));
}

void SystemSetting::showUploadResult(int result)
{
    QString detail;
    switch (result) {
    case LogUpload::Stored:
        break;
    case LogUpload::ServerBusy:
        detail = tr("The server is busy. Please try again later.");
        break;
    case LogUpload::NoLogFile:
        detail = tr("No log file was detected.");
        break;
    default:
        detail = tr("Unknow Error");
        break;
    }
    const bool ok = result == LogUpload::Stored;
    QMessageBox box(ok ? QMessageBox::Information : QMessageBox::Warning, tr("日志上传"),
                    tr("上传") + (ok ? tr("成功") : tr("失败")) + QLatin1Char('\n') + detail,
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(tr("确定"));
    box.exec();
    m_upload->setEnabled(true);
}

void SystemSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
