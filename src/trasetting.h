#pragma once

#include "widget/kit/settingsform.h"

class QLabel;
class SearchButton;
class SwitchButton;

// The translation settings page: the languages of voice, selected-text and
// screenshot translation, the selected-text switch and the screenshot hot-key
// switch. Every control writes its key at once.
//
// Selected-text capture itself lives elsewhere: whoever owns the global mouse
// hook applies screenwordOn() at start and follows screenwordChanged().
class TraSetting : public SettingsForm
{
    Q_OBJECT
public:
    explicit TraSetting(QWidget *parent = nullptr);

    bool screenwordOn() const;
    SwitchButton *screenwordSwitch() const { return m_screenword; }
    SwitchButton *ocrKeySwitch() const { return m_ocrKey; }
    QList<SearchButton *> languageButtons() const { return m_buttons; }

signals:
    void screenwordChanged(bool on);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QList<QLabel *> m_sections;
    QList<QLabel *> m_sourceLabels;
    QList<QLabel *> m_targetLabels;
    QList<SearchButton *> m_buttons;
    QLabel *m_screenwordLabel = nullptr;
    QLabel *m_ocrKeyLabel = nullptr;
    QLabel *m_ocrKeyHint = nullptr;
    SwitchButton *m_screenword = nullptr;
    SwitchButton *m_ocrKey = nullptr;
};
