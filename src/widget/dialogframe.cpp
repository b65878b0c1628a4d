#include "widget/dialogframe.h"

#include "widget/iconfont/iconfont.h"
#include "widget/window_dragger.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

DialogFrame::DialogFrame(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setObjectName(QStringLiteral("DialogFrame"));
    setStyleSheet(QStringLiteral(
        "QDialog#DialogFrame { background: #ffffff; border: 1px solid #dcdfe6; }"
        "QWidget#dialogTitleBar { background: #f5f7fa; border-bottom: 1px solid #ebeef5; }"
        "QLabel#dialogTitle { font-size: 15px; font-weight: 600; color: #303133; }"
        "QPushButton#dialogClose { border: none; background: transparent; }"
        "QPushButton#dialogClose:hover { background: #f0f0f0; border-radius: 4px; }")
        + inputStyle());

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);

    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("dialogTitleBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(44);
    new WindowDragger(bar, true);
    auto *barLine = new QHBoxLayout(bar);
    barLine->setContentsMargins(14, 0, 8, 0);
    barLine->setSpacing(8);
    m_icon = new QLabel;
    m_icon->setFixedSize(22, 22);
    m_icon->setScaledContents(true);
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("dialogTitle"));
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("dialogClose"));
    m_close->setFixedSize(28, 28);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setIcon(IconFont::instance().icon(QStringLiteral("fa-solid fa-xmark"),
                                                QColor(0x90, 0x93, 0x99)));
    m_close->setIconSize(QSize(16, 16));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    barLine->addWidget(m_icon);
    barLine->addWidget(m_title, 1);
    barLine->addWidget(m_close);
    outer->addWidget(bar);

    auto *content = new QWidget;
    m_body = new QVBoxLayout(content);
    m_body->setContentsMargins(24, 16, 24, 20);
    m_body->setSpacing(12);
    outer->addWidget(content, 1);
}

QString DialogFrame::inputStyle()
{
    return QStringLiteral(
        "QComboBox, QLineEdit { min-height: 30px; padding: 0 10px; border: 1px solid #dcdfe6;"
        " border-radius: 4px; background: #ffffff; color: #606266; }"
        "QComboBox:hover, QLineEdit:hover, QLineEdit:focus { border-color: #409eff; }"
        "QComboBox:disabled { background: #f5f7fa; color: #c0c4cc; }"
        "QComboBox::drop-down { border: none; width: 26px; }"
        "QComboBox::down-arrow { image: url(:/resources/icons/arrow_down.png); width: 12px; height: 12px; }");
}

void DialogFrame::setTitle(const QString &title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

QString DialogFrame::title() const
{
    return m_title->text();
}

void DialogFrame::setTitleIcon(const QString &path)
{
    m_icon->setPixmap(QPixmap(path));
}
