#pragma once

#include "widget/kit/settingsform.h"

class QComboBox;
class QLabel;
class SearchButton;
class SwitchButton;

// The AI settings page: punctuation and language of speech recognition, the
// voice assistant's web search engine and the typing mode of voice input.
// Every control writes its key at once.
class AiSetting : public SettingsForm
{
    Q_OBJECT
public:
    explicit AiSetting(QWidget *parent = nullptr);

    SwitchButton *punctuationSwitch() const { return m_punctuation; }
    SearchButton *languageButton() const { return m_language; }
    QComboBox *searchEngineBox() const { return m_engine; }
    QComboBox *inputModeBox() const { return m_inputMode; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void selectStoredEngine();
    void selectStoredInputMode();

    QLabel *m_recognitionSection = nullptr;
    QLabel *m_punctuationLabel = nullptr;
    QLabel *m_languageLabel = nullptr;
    QLabel *m_searchSection = nullptr;
    QLabel *m_engineLabel = nullptr;
    QLabel *m_inputSection = nullptr;
    QLabel *m_inputModeLabel = nullptr;
    SwitchButton *m_punctuation = nullptr;
    SearchButton *m_language = nullptr;
    QComboBox *m_engine = nullptr;
    QComboBox *m_inputMode = nullptr;
};
