#pragma once

#include <QWidget>

#include <memory>

class FunControlCenter;
class MouseDevice;
class PlayPcmAudio;
class QPushButton;
class QTextEdit;
class SwitchButton;

// The diagnostics page's test buttons: the mouse's link, information,
// wheel and DPI, voice capture and its files, and the dictation and meeting
// recognisers driven by hand. GUI thread; playback runs on its own thread.
class DiagnosticsPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCloseDelayMs = 1000;

    DiagnosticsPanel(MouseDevice *device, std::shared_ptr<FunControlCenter> center,
                     QWidget *parent = nullptr);
    ~DiagnosticsPanel() override;

    // The connect button's text follows the link.
    void setLinked(bool linked);

signals:
    void logWindowRequested();
    // A line for the page's status label.
    void status(QString text);

public slots:
    void playback();

protected:
    void changeEvent(QEvent *event) override;

private:
    QPushButton *addButton(const char *objectName, void (DiagnosticsPanel::*slot)());
    void retranslateUi();
    void toggleLink();
    void queryInfo();
    void startRecording();
    void decodeRaw();
    void pcmToWavFile();
    void startDictation();
    void stopDictation();
    void startTranslationDictation();
    void stopTranslationDictation();
    void beginDictation();

    MouseDevice *m_device;
    std::shared_ptr<FunControlCenter> m_center;
    QVector<QPushButton *> m_buttons;  // in the order retranslateUi names them
    QPushButton *m_connect = nullptr;
    SwitchButton *m_saveSegments = nullptr;
    QTextEdit *m_recognised = nullptr;
    PlayPcmAudio *m_player = nullptr;
    bool m_linked = false;
};
