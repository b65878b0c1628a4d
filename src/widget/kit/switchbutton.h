#pragma once

#include <QAbstractButton>

// The on/off switch of the settings pages: a checkable button drawn as a
// sliding knob. Toggled by click or Space like any checkable button.
class SwitchButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit SwitchButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_keyboardFocus = false;  // the ring only for keyboard users
};
