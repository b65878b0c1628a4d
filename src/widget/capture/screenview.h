#pragma once

#include "annotations.h"
#include "selection_geometry.h"

#include <QImage>
#include <QWidget>

class CaptureToolBar;
class ColorPanel;
class LocalConfig;
class QLabel;
class QScreen;

// The capture overlay of one screen: shows that screen frozen under a dark
// veil, lets the user drag out and adjust a selection, draw on it, and hand
// the selected picture on (clipboard, file, pin, upload, text recognition).
// Lives from the start of a capture until an output, Escape or a cancel
// closes it; closing deletes it. GUI thread only.
class ScreenView : public QWidget
{
    Q_OBJECT
public:
    enum CaptureState { NothingSelected = 0, Dragging = 1, Selected = 2 };
    static constexpr int kVeilAlpha = 160;
    static constexpr int kBorderWidth = 5;
    static constexpr int kToolBarGap = 4;
    static constexpr int kPanelGap = 6;
    static constexpr int kPinMargin = 6;

    ScreenView(QScreen *screen, const LocalConfig *config, QWidget *parent = nullptr);

    // The whole screen as grabbed, in device pixels with its pixel ratio set.
    // The veiled copy is made here once, so painting only copies pixels.
    void setFrozenPicture(const QImage &frozen);
    // Covers the screen (its own X screen too, where screens are separate).
    void placeOnScreen();

    QScreen *targetScreen() const { return m_screen; }
    CaptureState captureState() const { return m_state; }
    QRectF selection() const { return m_geometry.rect(); }
    const Annotations &annotations() const { return m_annotations; }
    // The picture the last output handed on.
    QImage selectionPicture() const { return m_picture; }
    CaptureToolBar *toolBar() const { return m_toolBar; }
    ColorPanel *colorPanel() const { return m_colorPanel; }
    QLabel *sizeLabel() const { return m_sizeLabel; }

    // Keys go to the overlay the user works on, even without a window manager.
    void takeKeyboard();

signals:
    // 2: recognise the text of ocr.png; 1: recognise and translate it.
    void onSignalsTransferButtonClicked(int value);
    // The first press of a selection: the other screens' overlays go away.
    void selectionStarted();
    void closeAllRequested();
    void captureFailed(const QString &message);

public slots:
    void copyImage();
    void saveImage();
    void drawLine();
    void drawRect();
    void drawEllipse();
    void drawTextStatus();
    void colorItemChanged(const QColor &color);
    void colorSelection();
    void pointSizeChanged(int width);
    void btnBrushClicked();
    void uploadPicGo();
    void ocrText();
    void ocrTransfer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void selectTool(CaptureTool tool);
    void placeText(const QPointF &point);
    void pin();
    void selectionChanged();
    void placeToolBar();
    void placeColorPanel();
    void updateCursor(const QPointF &pointer);
    QRect deviceSelection() const;
    // Takes the selection picture; false (and the user told) when it is empty.
    bool takeSelectionPicture();
    void deliverForRecognition(int kind);
    void finish();
    template <typename Dialog> int runDialog(Dialog &dialog);

    QScreen *m_screen;
    const LocalConfig *m_config;
    QImage m_frozen;
    QImage m_veiled;
    QImage m_picture;
    CaptureState m_state = NothingSelected;
    SelectionGeometry m_geometry;
    Annotations m_annotations;
    bool m_adjusting = false;
    bool m_drawing = false;
    CaptureToolBar *m_toolBar;
    ColorPanel *m_colorPanel;
    QLabel *m_sizeLabel;
};
