// The X11 backends behind selected-text capture on the test's own X server:
// the mouse listener against XTest's pointer, and the PRIMARY reader against
// an owner played by a second connection of the test.

#include "platform/x11/mouse_listener_x11.h"
#include "platform/x11/selected_text_x11.h"

#include <QPushButton>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

using platform::MouseListener;
using platform::SelectedText;
using platform::x11::X11MouseListener;
using platform::x11::X11SelectedText;

namespace {

struct Seen
{
    MouseListener::Event event;
    int x, y;
    bool operator==(const Seen &o) const { return event == o.event && x == o.x && y == o.y; }
};

// Another application owning PRIMARY; answers requests only when serve() runs.
class PrimaryOwner
{
public:
    PrimaryOwner()
        : m_display(XOpenDisplay(nullptr))
        , m_window(XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0))
        , m_utf8(XInternAtom(m_display, "UTF8_STRING", False))
    {
    }
    ~PrimaryOwner() { XCloseDisplay(m_display); }

    void select(const std::string &text)
    {
        m_text = text;
        XSetSelectionOwner(m_display, XA_PRIMARY, m_window, CurrentTime);
        XSync(m_display, False);
    }

    // Answers requests until read is ready.
    SelectedText::Result serveWhile(std::future<SelectedText::Result> &read)
    {
        while (read.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == SelectionRequest)
                    answer(event.xselectionrequest);
            }
        }
        return read.get();
    }

private:
    void answer(const XSelectionRequestEvent &request)
    {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = None;
        if (request.target == m_utf8) {
            XChangeProperty(m_display, request.requestor, request.property, m_utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(m_text.data()), int(m_text.size()));
            reply.property = request.property;
        }
        XSendEvent(m_display, request.requestor, False, 0, reinterpret_cast<XEvent *>(&reply));
        XFlush(m_display);
    }

    Display *m_display;
    Window m_window;
    Atom m_utf8;
    std::string m_text;
};

}  // namespace

class X11SelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listenerSeesTheLeftButtonWithoutTakingIt();
    void primaryIsReadOnceForEachNewSelection();
    void silentOwnerFailsAtTheTimeout();

private:
    void pointer(int x, int y);
    void button(unsigned button, bool down);

    Display *m_display = nullptr;
};

void X11SelectionTest::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "no X display: run it through tests/support/own_display.sh");
}

void X11SelectionTest::cleanupTestCase()
{
    if (m_display)
        XCloseDisplay(m_display);
}

// Each step is given time to be read before the next, as at a hand's pace:
// raw events carry no position, so the listener reports where the pointer
// is when it reads them.
void X11SelectionTest::pointer(int x, int y)
{
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XSync(m_display, False);
    QTest::qWait(30);
}

void X11SelectionTest::button(unsigned number, bool down)
{
    XTestFakeButtonEvent(m_display, number, down ? True : False, CurrentTime);
    XSync(m_display, False);
    QTest::qWait(30);
}

void X11SelectionTest::listenerSeesTheLeftButtonWithoutTakingIt()
{
    QPushButton target(QStringLiteral("target"));
    target.setGeometry(40, 40, 200, 60);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    QSignalSpy clicked(&target, &QPushButton::clicked);

    X11MouseListener listener;
    std::vector<Seen> seen;
    listener.setListener([&seen](MouseListener::Event event, int x, int y) { seen.push_back({event, x, y}); });
    QVERIFY(listener.start());
    pointer(60, 50);  // moves without a button are not reported
    button(3, true);  // nor other buttons
    button(3, false);
    button(1, true);
    pointer(150, 70);
    button(1, false);
    using E = MouseListener::Event;
    const std::vector<Seen> expected{{E::LeftDown, 60, 50}, {E::Move, 150, 70}, {E::LeftUp, 150, 70}};
    QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= expected.size(), 2000);
    QTest::qWait(50);
    QVERIFY(seen == expected);
    // The window under the pointer got its click all the same.
    QTRY_COMPARE(clicked.count(), 1);

    listener.stop();
    QVERIFY(!listener.isRunning());
    button(1, true);
    button(1, false);
    QTest::qWait(100);
    QCOMPARE(seen.size(), expected.size());
    QTRY_COMPARE(clicked.count(), 2);
}

void X11SelectionTest::primaryIsReadOnceForEachNewSelection()
{
    auto reader = X11SelectedText::create();
    QVERIFY(reader);
    QCOMPARE(int(reader->read(200).outcome), int(SelectedText::Outcome::Nothing));  // no owner

    PrimaryOwner owner;
    owner.select("選んだ text");
    auto read = std::async(std::launch::async, [&reader] { return reader->read(1000); });
    auto result = owner.serveWhile(read);
    QCOMPARE(int(result.outcome), int(SelectedText::Outcome::Text));
    QCOMPARE(QString::fromStdString(result.text), QStringLiteral("選んだ text"));

    // A drag that selected nothing leaves the earlier selection in place.
    QCOMPARE(int(reader->read(200).outcome), int(SelectedText::Outcome::Stale));

    owner.select("選んだ text");  // the same words selected again
    read = std::async(std::launch::async, [&reader] { return reader->read(1000); });
    QCOMPARE(int(owner.serveWhile(read).outcome), int(SelectedText::Outcome::Text));
}

void X11SelectionTest::silentOwnerFailsAtTheTimeout()
{
    auto reader = X11SelectedText::create();
    PrimaryOwner owner;
    owner.select("never sent");  // and never served
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(int(reader->read(200).outcome), int(SelectedText::Outcome::Failed));
    QVERIFY2(clock.elapsed() >= 190 && clock.elapsed() < 600, QByteArray::number(clock.elapsed()));
}

QTEST_MAIN(X11SelectionTest)
#include "test_x11_selection.moc"
