// Another application showing TestPattern: pattern_client X Y WIDTH HEIGHT
// opens an undecorated window there (device pixels, no scaling) and prints
// "ready" once it has painted.

#include "support/test_pattern.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class PatternWindow : public QWidget
{
public:
    explicit PatternWindow(const QSize &size) : m_picture(TestPattern::image(size))
    {
        setWindowFlags(Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).drawImage(0, 0, m_picture);
        if (!m_announced) {
            m_announced = true;
            QTimer::singleShot(50, [] {
                std::puts("ready");
                std::fflush(stdout);
            });
        }
    }

private:
    QImage m_picture;
    bool m_announced = false;
};

}  // namespace

int main(int argc, char *argv[])
{
    // The pattern must reach the screen pixel for pixel.
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "0");
    QApplication app(argc, argv);
    if (argc < 5)
        return 2;
    PatternWindow window(QSize(atoi(argv[3]), atoi(argv[4])));
    window.move(atoi(argv[1]), atoi(argv[2]));
    window.show();
    return app.exec();
}
