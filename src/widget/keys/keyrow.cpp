#include "widget/keys/keyrow.h"

#include "widget/iconfont/iconfont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

KeyRow::KeyRow(QWidget *parent) : QWidget(parent)
{
    auto *line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    m_selector = new QPushButton;
    m_selector->setObjectName(QStringLiteral("keySelector"));
    m_selector->setCursor(Qt::PointingHandCursor);
    m_selector->setLayoutDirection(Qt::RightToLeft);  // the chevron after the text
    m_selector->setIcon(IconFont::instance().icon(QStringLiteral("fa-solid fa-chevron-right"),
                                                   QColor(0xc0, 0xc4, 0xcc)));
    m_selector->setIconSize(QSize(12, 12));
    m_selector->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #dcdfe6; border-radius: 4px; padding: 5px 12px;"
        " color: #606266; background: #ffffff; }"
        "QPushButton:hover { border-color: #409eff; color: #409eff; }"));
    m_lock = new QLabel;
    m_lock->setObjectName(QStringLiteral("keyLock"));
    m_lock->setStyleSheet(QStringLiteral(
        "QLabel { color: #909399; background: #f4f4f5; border-radius: 4px; padding: 5px 12px; }"));
    m_lock->hide();
    line->addWidget(m_selector);
    line->addWidget(m_lock);
    connect(m_selector, &QPushButton::clicked, this, &KeyRow::clicked);
}

void KeyRow::setActionText(const QString &text)
{
    m_selector->setText(text);
}

QString KeyRow::actionText() const
{
    return m_selector->text();
}

void KeyRow::setLocked(bool locked, const QString &label)
{
    m_lock->setText(label);
    m_lock->setVisible(locked);
    m_selector->setVisible(!locked);
}

bool KeyRow::isLocked() const
{
    return !m_lock->isHidden();
}

QString KeyRow::lockText() const
{
    return m_lock->text();
}
