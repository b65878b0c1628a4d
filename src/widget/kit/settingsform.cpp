#include "widget/kit/settingsform.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SettingsForm::SettingsForm(QWidget *parent) : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(24, 20, 24, 20);
    m_layout->setSpacing(8);
}

QLabel *SettingsForm::addSection(const QString &title)
{
    auto *label = new QLabel(title);
    label->setObjectName(QStringLiteral("labelSection"));
    label->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 600; color: #303133;"));
    if (m_layout->count() > 0)
        m_layout->addSpacing(12);
    m_layout->addWidget(label);
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("frameSection"));
    card->setStyleSheet(QStringLiteral(
        "QFrame#frameSection { background: #ffffff; border: 1px solid #ebeef5; border-radius: 6px; }"));
    m_card = new QVBoxLayout(card);
    m_card->setContentsMargins(16, 6, 16, 6);
    m_card->setSpacing(0);
    m_layout->addWidget(card);
    return label;
}

QLabel *SettingsForm::addRow(const QString &caption, QWidget *control)
{
    return addRow(caption, control, nullptr);
}

QLabel *SettingsForm::addRow(const QString &caption, QWidget *control, QLabel *hint)
{
    if (!m_card)
        addSection(QString());
    auto *row = new QWidget;
    row->setMinimumHeight(44);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 4, 0, 4);
    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    auto *label = new QLabel(caption);
    label->setStyleSheet(QStringLiteral("font-size: 14px; color: #303133;"));
    text->addWidget(label);
    if (hint) {
        hint->setStyleSheet(QStringLiteral("font-size: 12px; color: #909399;"));
        hint->setWordWrap(true);
        text->addWidget(hint);
    }
    line->addLayout(text, 1);
    line->addWidget(control, 0, Qt::AlignRight | Qt::AlignVCenter);
    m_card->addWidget(row);
    return label;
}

void SettingsForm::finish()
{
    m_layout->addStretch(1);
}
