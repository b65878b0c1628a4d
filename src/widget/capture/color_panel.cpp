#include "color_panel.h"

#include "capture_toolbar.h"
#include "coloritem.h"
#include "pointsizewidget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

const QColor ColorPanel::kSwatches[20] = {
    {0, 0, 0},       {127, 127, 127}, {136, 0, 21},     {237, 28, 36},   {255, 127, 39},
    {255, 242, 0},   {34, 177, 76},   {0, 162, 232},    {63, 72, 204},   {163, 73, 164},
    {255, 255, 255}, {195, 195, 195}, {185, 122, 87},   {255, 174, 201}, {255, 201, 14},
    {239, 228, 176}, {181, 230, 29},  {153, 217, 234},  {112, 146, 190}, {200, 191, 231},
};

namespace {

const char kFillOff[] = "QPushButton { border: none; background: transparent; }";
const char kFillOn[] =
    "margin: 5px;border: 1px solid #DCDCDC;background-color:#F5F5F5;border-radius:10px;";

}  // namespace

ColorPanel::ColorPanel(const QColor &color, int width, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: #F5F5F5;border-radius:10px;"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);

    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    for (int i = 0; i < 20; ++i) {
        auto *swatch = new ColorItem(kSwatches[i], this);
        grid->addWidget(swatch, i / 10, i % 10);
        connect(swatch, &ColorItem::itemClicked, this, &ColorPanel::colorPicked);
    }
    row->addLayout(grid);

    m_fill = new QPushButton(this);
    m_fill->setFixedSize(45, 45);
    m_fill->setIcon(QIcon(CaptureToolBar::iconPath(QStringLiteral("brush.png"))));
    m_fill->setIconSize(QSize(25, 25));
    m_fill->setToolTip(tr("填充"));
    m_fill->setFocusPolicy(Qt::NoFocus);
    m_fill->setStyleSheet(QLatin1String(kFillOff));
    connect(m_fill, &QPushButton::clicked, this, &ColorPanel::fillClicked);
    row->addWidget(m_fill);

    m_current = new ColorItem(color, this);
    connect(m_current, &ColorItem::clicked, this, &ColorPanel::currentColorClicked);
    row->addWidget(m_current);

    m_width = new PointSizeWidget(width, this);
    connect(m_width, &PointSizeWidget::wheelscrolled, this, &ColorPanel::widthChanged);
    row->addWidget(m_width);
    adjustSize();
}

void ColorPanel::setCurrentColor(const QColor &color)
{
    m_current->setColor(color);
}

void ColorPanel::setFillShown(bool on)
{
    m_fill->setStyleSheet(QLatin1String(on ? kFillOn : kFillOff));
}
