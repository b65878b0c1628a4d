#pragma once

#include <QMainWindow>

// A main window that draws its own title bar: frameless, translucent
// background, dragged by its header and resized from a thin border.
class FramelessWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit FramelessWindow(QWidget *parent = nullptr);

    // Widgets that move the window when dragged (the header).
    void addDragArea(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Qt::Edges edgesAt(const QPoint &pos) const;

    int m_borderWidth = 4;
    QList<QWidget *> m_dragAreas;
};
