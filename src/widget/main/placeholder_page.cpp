#include "widget/main/placeholder_page.h"

#include "widget/iconfont/iconfont.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const char *title, const char *text, const QString &icon,
                                 QWidget *parent)
    : QWidget(parent), m_titleSource(title), m_textSource(text)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 40, 40, 40);
    column->addStretch(1);
    auto *picture = new QLabel;
    picture->setPixmap(IconFont::instance().icon(icon, QColor(0xc0, 0xc4, 0xcc)).pixmap(56, 56));
    picture->setAlignment(Qt::AlignCenter);
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("labelPlaceholderTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("font-size: 18px; color: #303133;"));
    m_text = new QLabel;
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("font-size: 14px; color: #909399;"));
    column->addWidget(picture);
    column->addSpacing(12);
    column->addWidget(m_title);
    column->addWidget(m_text);
    column->addStretch(2);
    retranslateUi();
}

QString PlaceholderPage::titleText() const
{
    return m_title->text();
}

void PlaceholderPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void PlaceholderPage::retranslateUi()
{
    m_title->setText(QCoreApplication::translate("PlaceholderPage", m_titleSource));
    m_text->setText(QCoreApplication::translate("PlaceholderPage", m_textSource));
}
