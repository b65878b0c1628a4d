#include "widget/commands/dialogins.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DialogIns::DialogIns(QWidget *parent) : QDialog(parent)
{
    m_type = new QComboBox;
    m_type->addItem(tr("文件夹"), QStringLiteral("folder"));
    m_type->addItem(tr("应用"), QStringLiteral("file"));
    m_type->addItem(tr("网站"), QStringLiteral("website"));
    m_type->addItem(tr("固定文本"), QStringLiteral("text"));
    m_command = new QLineEdit;
    m_command->setObjectName(QStringLiteral("commandEdit"));
    m_target = new QLineEdit;
    m_target->setObjectName(QStringLiteral("targetEdit"));
    m_pick = new QPushButton(tr("选择"));
    m_hint = new QLabel;
    m_hint->setWordWrap(true);

    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(m_target, 1);
    targetRow->addWidget(m_pick);
    auto *form = new QFormLayout;
    form->addRow(tr("指令类别"), m_type);
    form->addRow(tr("语音指令"), m_command);
    form->addRow(tr("执行目标"), targetRow);

    auto *cancel = new QPushButton(tr("取消"));
    m_accept = new QPushButton(tr("创建"));
    m_accept->setObjectName(QStringLiteral("acceptButton"));
    m_accept->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_hint);
    layout->addLayout(buttons);

    connect(m_type, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DialogIns::updateHint);
    connect(m_pick, &QPushButton::clicked, this, &DialogIns::pickTarget);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    // A phrase or a target that is empty, or holds the store's separator,
    // could not be read back.
    const auto validate = [this] {
        const bool ok = !command().isEmpty() && !target().isEmpty()
            && !command().contains(QLatin1Char('|')) && !target().contains(QLatin1Char('|'));
        m_accept->setEnabled(ok);
    };
    connect(m_command, &QLineEdit::textChanged, this, validate);
    connect(m_target, &QLineEdit::textChanged, this, validate);
    setCommand(QString(), QString(), QString());
    validate();
}

void DialogIns::setCommand(const QString &type, const QString &command, const QString &target)
{
    m_editing = !command.isEmpty();
    setWindowTitle(m_editing ? tr("编辑") : tr("添加个性化指令"));
    m_accept->setText(m_editing ? tr("保存") : tr("创建"));
    const int index = m_type->findData(type);
    m_type->setCurrentIndex(index < 0 ? 0 : index);
    m_command->setText(command);
    m_target->setText(target);
    updateHint();
}

QString DialogIns::type() const { return m_type->currentData().toString(); }
QString DialogIns::command() const { return m_command->text().trimmed(); }
QString DialogIns::target() const { return m_target->text().trimmed(); }

void DialogIns::updateHint()
{
    const QString t = type();
    m_pick->setVisible(t == QLatin1String("folder") || t == QLatin1String("file"));
    if (t == QLatin1String("folder"))
        m_hint->setText(tr("语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹"));
    else if (t == QLatin1String("file"))
        m_hint->setText(tr("语音指令 + 选择应用文件 → 说出指令词自动启动应用"));
    else if (t == QLatin1String("website"))
        m_hint->setText(tr("语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页"));
    else
        m_hint->setText(tr("语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）"));
}

void DialogIns::pickTarget()
{
    QString picked;
    if (type() == QLatin1String("folder"))
        picked = QFileDialog::getExistingDirectory(this, tr("选择文件夹"), m_target->text());
    else
        picked = QFileDialog::getOpenFileName(this, tr("打开"), m_target->text());
    if (!picked.isEmpty())
        m_target->setText(picked);
}
