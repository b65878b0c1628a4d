#pragma once

#include "widget/dialogframe.h"

class MouseDevice;
class QAbstractButton;
class QButtonGroup;
class QRadioButton;

// Whether a long press of the wheel button pops up a web page. The choice
// lives in the mouse, so the dialog shows what the mouse last reported.
class WheelSetting : public DialogFrame
{
    Q_OBJECT
public:
    explicit WheelSetting(QWidget *parent = nullptr);

    QRadioButton *popUpChoice() const { return m_popUp; }
    QRadioButton *noPopUpChoice() const { return m_noPopUp; }

public slots:
    void onButtonClicked(QAbstractButton *button);
    void onInfoData();
    void retranslateUi();

protected:
    void changeEvent(QEvent *event) override;

private:
    MouseDevice *m_device = nullptr;
    QButtonGroup *m_group = nullptr;
    QRadioButton *m_popUp = nullptr;
    QRadioButton *m_noPopUp = nullptr;
};
