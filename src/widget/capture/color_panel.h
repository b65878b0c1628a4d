#pragma once

#include <QColor>
#include <QWidget>

class ColorItem;
class PointSizeWidget;
class QPushButton;

// The pen settings shown under the toolbar while a drawing tool is active:
// twenty swatches, the fill toggle, the current colour and the pen width.
class ColorPanel : public QWidget
{
    Q_OBJECT
public:
    static const QColor kSwatches[20];

    ColorPanel(const QColor &color, int width, QWidget *parent = nullptr);

    void setCurrentColor(const QColor &color);
    void setFillShown(bool on);

    ColorItem *currentSwatch() const { return m_current; }
    PointSizeWidget *widthWidget() const { return m_width; }
    QPushButton *fillButton() const { return m_fill; }

signals:
    void colorPicked(const QColor &color);
    void currentColorClicked();
    void fillClicked();
    void widthChanged(int width);

private:
    ColorItem *m_current = nullptr;
    PointSizeWidget *m_width = nullptr;
    QPushButton *m_fill = nullptr;
};
