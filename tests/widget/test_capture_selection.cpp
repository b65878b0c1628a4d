// The capture overlay's rules without a screen: the selection's handles,
// resizing, flipping and moving; the drawing tools; and the picture that
// outputs hand on, cut from the frozen screen at its device resolution.

#include "support/test_pattern.h"
#include "widget/capture/annotations.h"
#include "widget/capture/selection_geometry.h"
#include "widget/capture/selection_picture.h"

#include <QtTest>

using H = SelectionGeometry::Handle;
Q_DECLARE_METATYPE(SelectionGeometry::Handle)
Q_DECLARE_METATYPE(QVector<QPointF>)

namespace {

const QRectF kScreen(0, 0, 1000, 800);
const QRectF kSelection(100, 100, 200, 100);

}  // namespace

class CaptureSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void handleUnderThePointer_data();
    void handleUnderThePointer();
    void draggingAHandle_data();
    void draggingAHandle();
    void draggingOutIsNormalisedAndStaysOnScreen();
    void logicalToDevicePixels_data();
    void logicalToDevicePixels();

    void aClickDoesNotLeaveAShape_data();
    void aClickDoesNotLeaveAShape();
    void rightClickTakesBackOneSegmentOnly();
    void fillUsesThePenColourAtThePress();

    void pictureIsTheFrozenPixelsWithDrawingOnTop();
    void tooSmallSelectionsGiveNoPicture_data();
    void tooSmallSelectionsGiveNoPicture();
};

void CaptureSelectionTest::handleUnderThePointer_data()
{
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<H>("handle");
    QTest::newRow("top-left corner, outside") << QPointF(95, 95) << H::TopLeft;
    QTest::newRow("top edge, 10 px above") << QPointF(200, 90) << H::Top;
    QTest::newRow("just out of reach above") << QPointF(200, 89.9) << H::None;
    QTest::newRow("top-right corner") << QPointF(305, 98) << H::TopRight;
    QTest::newRow("left edge, inside") << QPointF(108, 150) << H::Left;
    QTest::newRow("inside") << QPointF(200, 150) << H::Inside;
    QTest::newRow("right edge") << QPointF(300, 150) << H::Right;
    QTest::newRow("bottom-left corner") << QPointF(100, 200) << H::BottomLeft;
    QTest::newRow("bottom edge") << QPointF(200, 205) << H::Bottom;
    QTest::newRow("bottom-right corner, far reach") << QPointF(310, 210) << H::BottomRight;
    QTest::newRow("right, out of reach") << QPointF(311, 150) << H::None;
}

void CaptureSelectionTest::handleUnderThePointer()
{
    QFETCH(QPointF, pointer);
    QFETCH(H, handle);
    SelectionGeometry geometry(kScreen);
    geometry.start(kSelection.topLeft());
    geometry.extendTo(kSelection.bottomRight());
    QCOMPARE(geometry.handleAt(pointer), handle);
}

void CaptureSelectionTest::draggingAHandle_data()
{
    QTest::addColumn<QRectF>("start");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QVector<QPointF>>("moves");
    QTest::addColumn<QRectF>("expected");
    QTest::addColumn<H>("handleAfter");
    QTest::newRow("right edge wider") << kSelection << QPointF(298, 150) << QVector<QPointF>{{348, 170}}
                                      << QRectF(100, 100, 250, 100) << H::Right;
    QTest::newRow("right edge past the left one")
        << kSelection << QPointF(300, 150) << QVector<QPointF>{{50, 150}} << QRectF(50, 100, 50, 100)
        << H::Left;
    QTest::newRow("after the flip the left edge follows")
        << kSelection << QPointF(300, 150) << QVector<QPointF>{{50, 150}, {20, 150}}
        << QRectF(20, 100, 80, 100) << H::Left;
    QTest::newRow("top-left corner past the bottom-right")
        << kSelection << QPointF(100, 100) << QVector<QPointF>{{400, 260}} << QRectF(300, 200, 100, 60)
        << H::BottomRight;
    QTest::newRow("bottom edge past the top") << kSelection << QPointF(200, 200)
                                              << QVector<QPointF>{{200, 40}} << QRectF(100, 40, 200, 60)
                                              << H::Top;
    QTest::newRow("top edge moves only vertically")
        << kSelection << QPointF(200, 100) << QVector<QPointF>{{260, 80}} << QRectF(100, 80, 200, 120)
        << H::Top;
    QTest::newRow("moving") << kSelection << QPointF(200, 150) << QVector<QPointF>{{250, 170}}
                            << QRectF(150, 120, 200, 100) << H::Inside;
    QTest::newRow("moving stops at the right edge of the screen, not downward")
        << QRectF(750, 100, 200, 100) << QPointF(850, 150) << QVector<QPointF>{{950, 160}}
        << QRectF(750, 110, 200, 100) << H::Inside;
    QTest::newRow("moving stops at the top of the screen")
        << QRectF(100, 10, 200, 100) << QPointF(200, 50) << QVector<QPointF>{{210, 20}}
        << QRectF(110, 10, 200, 100) << H::Inside;
    QTest::newRow("resizing stops at the screen's edge")
        << kSelection << QPointF(300, 150) << QVector<QPointF>{{1300, 150}} << QRectF(100, 100, 900, 100)
        << H::Right;
}

void CaptureSelectionTest::draggingAHandle()
{
    QFETCH(QRectF, start);
    QFETCH(QPointF, press);
    QFETCH(QVector<QPointF>, moves);
    QFETCH(QRectF, expected);
    QFETCH(H, handleAfter);
    SelectionGeometry geometry(kScreen);
    geometry.start(start.topLeft());
    geometry.extendTo(start.bottomRight());
    geometry.beginAdjust(geometry.handleAt(press), press);
    for (const QPointF &p : moves)
        geometry.adjustTo(p);
    QCOMPARE(geometry.rect(), expected);
    QCOMPARE(geometry.activeHandle(), handleAfter);
}

void CaptureSelectionTest::draggingOutIsNormalisedAndStaysOnScreen()
{
    SelectionGeometry geometry(kScreen);
    geometry.start(QPointF(300, 200));
    geometry.extendTo(QPointF(100, 120));
    QCOMPARE(geometry.rect(), QRectF(100, 120, 200, 80));
    geometry.extendTo(QPointF(-50, 900));
    QCOMPARE(geometry.rect(), QRectF(0, 200, 300, 600));
}

void CaptureSelectionTest::logicalToDevicePixels_data()
{
    QTest::addColumn<QRectF>("logical");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRect>("device");
    QTest::newRow("scale 1") << QRectF(10, 20, 30, 40) << 1.0 << QRect(10, 20, 30, 40);
    QTest::newRow("half pixels at scale 2") << QRectF(50.5, 20.5, 100, 50) << 2.0 << QRect(101, 41, 200, 100);
    QTest::newRow("scale 1.5 rounds outward") << QRectF(10.2, 10.2, 10, 10) << 1.5 << QRect(15, 15, 16, 16);
    QTest::newRow("thirds do not grow a pixel") << QRectF(1.0 / 3, 1.0 / 3, 1.0 / 3, 1.0 / 3) << 3.0
                                                << QRect(1, 1, 1, 1);
    QTest::newRow("cut at the picture's edge") << QRectF(500, 0, 100, 10) << 2.0 << QRect(1000, 0, 24, 20);
    QTest::newRow("no size") << QRectF(10, 10, 0, 0) << 2.0 << QRect();
}

void CaptureSelectionTest::logicalToDevicePixels()
{
    QFETCH(QRectF, logical);
    QFETCH(qreal, ratio);
    QFETCH(QRect, device);
    const QRect got = SelectionGeometry::toDevice(logical, ratio, QSize(1024, 768));
    if (device.isNull())
        QVERIFY(got.isEmpty());
    else
        QCOMPARE(got, device);
}

void CaptureSelectionTest::aClickDoesNotLeaveAShape_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPointF>("release");
    QTest::addColumn<int>("shapes");
    QTest::newRow("rectangle, click") << int(CaptureTool::Rect) << QPointF(10, 10) << 0;
    QTest::newRow("rectangle, within 0.001") << int(CaptureTool::Rect) << QPointF(10.0005, 10) << 0;
    QTest::newRow("rectangle, dragged") << int(CaptureTool::Rect) << QPointF(40, 30) << 1;
    QTest::newRow("rectangle, dragged up-left") << int(CaptureTool::Rect) << QPointF(2, 3) << 1;
    QTest::newRow("ellipse, click") << int(CaptureTool::Ellipse) << QPointF(10, 10) << 0;
    QTest::newRow("ellipse, dragged") << int(CaptureTool::Ellipse) << QPointF(10, 30) << 1;
}

void CaptureSelectionTest::aClickDoesNotLeaveAShape()
{
    QFETCH(int, tool);
    QFETCH(QPointF, release);
    QFETCH(int, shapes);
    Annotations notes;
    notes.toggleTool(CaptureTool(tool));
    notes.press(QPointF(10, 10));
    notes.dragTo(release);
    notes.release(release);
    const auto &list = tool == int(CaptureTool::Rect) ? notes.rects() : notes.ellipses();
    QCOMPARE(list.size(), shapes);
    if (shapes)
        QCOMPARE(list.first().rect.normalized(), QRectF(QPointF(10, 10), release).normalized());
    QVERIFY(notes.segments().isEmpty());
}

void CaptureSelectionTest::rightClickTakesBackOneSegmentOnly()
{
    Annotations notes;
    notes.toggleTool(CaptureTool::Line);
    for (int i = 0; i < 2; ++i) {
        notes.press(QPointF(i, 0));
        notes.dragTo(QPointF(i, 50));
        notes.release(QPointF(i, 50));
    }
    QCOMPARE(notes.segments().size(), 2);
    QVERIFY(notes.removeLastSegment());
    QCOMPARE(notes.lastPress(), QPointF(-10, -10));
    QVERIFY(!notes.removeLastSegment());
    QCOMPARE(notes.segments().size(), 1);
    QCOMPARE(notes.segments().first().to, QPointF(0, 50));

    notes.press(QPointF(5, 5));  // a new segment allows one more removal
    notes.release(QPointF(6, 6));
    QVERIFY(notes.removeLastSegment());
    QVERIFY(notes.removeLastSegment() == false);
    QCOMPARE(notes.segments().size(), 1);
}

void CaptureSelectionTest::fillUsesThePenColourAtThePress()
{
    Annotations notes;
    notes.toggleTool(CaptureTool::Ellipse);
    notes.press(QPointF(0, 0));
    notes.release(QPointF(5, 5));
    notes.setColor(Qt::red);
    notes.setFill(true);
    notes.press(QPointF(10, 10));
    notes.release(QPointF(20, 20));
    notes.setColor(Qt::blue);
    QCOMPARE(notes.ellipses().size(), 2);
    QCOMPARE(notes.ellipses().at(0).brush.style(), Qt::NoBrush);
    QCOMPARE(notes.ellipses().at(1).brush, QBrush(Qt::red));
    QCOMPARE(notes.ellipses().at(1).pen.color(), QColor(Qt::red));
}

void CaptureSelectionTest::pictureIsTheFrozenPixelsWithDrawingOnTop()
{
    // A screen of 512 x 384 logical pixels at scale 2.
    QImage frozen = TestPattern::image(QSize(1024, 768));
    frozen.setDevicePixelRatio(2);
    Annotations notes;
    notes.toggleTool(CaptureTool::Rect);
    notes.setColor(Qt::red);
    notes.press(QPointF(15, 8));
    notes.release(QPointF(25, 12));

    const QImage picture = SelectionPicture::compose(frozen, QRectF(10.5, 5, 20, 10), notes);
    QCOMPARE(picture.size(), QSize(40, 20));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    // The rectangle's left side runs through logical (15, 10): device (9, 10) here.
    QCOMPARE(QColor(picture.pixel(9, 10)), QColor(Qt::red));
    // Everything away from the drawing is the screen's own pixel.
    for (const QPoint &p : {QPoint(0, 0), QPoint(39, 19), QPoint(2, 15), QPoint(20, 10)})
        QCOMPARE(picture.pixel(p), TestPattern::colorAt(21 + p.x(), 10 + p.y()));
    // The frozen picture itself is untouched.
    QCOMPARE(frozen.pixel(30, 20), TestPattern::colorAt(30, 20));
}

void CaptureSelectionTest::tooSmallSelectionsGiveNoPicture_data()
{
    QTest::addColumn<QRectF>("selection");
    QTest::addColumn<bool>("usable");
    QTest::newRow("click") << QRectF(10, 10, 0, 0) << false;
    QTest::newRow("one pixel wide") << QRectF(10, 10, 0.5, 5) << false;
    QTest::newRow("two by two pixels") << QRectF(10, 10, 1, 1) << true;
}

void CaptureSelectionTest::tooSmallSelectionsGiveNoPicture()
{
    QFETCH(QRectF, selection);
    QFETCH(bool, usable);
    QImage frozen(200, 200, QImage::Format_RGB32);
    frozen.fill(Qt::green);
    frozen.setDevicePixelRatio(2);
    QCOMPARE(SelectionPicture::isUsable(SelectionPicture::compose(frozen, selection, Annotations())), usable);
}

QTEST_MAIN(CaptureSelectionTest)
#include "test_capture_selection.moc"
