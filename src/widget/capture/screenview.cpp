#include "screenview.h"

#include "capture_toolbar.h"
#include "color_panel.h"
#include "imageview.h"
#include "localconfig.h"
#include "picture_upload.h"
#include "selection_picture.h"
#include "textpaint.h"
#include "utils/app_paths.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QDebug>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QScreen>
#include <QWindow>

namespace {

// Where the pointer is, to the fraction of a logical pixel: on a scaled
// screen the widget's own position is rounded and would shift the selection
// by a device pixel. The overlay is its window, so window coordinates are ours.
QPointF pointerOf(const QMouseEvent *event)
{
    return event->windowPos();
}

}  // namespace

ScreenView::ScreenView(QScreen *screen, const LocalConfig *config, QWidget *parent)
    : QWidget(parent), m_screen(screen), m_config(config)
{
    // Bypassing the window manager lets the overlay cover panels and docks.
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // Every pixel is painted from the frozen picture: no background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);

    m_sizeLabel = new QLabel(this);
    m_sizeLabel->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 50%);color: white;"));
    m_sizeLabel->setAlignment(Qt::AlignCenter);
    m_sizeLabel->setFont(QFont(QStringLiteral("Microsoft YaHei")));
    m_sizeLabel->hide();

    m_toolBar = new CaptureToolBar(this);
    m_toolBar->hide();
    connect(m_toolBar, &CaptureToolBar::copyClicked, this, &ScreenView::copyImage);
    connect(m_toolBar, &CaptureToolBar::saveClicked, this, &ScreenView::saveImage);
    connect(m_toolBar, &CaptureToolBar::toolClicked, this, &ScreenView::selectTool);
    connect(m_toolBar, &CaptureToolBar::ocrTextClicked, this, &ScreenView::ocrText);
    connect(m_toolBar, &CaptureToolBar::ocrTransferClicked, this, &ScreenView::ocrTransfer);

    m_colorPanel = new ColorPanel(m_annotations.color(), m_annotations.width(), this);
    m_colorPanel->hide();
    connect(m_colorPanel, &ColorPanel::colorPicked, this, &ScreenView::colorItemChanged);
    connect(m_colorPanel, &ColorPanel::currentColorClicked, this, &ScreenView::colorSelection);
    connect(m_colorPanel, &ColorPanel::fillClicked, this, &ScreenView::btnBrushClicked);
    connect(m_colorPanel, &ColorPanel::widthChanged, this, &ScreenView::pointSizeChanged);
}

void ScreenView::setFrozenPicture(const QImage &frozen)
{
    const qreal ratio = frozen.devicePixelRatio();
    m_frozen = frozen.convertToFormat(QImage::Format_RGB32);
    m_frozen.setDevicePixelRatio(ratio);
    m_veiled = m_frozen.copy();
    m_veiled.setDevicePixelRatio(1);
    QPainter painter(&m_veiled);
    painter.fillRect(m_veiled.rect(), QColor(0, 0, 0, kVeilAlpha));
    painter.end();
    m_veiled.setDevicePixelRatio(ratio);
}

void ScreenView::placeOnScreen()
{
    // Separate X screens share coordinates: the window must be told its screen.
    createWinId();
    windowHandle()->setScreen(m_screen);
    setGeometry(m_screen->geometry());
    m_geometry = SelectionGeometry(QRectF(QPointF(0, 0), QSizeF(m_screen->geometry().size())));
}

void ScreenView::takeKeyboard()
{
    activateWindow();
    grabKeyboard();
}

QRect ScreenView::deviceSelection() const
{
    return SelectionGeometry::toDevice(m_geometry.rect(), m_frozen.devicePixelRatio(), m_frozen.size());
}

void ScreenView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_veiled);
    if (m_state == NothingSelected)
        return;
    // Exactly the device pixels an output takes, undimmed.
    const qreal ratio = m_frozen.devicePixelRatio();
    const QRect device = deviceSelection();
    const QRectF shown(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio);
    if (!device.isEmpty())
        painter.drawImage(shown, m_frozen, device);
    // The border frames the selection from outside, hiding none of it.
    const qreal half = kBorderWidth / 2.0;
    painter.setPen(QPen(Qt::gray, kBorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shown.adjusted(-half, -half, half, half));
    if (m_state == Selected) {
        painter.setClipRect(shown);
        m_annotations.paintShapes(painter);
    }
}

void ScreenView::selectionChanged()
{
    const QRect device = deviceSelection();
    m_sizeLabel->setText(QStringLiteral("%1 × %2").arg(device.width()).arg(device.height()));
    m_sizeLabel->adjustSize();
    const QPoint corner = m_geometry.rect().topLeft().toPoint();
    const int above = corner.y() - m_sizeLabel->height() - kBorderWidth;
    m_sizeLabel->move(corner.x(), above >= 0 ? above : corner.y());
    m_sizeLabel->show();
    if (m_toolBar->isVisible())
        placeToolBar();
    update();
}

void ScreenView::placeToolBar()
{
    const QRectF sel = m_geometry.rect();
    const int w = m_toolBar->width(), h = m_toolBar->height();
    const int x = qBound(0, qRound(sel.left()), qMax(0, width() - w));
    // The gap is counted from the border, which lies outside the selection.
    int y = qRound(sel.bottom()) + kBorderWidth + kToolBarGap;
    // No room below: above the selection, else inside its bottom edge.
    if (y + h > height())
        y = qRound(sel.top()) - kBorderWidth - kToolBarGap - h;
    if (y < 0)
        y = height() - h;
    m_toolBar->move(x, y);
    m_toolBar->show();
    m_toolBar->raise();
    if (m_colorPanel->isVisible())
        placeColorPanel();
}

void ScreenView::placeColorPanel()
{
    const int w = m_colorPanel->width(), h = m_colorPanel->height();
    const int x = qBound(0, qRound(m_geometry.rect().left()), qMax(0, width() - w));
    int y = m_toolBar->y() + m_toolBar->height() + kPanelGap;
    if (y + h > height())
        y = m_toolBar->y() - kPanelGap - h;
    m_colorPanel->move(x, qMax(0, y));
    m_colorPanel->show();
    m_colorPanel->raise();
}

void ScreenView::updateCursor(const QPointF &pointer)
{
    const SelectionGeometry::Handle handle = m_geometry.handleAt(pointer);
    if (m_annotations.tool() != CaptureTool::None) {
        // Drawing: edges cannot be dragged, the inside is for the pen.
        const bool edge = handle != SelectionGeometry::None && handle != SelectionGeometry::Inside;
        setCursor(edge ? Qt::IBeamCursor : Qt::ArrowCursor);
        return;
    }
    switch (handle) {
    case SelectionGeometry::TopLeft:
    case SelectionGeometry::BottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case SelectionGeometry::TopRight:
    case SelectionGeometry::BottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case SelectionGeometry::Top:
    case SelectionGeometry::Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case SelectionGeometry::Left:
    case SelectionGeometry::Right:
        setCursor(Qt::SizeHorCursor);
        break;
    case SelectionGeometry::Inside:
        setCursor(Qt::SizeAllCursor);
        break;
    case SelectionGeometry::None:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void ScreenView::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = pointerOf(event);
    if (event->button() == Qt::LeftButton) {
        if (m_state == NothingSelected) {
            m_geometry.start(p);
            m_state = Dragging;
            takeKeyboard();
            emit selectionStarted();
            selectionChanged();
        } else if (m_state == Selected) {
            const SelectionGeometry::Handle handle = m_geometry.handleAt(p);
            if (m_annotations.tool() == CaptureTool::None) {
                if (handle != SelectionGeometry::None) {
                    qDebug() << "adjustShotScreen";
                    m_geometry.beginAdjust(handle, p);
                    m_adjusting = true;
                }
            } else if (handle == SelectionGeometry::Inside) {
                if (m_annotations.tool() == CaptureTool::Text) {
                    placeText(p);
                } else {
                    m_annotations.press(p);
                    m_drawing = true;
                    update();
                }
            }
        }
    } else if (event->button() == Qt::RightButton) {
        if (m_annotations.tool() == CaptureTool::Line) {
            if (m_annotations.removeLastSegment())
                update();
        } else {
            finish();
        }
    } else if (event->button() == Qt::MiddleButton && m_state == Selected) {
        pin();
    }
}

void ScreenView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = pointerOf(event);
    if (m_state == Dragging && (event->buttons() & Qt::LeftButton)) {
        m_geometry.extendTo(p);
        selectionChanged();
    } else if (m_state == Selected) {
        if (m_adjusting) {
            m_geometry.adjustTo(p);
            selectionChanged();
        } else if (m_drawing) {
            m_annotations.dragTo(p);
            update();
        } else if (event->buttons() == Qt::NoButton) {
            updateCursor(p);
        }
    }
}

void ScreenView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF p = pointerOf(event);
    if (m_state == Dragging) {
        m_geometry.extendTo(p);
        m_state = Selected;
        selectionChanged();
        placeToolBar();
    } else if (m_adjusting) {
        m_adjusting = false;
        placeToolBar();
    } else if (m_drawing) {
        m_annotations.release(p);
        m_drawing = false;
        update();
    }
}

void ScreenView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        finish();
        return;
    }
    if (m_state != Selected) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        copyImage();
        break;
    case Qt::Key_S:
        saveImage();
        break;
    case Qt::Key_O:
        ocrText();
        break;
    case Qt::Key_U:
        uploadPicGo();
        break;
    case Qt::Key_L:
        drawLine();
        break;
    case Qt::Key_P:
        drawRect();
        break;
    case Qt::Key_M:
        drawEllipse();
        break;
    case Qt::Key_T:
        drawTextStatus();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ScreenView::selectTool(CaptureTool tool)
{
    const CaptureTool now = m_annotations.toggleTool(tool);
    m_toolBar->setActiveTool(now);
    if (now == CaptureTool::None)
        m_colorPanel->hide();
    else
        placeColorPanel();
    updateCursor(mapFromGlobal(QCursor::pos()));
}

void ScreenView::drawLine() { selectTool(CaptureTool::Line); }
void ScreenView::drawRect() { selectTool(CaptureTool::Rect); }
void ScreenView::drawEllipse() { selectTool(CaptureTool::Ellipse); }
void ScreenView::drawTextStatus() { selectTool(CaptureTool::Text); }

void ScreenView::placeText(const QPointF &point)
{
    auto *note = new TextPaint(m_annotations.color(), this);
    note->move(point.toPoint());
    const int index = m_annotations.addText(QRectF(note->geometry()), note->font());
    connect(note, &TextPaint::changed, this, [this, note, index] {
        m_annotations.setText(index, QRectF(note->geometry()), note->text());
    });
    note->show();
    note->setFocus();
}

void ScreenView::colorItemChanged(const QColor &color)
{
    m_annotations.setColor(color);
    m_colorPanel->setCurrentColor(color);
}

template <typename Dialog>
int ScreenView::runDialog(Dialog &dialog)
{
    // The overlay holds the keyboard; the dialog needs it while it is open.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    releaseKeyboard();
    const int result = dialog.exec();
    takeKeyboard();
    return result;
}

void ScreenView::colorSelection()
{
    QColorDialog dialog(m_annotations.color(), this);
    dialog.setWindowTitle(tr("选择颜色"));
    if (runDialog(dialog) == QDialog::Accepted && dialog.selectedColor().isValid())
        colorItemChanged(dialog.selectedColor());
}

void ScreenView::pointSizeChanged(int width)
{
    m_annotations.setWidth(width);
}

void ScreenView::btnBrushClicked()
{
    m_annotations.setFill(!m_annotations.fill());
    m_colorPanel->setFillShown(m_annotations.fill());
}

bool ScreenView::takeSelectionPicture()
{
    m_picture = SelectionPicture::compose(m_frozen, m_geometry.rect(), m_annotations);
    if (SelectionPicture::isUsable(m_picture))
        return true;
    qWarning() << "selection too small:" << m_geometry.rect();
    emit captureFailed(tr("选区太小，请先拖出要截取的区域"));
    finish();
    return false;
}

void ScreenView::copyImage()
{
    if (!takeSelectionPicture())
        return;
    QApplication::clipboard()->setImage(m_picture);
    finish();
}

void ScreenView::saveImage()
{
    if (!takeSelectionPicture())
        return;
    const QString name = QStringLiteral("./ScreenShot_")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss"))
                         + QStringLiteral(".jpg");
    QFileDialog dialog(this, tr("保存图片"), name,
                       QStringLiteral("JPEG File (*.jpg);;BMP File (*.bmp);;PNG File (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;  // cancelled: the selection stays for another try
    const QString file = dialog.selectedFiles().constFirst();
    if (!m_picture.save(file))
        qWarning() << "could not save the picture to" << file;
    finish();
}

void ScreenView::deliverForRecognition(int kind)
{
    if (!takeSelectionPicture())
        return;
    // Written whole or not at all: the recogniser never reads half a picture.
    QSaveFile file(AppPaths::inDataDir(QStringLiteral("ocr.png")));
    if (!file.open(QIODevice::WriteOnly) || !m_picture.save(&file, "PNG") || !file.commit()) {
        qWarning() << "could not write" << file.fileName() << file.errorString();
        emit captureFailed(tr("无法保存截图"));
        finish();
        return;
    }
    emit onSignalsTransferButtonClicked(kind);
    finish();
}

void ScreenView::ocrText()
{
    qInfo() << "点击OCR";
    deliverForRecognition(2);
}

void ScreenView::ocrTransfer()
{
    qInfo() << "点击翻译";
    deliverForRecognition(1);
}

void ScreenView::uploadPicGo()
{
    if (!takeSelectionPicture())
        return;
    QApplication::clipboard()->setImage(m_picture);
    // Escape still works while the service is asked; then nothing is left to do.
    const QPointer<ScreenView> self(this);
    const QString link = PictureUpload::upload();
    if (!self)
        return;
    const QString text = PictureUpload::clipboardText(link, m_config && m_config->copyWithMd);
    QApplication::clipboard()->setText(text);
    qInfo() << "upload link:" << text;
    finish();
}

void ScreenView::pin()
{
    if (!takeSelectionPicture())
        return;
    const qreal ratio = m_picture.devicePixelRatio();
    const QRect device = deviceSelection();
    const QPoint topLeft = mapToGlobal((QPointF(device.topLeft()) / ratio).toPoint());
    const QSize size = (QSizeF(m_picture.size()) / ratio).toSize();
    auto *view = new ImageView(m_picture);
    view->createWinId();
    view->windowHandle()->setScreen(m_screen);
    view->setGeometry(QRect(topLeft, size).adjusted(-kPinMargin, -kPinMargin, kPinMargin, kPinMargin));
    view->show();
    finish();
}

void ScreenView::finish()
{
    emit closeAllRequested();
    // On its own, without anyone closing the overlays for it.
    if (isVisible())
        close();
}
