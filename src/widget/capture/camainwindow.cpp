#include "camainwindow.h"

#include "screenview.h"

#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

CaMainWindow::CaMainWindow(QWidget *parent) : QMainWindow(parent)
{
    m_config.loadConfig();
}

CaMainWindow::~CaMainWindow()
{
    for (const QPointer<ScreenView> &view : qAsConst(m_overlays))
        delete view.data();
}

QList<ScreenView *> CaMainWindow::overlays() const
{
    QList<ScreenView *> open;
    for (const QPointer<ScreenView> &view : m_overlays) {
        if (view && view->isVisible())
            open.append(view.data());
    }
    return open;
}

void CaMainWindow::startScreen()
{
    if (!overlays().isEmpty())
        return;
    m_overlays.clear();
    // Wayland lets no client read the screen: every grab would come back empty.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qWarning() << "screen capture is not available on Wayland";
        emit captureFailed(tr("无法截取屏幕：当前会话不允许程序读取屏幕内容"));
        return;
    }
    // Every screen is grabbed before any overlay shows, or one would be in the others' pictures.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QVector<QImage> pictures;
    for (QScreen *screen : screens)
        pictures.append(screen->grabWindow(0).toImage());

    QScreen *underPointer = QGuiApplication::screenAt(QCursor::pos());
    ScreenView *keyboardOwner = nullptr;
    for (int i = 0; i < screens.size(); ++i) {
        auto *view = new ScreenView(screens[i], &m_config);
        connect(view, &ScreenView::onSignalsTransferButtonClicked, this, [this](int value) {
            qInfo() << "Received callback with value:" << value;
            onTransferButtonClicked(value);
        });
        connect(view, &ScreenView::selectionStarted, this, [this, view] { closeOthers(view); });
        connect(view, &ScreenView::closeAllRequested, this, [this, view] {
            closeOthers(view);
            view->close();
        });
        connect(view, &ScreenView::captureFailed, this, &CaMainWindow::captureFailed);
        view->setFrozenPicture(pictures[i]);
        view->placeOnScreen();
        view->show();
        view->raise();
        m_overlays.append(view);
        if (!keyboardOwner || screens[i] == underPointer)
            keyboardOwner = view;
    }
    if (keyboardOwner)
        keyboardOwner->takeKeyboard();
}

void CaMainWindow::onTransferButtonClicked(int value)
{
    qInfo() << "capture handed on for recognition, kind" << value;
    emit onSignalsTransferButtonClicked(value);
}

void CaMainWindow::closeOthers(ScreenView *keep)
{
    for (const QPointer<ScreenView> &view : qAsConst(m_overlays)) {
        if (view && view != keep)
            view->close();
    }
}
