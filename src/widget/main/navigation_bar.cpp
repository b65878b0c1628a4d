#include "widget/main/navigation_bar.h"

#include "widget/iconfont/iconfont.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <QVBoxLayout>

namespace {

const QColor kIconColour(0x60, 0x62, 0x66);

}  // namespace

NavigationBar::NavigationBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("widgetNavigation"));
    setFixedWidth(184);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 12, 10, 12);
    column->setSpacing(2);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    m_product = addActionButton(QStringLiteral("fa-solid fa-computer-mouse"), QStringLiteral("btnProduct"));
    m_product->setObjectName(QStringLiteral("btnProduct"));
    connect(m_product, &QPushButton::clicked, this, [this] { select(MouseSettingPage); });
    addPageButton(MouseSettingPage, QStringLiteral("fa-solid fa-sliders"));
    addPageButton(AiSettingPage, QStringLiteral("fa-solid fa-wand-magic-sparkles"));
    addPageButton(TranslationSettingPage, QStringLiteral("fa-solid fa-language"));
    addPageButton(CommandSettingPage, QStringLiteral("fa-solid fa-terminal"));
    addPageButton(SoftwareSettingPage, QStringLiteral("fa-solid fa-gear"));
    addPageButton(HelpPage, QStringLiteral("fa-solid fa-book-open"));
    m_ai = addActionButton(QStringLiteral("fa-solid fa-robot"), QStringLiteral("btnAiModel"));
    addPageButton(AiNavigationPage, QStringLiteral("fa-solid fa-compass"));
    addPageButton(MeetingListPage, QStringLiteral("fa-solid fa-users"));
    addPageButton(MeetingWebPage, QStringLiteral("fa-solid fa-cloud"));
    addPageButton(DebugPage, QStringLiteral("fa-solid fa-bug"));
    column->addStretch(1);

    m_clientCaption = new QLabel;
    m_clientCaption->setObjectName(QStringLiteral("labelAiClient"));
    column->addWidget(m_clientCaption);
    m_external = addActionButton(QStringLiteral("fa-solid fa-rocket"), QStringLiteral("btnExternalClient"));

    connect(m_group, &QButtonGroup::idClicked, this, &NavigationBar::pageRequested);
    retranslateUi();
}

QPushButton *NavigationBar::addPageButton(Page page, const QString &icon)
{
    auto *button = addActionButton(icon, QStringLiteral("btnPage%1").arg(int(page)));
    button->setCheckable(true);
    m_group->addButton(button, page);
    return button;
}

QPushButton *NavigationBar::addActionButton(const QString &icon, const QString &objectName)
{
    auto *button = new QPushButton;
    button->setObjectName(objectName);
    button->setProperty("nav", true);
    button->setIcon(IconFont::instance().icon(icon, kIconColour));
    button->setIconSize(QSize(16, 16));
    button->setMinimumHeight(34);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    layout()->addWidget(button);
    return button;
}

void NavigationBar::select(int page)
{
    if (QAbstractButton *button = m_group->button(page)) {
        button->setChecked(true);
        emit pageRequested(page);
    }
}

void NavigationBar::setProductText(const QString &text)
{
    m_productText = text;
    retranslateUi();
}

void NavigationBar::setExternalClientText(const QString &text)
{
    m_external->setText(text);
}

void NavigationBar::retranslateUi()
{
    static const char *const names[PageCount] = {
        QT_TR_NOOP("智能设置"), QT_TR_NOOP("鼠标设置"), QT_TR_NOOP("翻译设置"),
        QT_TR_NOOP("云指令设置"), QT_TR_NOOP("软件设置"), QT_TR_NOOP("使用指南"),
        QT_TR_NOOP("AI导航"), "Debug", QT_TR_NOOP("会议纪要"), "Cloud services"};
    for (int page = 0; page < PageCount; ++page)
        m_group->button(page)->setText(page == DebugPage || page == MeetingWebPage
                                           ? QString::fromLatin1(names[page])
                                           : tr(names[page]));
    m_ai->setText(tr("AI大模型"));
    m_clientCaption->setText(QStringLiteral("AI Client"));
    m_product->setText(m_productText.isEmpty() ? tr("未连接设备") : m_productText);
}
