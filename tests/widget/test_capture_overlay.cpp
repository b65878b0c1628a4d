// One capture overlay on the offscreen screen, used with mouse and keys:
// what it paints, how tools and the colour panel follow the keys, and what
// the right and middle buttons and the recognition outputs do.

#include "support/test_pattern.h"
#include "widget/capture/capture_toolbar.h"
#include "widget/capture/color_panel.h"
#include "widget/capture/imageview.h"
#include "widget/capture/localconfig.h"
#include "widget/capture/screenview.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QRect kSelection(100, 100, 200, 150);

QString ocrFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ocr.png");
}

}  // namespace

class CaptureOverlayTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void paintsVeilBorderAndTheSelectionUndimmed();
    void keysPickAndPutAwayTools_data();
    void keysPickAndPutAwayTools();
    void rightButtonCancelsUnlessDrawingLines_data();
    void rightButtonCancelsUnlessDrawingLines();
    void middleButtonPinsThePicture();
    void recognitionOutputsWriteTheFileAndSayWhich_data();
    void recognitionOutputsWriteTheFileAndSayWhich();

private:
    void select();

    LocalConfig m_config{QDir::temp().filePath(QStringLiteral("capture-overlay-test-config"))};
    QPointer<ScreenView> m_view;
};

void CaptureOverlayTest::init()
{
    QFile::remove(ocrFile());
    QScreen *screen = QGuiApplication::primaryScreen();
    m_view = new ScreenView(screen, &m_config);
    QImage frozen = TestPattern::image(screen->geometry().size());
    m_view->setFrozenPicture(frozen);
    m_view->placeOnScreen();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void CaptureOverlayTest::cleanup()
{
    delete m_view.data();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<ImageView *>(w))
            delete w;
    }
}

void CaptureOverlayTest::select()
{
    QTest::mousePress(m_view, Qt::LeftButton, {}, kSelection.topLeft());
    QTest::mouseMove(m_view, QPoint(200, 180));
    QTest::mouseMove(m_view, kSelection.topLeft() + QPoint(kSelection.width(), kSelection.height()));
    QTest::mouseRelease(m_view, Qt::LeftButton, {},
                        kSelection.topLeft() + QPoint(kSelection.width(), kSelection.height()));
    QCOMPARE(m_view->captureState(), ScreenView::Selected);
}

void CaptureOverlayTest::paintsVeilBorderAndTheSelectionUndimmed()
{
    select();
    const QImage shown = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Outside: the screen under a black veil of alpha 160.
    for (const QPoint &p : {QPoint(20, 30), QPoint(400, 400)}) {
        const QColor under(TestPattern::colorAt(p.x(), p.y()));
        const QColor got(shown.pixel(p));
        QVERIFY(qAbs(got.red() - under.red() * 95 / 255) <= 1);
        QVERIFY(qAbs(got.green() - under.green() * 95 / 255) <= 1);
        QVERIFY(qAbs(got.blue() - under.blue() * 95 / 255) <= 1);
    }
    // Inside, up to its edge pixels: the screen itself.
    for (const QPoint &p : {kSelection.topLeft(), kSelection.center(), kSelection.bottomRight()})
        QCOMPARE(shown.pixel(p), TestPattern::colorAt(p.x(), p.y()));
    // The grey border lies just outside.
    QCOMPARE(QColor(shown.pixel(kSelection.left() - 3, kSelection.center().y())), QColor(Qt::gray));
    QCOMPARE(m_view->sizeLabel()->text(), QStringLiteral("200 × 150"));
    // The toolbar sits under the selection, at its left edge.
    QCOMPARE(m_view->toolBar()->x(), kSelection.left());
    QVERIFY(m_view->toolBar()->y() > kSelection.bottom());
    QVERIFY(m_view->toolBar()->isVisible());
}

void CaptureOverlayTest::keysPickAndPutAwayTools_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("tool");
    QTest::newRow("L") << "l" << int(CaptureTool::Line);
    QTest::newRow("L twice") << "ll" << int(CaptureTool::None);
    QTest::newRow("P") << "p" << int(CaptureTool::Rect);
    QTest::newRow("M after P") << "pm" << int(CaptureTool::Ellipse);
    QTest::newRow("T") << "t" << int(CaptureTool::Text);
    QTest::newRow("M twice") << "mm" << int(CaptureTool::None);
}

void CaptureOverlayTest::keysPickAndPutAwayTools()
{
    QFETCH(QString, keys);
    QFETCH(int, tool);
    select();
    QTest::keyClicks(m_view, keys);
    QCOMPARE(int(m_view->annotations().tool()), tool);
    QCOMPARE(m_view->colorPanel()->isVisible(), tool != int(CaptureTool::None));
    if (m_view->colorPanel()->isVisible())
        QVERIFY(m_view->colorPanel()->y() > m_view->toolBar()->y());
}

void CaptureOverlayTest::rightButtonCancelsUnlessDrawingLines_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no tool") << "" << true;
    QTest::newRow("rectangle tool") << "p" << true;
    QTest::newRow("line tool") << "l" << false;
}

void CaptureOverlayTest::rightButtonCancelsUnlessDrawingLines()
{
    QFETCH(QString, keys);
    QFETCH(bool, closes);
    select();
    QTest::keyClicks(m_view, keys);
    QSignalSpy closeAll(m_view.data(), &ScreenView::closeAllRequested);
    QTest::mouseClick(m_view, Qt::RightButton, {}, kSelection.center());
    QCOMPARE(closeAll.count(), closes ? 1 : 0);
    QCOMPARE(m_view->isVisible(), !closes);
}

void CaptureOverlayTest::middleButtonPinsThePicture()
{
    select();
    QTest::mouseClick(m_view, Qt::MiddleButton, {}, kSelection.center());
    ImageView *pinned = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *view = qobject_cast<ImageView *>(w))
            pinned = view;
    }
    QVERIFY(pinned);
    QVERIFY(pinned->isVisible());
    QCOMPARE(pinned->geometry(), kSelection.adjusted(-6, -6, 6, 6));
    QVERIFY(!m_view->isVisible());

    // The wheel zooms by the ratio of the steps, from 10.
    QWheelEvent up(QPointF(20, 20), pinned->mapToGlobal(QPoint(20, 20)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pinned, &up);
    QCOMPARE(pinned->zoomStep(), 11);
    QCOMPARE(pinned->width(), qRound(212 * 1.1));
}

void CaptureOverlayTest::recognitionOutputsWriteTheFileAndSayWhich_data()
{
    QTest::addColumn<int>("button");  // toolbar index
    QTest::addColumn<int>("kind");
    QTest::newRow("extract text button") << 6 << 2;
    QTest::newRow("translate button") << 7 << 1;
}

void CaptureOverlayTest::recognitionOutputsWriteTheFileAndSayWhich()
{
    QFETCH(int, button);
    QFETCH(int, kind);
    select();
    QSignalSpy handedOn(m_view.data(), &ScreenView::onSignalsTransferButtonClicked);
    m_view->toolBar()->button(button)->click();
    QCOMPARE(handedOn.count(), 1);
    QCOMPARE(handedOn.at(0).at(0).toInt(), kind);
    const QImage saved(ocrFile());
    QCOMPARE(saved.size(), kSelection.size());
    QCOMPARE(saved.pixel(0, 0), TestPattern::colorAt(kSelection.left(), kSelection.top()));
}

QTEST_MAIN(CaptureOverlayTest)
#include "test_capture_overlay.moc"
