#pragma once

#include <QColor>
#include <QLabel>

// One colour swatch of the capture tool's colour panel.
class ColorItem : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kSize = 25;

    explicit ColorItem(const QColor &color, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void itemClicked(const QColor &color);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_color;
    bool m_hovered = false;
};
