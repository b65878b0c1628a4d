#include "capture_toolbar.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

const char kNormalStyle[] = "QPushButton { margin: 5px; border: none; background: transparent; }"
                            "QPushButton:hover { background-color: #F5F5F5; border-radius: 10px; }";
const char kActiveStyle[] =
    "margin: 5px;border: 1px solid #DCDCDC;background-color:#F5F5F5;border-radius:10px;";

// Buttons 2..5 are the drawing tools, in the order of their values.
constexpr int kFirstToolButton = 2;

}  // namespace

CaptureToolBar::CaptureToolBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("captureToolBar"));
    setStyleSheet(QStringLiteral("#captureToolBar { background-color: white; border-radius: 6px; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    connect(addButton(QStringLiteral("copy.png"), tr("复制到剪贴板(Enter)")), &QPushButton::clicked,
            this, &CaptureToolBar::copyClicked);
    connect(addButton(QStringLiteral("save.png"), tr("保存到文件(S)")), &QPushButton::clicked, this,
            &CaptureToolBar::saveClicked);
    const struct {
        const char *icon;
        QString tip;
        CaptureTool tool;
    } tools[] = {
        {"drawline.png", tr("绘制线段(L)"), CaptureTool::Line},
        {"drawrect.png", tr("绘制矩形(P)"), CaptureTool::Rect},
        {"drawellipse.png", tr("绘制椭圆(M)"), CaptureTool::Ellipse},
        {"drawtext.png", tr("添加文本(T)"), CaptureTool::Text},
    };
    for (const auto &t : tools) {
        const CaptureTool tool = t.tool;
        connect(addButton(QLatin1String(t.icon), t.tip), &QPushButton::clicked, this,
                [this, tool] { emit toolClicked(tool); });
    }
    connect(addButton(QStringLiteral("title.png"), tr("提取文字(O)")), &QPushButton::clicked, this,
            &CaptureToolBar::ocrTextClicked);
    connect(addButton(QStringLiteral("transfer.png"), tr("翻译(T)")), &QPushButton::clicked, this,
            &CaptureToolBar::ocrTransferClicked);
    setFixedSize(kButtonSize * kButtonCount, kButtonSize);
}

QString CaptureToolBar::iconPath(const QString &name)
{
    return QStringLiteral(":/capture_resources/capture/image/") + name;
}

QPushButton *CaptureToolBar::addButton(const QString &icon, const QString &toolTip)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setIcon(QIcon(iconPath(icon)));
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QLatin1String(kNormalStyle));
    layout()->addWidget(button);
    m_buttons.append(button);
    return button;
}

QPushButton *CaptureToolBar::button(int index) const
{
    return m_buttons.value(index);
}

void CaptureToolBar::setActiveTool(CaptureTool tool)
{
    for (int i = 0; i < 4; ++i) {
        const bool active = int(tool) == i;
        m_buttons[kFirstToolButton + i]->setStyleSheet(
            QLatin1String(active ? kActiveStyle : kNormalStyle));
    }
}
