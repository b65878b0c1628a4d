#pragma once

#include <QWidget>

class QPropertyAnimation;
class QPushButton;

// The small translate button that pops up beside the pointer after text was
// selected in another application. Like the result window it never takes
// the keyboard focus, so the selection's window stays active; it fades out
// and hides by itself unless pressed.
class FloatingTranslateButton : public QWidget
{
    Q_OBJECT
public:
    explicit FloatingTranslateButton(QWidget *parent = nullptr);

    // Shows the button beside pointer (screen coordinates) and restarts the fade.
    void popUpAt(const QPoint &pointer);
    // Where a button of size × size goes: above and right of the pointer,
    // kept inside available; below the pointer near the top edge.
    static QPoint placement(const QPoint &pointer, int size, const QRect &available);

    void setFadeMs(int ms);
    QPushButton *button() const { return m_button; }

    static constexpr int kIconSize = 32;
    static constexpr int kFadeMs = 4000;
    static constexpr int kOffset = 10;

signals:
    void clicked();

private:
    QPushButton *m_button = nullptr;
    QPropertyAnimation *m_fade = nullptr;
};
