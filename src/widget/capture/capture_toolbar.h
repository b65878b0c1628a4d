#pragma once

#include "annotations.h"

#include <QWidget>

class QPushButton;

// The row of buttons under a finished selection: copy, save, the four
// drawing tools, text recognition and translation.
class CaptureToolBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kButtonSize = 50;
    static constexpr int kIconSize = 32;
    static constexpr int kButtonCount = 8;

    explicit CaptureToolBar(QWidget *parent = nullptr);

    // Highlights the active tool's button (None: none is).
    void setActiveTool(CaptureTool tool);
    QPushButton *button(int index) const;

    static QString iconPath(const QString &name);

signals:
    void copyClicked();
    void saveClicked();
    void toolClicked(CaptureTool tool);
    void ocrTextClicked();
    void ocrTransferClicked();

private:
    QPushButton *addButton(const QString &icon, const QString &toolTip);

    QList<QPushButton *> m_buttons;
};
