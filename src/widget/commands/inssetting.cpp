#include "widget/commands/inssetting.h"

#include "core/setting/inifileinf.h"
#include "widget/commands/dialogins.h"

#include <QDebug>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

InsSetting::InsSetting(QWidget *parent) : QWidget(parent)
{
    m_table = new QTableWidget(0, 5);
    m_table->setObjectName(QStringLiteral("commandTable"));
    m_table->setShowGrid(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(40);
    m_table->setAlternatingRowColors(true);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);

    m_add = new QPushButton;
    auto *add = m_add;
    add->setObjectName(QStringLiteral("addCommandButton"));
    m_error = new QLabel;
    m_error->setObjectName(QStringLiteral("commandStoreError"));
    m_error->setStyleSheet(QStringLiteral("color: #c0392b;"));
    m_error->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_error);
    layout->addWidget(add, 0, Qt::AlignLeft);

    connect(add, &QPushButton::clicked, this, &InsSetting::addCommand);

    m_commands = parseCommandList(IniFileInf::getCmdKey());
    retranslateUi();
}

void InsSetting::retranslateUi()
{
    m_table->setHorizontalHeaderLabels(
        {tr("指令类别"), tr("语音指令"), tr("执行目标"), QString(), QString()});
    m_add->setText(tr("+添加指令"));
    rebuildTable();
}

void InsSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString InsSetting::typeName(const QString &type) const
{
    if (type == QLatin1String("folder"))
        return tr("文件夹");
    if (type == QLatin1String("file"))
        return tr("应用");
    if (type == QLatin1String("website"))
        return tr("网站");
    return tr("固定文本");
}

void InsSetting::rebuildTable()
{
    m_table->setRowCount(0);
    for (int row = 0; row < m_commands.size(); ++row) {
        const VoiceCommand &c = m_commands.at(row);
        m_table->insertRow(row);
        auto *type = new QTableWidgetItem(typeName(c.type));
        type->setData(Qt::UserRole, c.type);
        m_table->setItem(row, 0, type);
        for (int col : {1, 2}) {
            auto *item = new QTableWidgetItem(col == 1 ? c.command : c.target);
            item->setTextAlignment(Qt::AlignCenter);
            m_table->setItem(row, col, item);
        }
        auto *edit = new QPushButton(tr("编辑"));
        auto *remove = new QPushButton(tr("删除"));
        connect(edit, &QPushButton::clicked, this, [this, row] { editCommand(row); });
        connect(remove, &QPushButton::clicked, this, [this, row] { removeCommand(row); });
        m_table->setCellWidget(row, 3, edit);
        m_table->setCellWidget(row, 4, remove);
    }
}

void InsSetting::save()
{
    if (IniFileInf::saveCmdKey(serializeCommandList(m_commands))) {
        m_error->hide();
        return;
    }
    m_error->setText(tr("指令列表保存失败，请检查程序目录是否可写"));
    m_error->show();
}

void InsSetting::putCommand(const VoiceCommand &command, int editedRow)
{
    if (editedRow >= 0 && editedRow < m_commands.size()) {
        m_commands[editedRow] = command;
    } else {
        // A phrase can only mean one thing: the new command replaces the old.
        for (int i = m_commands.size() - 1; i >= 0; --i) {
            if (m_commands.at(i).command == command.command)
                m_commands.remove(i);
        }
        m_commands.append(command);
    }
    rebuildTable();
    save();
}

void InsSetting::removeCommand(int row)
{
    if (row < 0 || row >= m_commands.size())
        return;
    m_commands.remove(row);
    rebuildTable();
    save();
}

void InsSetting::addCommand()
{
    // Built for each use, so it always speaks the current language.
    DialogIns dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        putCommand({dialog.type(), dialog.command(), dialog.target()});
}

void InsSetting::editCommand(int row)
{
    if (row < 0 || row >= m_commands.size())
        return;
    const VoiceCommand &c = m_commands.at(row);
    DialogIns dialog(this);
    dialog.setCommand(c.type, c.command, c.target);
    if (dialog.exec() == QDialog::Accepted)
        putCommand({dialog.type(), dialog.command(), dialog.target()}, row);
}
