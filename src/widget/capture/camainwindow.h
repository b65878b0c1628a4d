#pragma once

#include "localconfig.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class ScreenView;

// The screen capture tool. Never shown itself: startScreen() freezes every
// screen and covers each with a ScreenView; the overlay's request to
// recognise the captured text is relayed as onSignalsTransferButtonClicked.
// GUI thread only.
class CaMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CaMainWindow(QWidget *parent = nullptr);
    ~CaMainWindow() override;

    // Opens the overlays; does nothing while a capture is already open.
    void startScreen();
    // The overlays still open.
    QList<ScreenView *> overlays() const;
    const LocalConfig &config() const { return m_config; }

public slots:
    void onTransferButtonClicked(int value);

signals:
    // 2: recognise the text of ocr.png; any other value: recognise and translate.
    void onSignalsTransferButtonClicked(int value);
    // The capture ended without a picture; message is for the user.
    void captureFailed(const QString &message);

private:
    void closeOthers(ScreenView *keep);

    LocalConfig m_config;
    QList<QPointer<ScreenView>> m_overlays;
};
