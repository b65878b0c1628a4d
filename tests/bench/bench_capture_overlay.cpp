// How fast the capture tool shows the frozen screens: the time from
// startScreen() until every overlay has finished its first paint, over a
// number of runs (median, fastest, slowest). Runs on any X display, for
// example on two virtual screens of scale 1 and 2:
//
//   OWN_DISPLAY_XVFB_ARGS="-screen 0 1920x1080x24 -screen 1 1280x1024x24 -extension RANDR" \
//   QT_SCREEN_SCALE_FACTORS="1;2" \
//   tests/support/own_display.sh build/tests/bench_capture_overlay [runs]

#include "widget/capture/camainwindow.h"
#include "widget/capture/screenview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

// Sees each paint event after the widget has handled it.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool paint = event->type() == QEvent::Paint;
        const bool handled = QApplication::notify(receiver, event);
        if (paint) {
            if (auto *view = qobject_cast<ScreenView *>(receiver))
                painted.insert(view);
        }
        return handled;
    }

    QSet<ScreenView *> painted;
};

}  // namespace

int main(int argc, char *argv[])
{
    TimedApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    for (QScreen *screen : QGuiApplication::screens()) {
        std::printf("screen %s: %dx%d logical, scale %.2f\n", qPrintable(screen->name()),
                    screen->geometry().width(), screen->geometry().height(), screen->devicePixelRatio());
    }

    CaMainWindow tool;
    QVector<double> times;
    QVector<double> inStart;  // of which spent inside startScreen (grabs, set-up)
    for (int run = 0; run < runs; ++run) {
        app.painted.clear();
        QElapsedTimer clock;
        clock.start();
        tool.startScreen();
        inStart.append(clock.nsecsElapsed() / 1e6);
        const QList<ScreenView *> views = tool.overlays();
        const auto allPainted = [&] {
            for (ScreenView *view : views) {
                if (!app.painted.contains(view))
                    return false;
            }
            return true;
        };
        while (!allPainted() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (!allPainted()) {
            std::fprintf(stderr, "run %d: an overlay did not paint within 5 s\n", run);
            return 1;
        }
        times.append(clock.nsecsElapsed() / 1e6);
        for (ScreenView *view : views)
            view->close();
        QTest::qWait(100);
    }
    std::sort(times.begin(), times.end());
    std::sort(inStart.begin(), inStart.end());
    std::printf("startScreen to first paint of every overlay, %d runs: median %.1f ms, "
                "fastest %.1f ms, slowest %.1f ms (median %.1f ms inside startScreen)\n",
                runs, times[times.size() / 2], times.first(), times.last(), inStart[inStart.size() / 2]);
    return 0;
}
