// Typing into the focused window: the queue's order and pacing against the
// recording injector, the same tasks for real through XTest into a window of
// this process on its own Xvfb, and the correction diff.

#include "core/key/typingtaskqueue.h"
#include "core/speech/mmtypinghelper.h"
#include "platform/keys.h"
#include "support/recording/recording_backends.h"
#include "platform/x11/clipboard_watch_x11.h"
#include "platform/x11/key_injector_x11.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(QList<Task>)

using Clock = std::chrono::steady_clock;
using Event = platform::recording::RecordingKeyInjector::Event;

namespace {

Task typeText(const QString &text) { return {1, text, 0, 0}; }
Task erase(int n) { return {2, QString(), n, 0}; }
const Task kFinish{3, QString(), 0, 0};

long long msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

// Upper case down: B Backspace, C Ctrl, V the V key.
QString keys(const std::vector<Event> &events)
{
    QString out;
    for (const Event &e : events) {
        const QChar c = e.virtualKey == platform::vk::Backspace ? 'B'
            : e.virtualKey == platform::vk::Control             ? 'C'
            : e.virtualKey == platform::vk::KeyV                ? 'V'
                                                                : '?';
        out += e.down ? c : c.toLower();
    }
    return out;
}

// Finish markers as the worker emits them, and when.
struct FinishWatch
{
    std::atomic<int> count{0};
    std::atomic<Clock::rep> at{0};
    QMetaObject::Connection connection = QObject::connect(
        TypingTaskQueue::instance(), &TypingTaskQueue::onFinish, [this] {
            at = Clock::now().time_since_epoch().count();
            ++count;
        });
    ~FinishWatch() { QObject::disconnect(connection); }
};

void enqueue(const QList<Task> &tasks)
{
    for (const Task &task : tasks)
        TypingTaskQueue::instance()->addTask(task);
}

}  // namespace

class TestTyping : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { platform::recording::uninstall(); }

    void pacing_data();
    void pacing();
    void enqueueWhilePasting();
    void pieceNeverFetchedIsLoggedAndTypingGoesOn();
    void typesIntoTheFocusedWindow_data();
    void typesIntoTheFocusedWindow();
    void x11Injector();
    void slowApplicationGetsEveryPieceInOrder();
    void clipboardWatchWaitsForTextRequests();
    void diff_data();
    void diff();

private:
    Display *m_keyboard = nullptr;
};

void TestTyping::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_keyboard = XOpenDisplay(nullptr);
    QVERIFY2(m_keyboard, "no X display: run it through tests/support/own_display.sh");
}

void TestTyping::pacing_data()
{
    QTest::addColumn<QList<Task>>("tasks");
    QTest::addColumn<QString>("expectedKeys");
    QTest::addColumn<int>("minMs");  // from the first task to the finish marker
    QTest::addColumn<int>("modifierWaits");

    QTest::newRow("delete 3, paste, finish")
        << QList<Task>{erase(3), typeText("abc"), kFinish} << "BbBbBbCVvc" << 2 * 15 + 80 + 50 + 80 + 50 << 2;
    QTest::newRow("nothing to delete") << QList<Task>{erase(0), kFinish} << "" << 80 + 50 << 0;
    QTest::newRow("empty text") << QList<Task>{typeText(""), kFinish} << "" << 50 << 0;
    QTest::newRow("unknown type") << QList<Task>{{7, "x", 2, 1}, kFinish} << "" << 50 << 0;
}

void TestTyping::pacing()
{
    QFETCH(QList<Task>, tasks);
    QFETCH(QString, expectedKeys);
    QFETCH(int, minMs);
    QFETCH(int, modifierWaits);

    platform::recording::install();
    auto injector = platform::recording::installedKeyInjector();
    auto watch = platform::recording::installedClipboardWatch();
    QGuiApplication::clipboard()->setText("before");
    FinishWatch finished;
    const auto start = Clock::now();
    enqueue(tasks);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count.load(), 1, 3000);

    const auto events = injector->events();
    QCOMPARE(keys(events), expectedKeys);
    QVERIFY(msBetween(start, Clock::time_point(Clock::duration(finished.at.load()))) >= minMs);
    QCOMPARE(injector->modifierWaits(), modifierWaits);
    // Each pasted piece waits for the application to fetch it.
    const int pastes = int(expectedKeys.count('V'));
    QCOMPARE(watch->expects(), pastes);
    QCOMPARE(watch->waits(), pastes);
    for (size_t i = 1; i < events.size(); ++i) {
        const QString pair = keys({events[i - 1], events[i]});
        const long long gap = msBetween(events[i - 1].at, events[i].at);
        QVERIFY2(pair != "bB" || gap >= 15, "Backspace strokes closer than 15 ms");
        QVERIFY2(pair != "Vv" || gap >= 80, "V released before 80 ms");
        QVERIFY2(pair != "bC" || gap >= 80 + 50, "paste before the pauses after a deletion");
    }
    // The last piece stays on the clipboard.
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedKeys.contains('V') ? "abc" : "before");

    // A refused stroke ends the deletion.
    injector->setAcceptLimit(5);
    QCOMPARE(TypingTaskQueue::SimulateBackspace(4), 2);
}

void TestTyping::enqueueWhilePasting()
{
    platform::recording::install();
    auto injector = platform::recording::installedKeyInjector();
    FinishWatch finished;
    enqueue({typeText("first")});
    QTRY_VERIFY_WITH_TIMEOUT(keys(injector->events()).contains('V'), 2000);
    // The worker holds V for 80 ms now; adding must not wait for it.
    const auto before = Clock::now();
    enqueue({erase(2), typeText("second"), kFinish});
    QVERIFY(msBetween(before, Clock::now()) < 40);

    QTRY_COMPARE_WITH_TIMEOUT(finished.count.load(), 1, 3000);
    QCOMPARE(keys(injector->events()), QStringLiteral("CVvcBbBbCVvc"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("second"));
}

void TestTyping::pieceNeverFetchedIsLoggedAndTypingGoesOn()
{
    platform::recording::install();
    auto injector = platform::recording::installedKeyInjector();
    auto watch = platform::recording::installedClipboardWatch();
    watch->setFetched(false);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("did not fetch the pasted text"));
    FinishWatch finished;
    enqueue({typeText("x"), erase(1), kFinish});
    QTRY_COMPARE_WITH_TIMEOUT(finished.count.load(), 1, 3000);
    QCOMPARE(keys(injector->events()), QStringLiteral("CVvcBb"));
    QCOMPARE(watch->waits(), 1);
}

void TestTyping::typesIntoTheFocusedWindow_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QList<Task>>("tasks");
    QTest::addColumn<QString>("expected");

    QTest::newRow("delete 3, paste abc")
        << false << "hello" << QList<Task>{erase(3), typeText("abc"), kFinish} << "heabc";
    const QString chinese = QStringLiteral("今天天气很好，我们去公园散步吧。");
    QTest::newRow("Chinese pasted whole") << true << "" << QList<Task>{typeText(chinese), kFinish} << chinese;
    // A revised recognition result, corrected in place as the control center does.
    const EditSteps steps = decodeEditDescription(
        mmTypingHelper::instance()->compareTextWithString1("hello word", "hello world"));
    QTest::newRow("correction from the diff") << false << "hello word"
        << QList<Task>{erase(steps.deleteCount), typeText(steps.text), kFinish} << "hello world";

    // One Backspace deletes one code point in Qt's fields: a surrogate pair
    // whole, a combining mark, skin tone or joined part of an emoji alone.
    const QString corrections[][2] = {
        {QStringLiteral("吉𠮷"), QStringLiteral("吉")},
        {QStringLiteral("𠮷"), QStringLiteral("𠮟")},
        {QStringLiteral("ok👍🏽"), QStringLiteral("ok👍🏿")},
        {QStringLiteral("👨‍👩‍👧"), QStringLiteral("👨‍👩‍👦")},
        {QStringLiteral("很好👨‍👩‍👧"), QStringLiteral("很好")},
        {QStringLiteral("cafe\u0301"), QStringLiteral("cafe\u0300!")},
    };
    for (bool multiLine : {false, true}) {
        for (const auto &[from, to] : corrections) {
            const EditSteps s = editSteps(from, to);
            QTest::addRow("%s %s -> %s", multiLine ? "text edit" : "line edit", qPrintable(from), qPrintable(to))
                << multiLine << from << QList<Task>{erase(s.deleteCount), typeText(s.text), kFinish} << to;
        }
    }
}

void TestTyping::typesIntoTheFocusedWindow()
{
    QFETCH(bool, multiLine);
    QFETCH(QString, initial);
    QFETCH(QList<Task>, tasks);
    QFETCH(QString, expected);

    QLineEdit line(initial);
    QTextEdit text(initial);
    text.moveCursor(QTextCursor::End);
    QWidget *field = multiLine ? static_cast<QWidget *>(&text) : &line;
    field->show();
    field->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(field));
    QTRY_VERIFY(field->hasFocus());

    FinishWatch finished;
    enqueue(tasks);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count.load(), 1, 5000);
    QTRY_COMPARE(multiLine ? text.toPlainText() : line.text(), expected);
    if (!tasks[tasks.size() - 2].text.isEmpty())
        QCOMPARE(QGuiApplication::clipboard()->text(), tasks[tasks.size() - 2].text);
}

void TestTyping::x11Injector()
{
    auto injector = platform::x11::X11KeyInjector::create();
    QVERIFY(injector);
    auto mapping = [this] {
        int min = 0, max = 0, per = 0;
        XDisplayKeycodes(m_keyboard, &min, &max);
        KeySym *syms = XGetKeyboardMapping(m_keyboard, KeyCode(min), max - min + 1, &per);
        std::vector<KeySym> all(syms, syms + per * (max - min + 1));
        XFree(syms);
        return all;
    };

    // Take q out of the layout, and put it back whatever happens.
    const KeyCode q = XKeysymToKeycode(m_keyboard, XK_q);
    int per = 0;
    KeySym *saved = XGetKeyboardMapping(m_keyboard, q, 1, &per);
    const std::vector<KeySym> savedQ(saved, saved + per), none(per, NoSymbol);
    XFree(saved);
    auto setQ = [this, q](const std::vector<KeySym> &syms) {
        XChangeKeyboardMapping(m_keyboard, q, int(syms.size()), const_cast<KeySym *>(syms.data()), 1);
        XSync(m_keyboard, False);
    };
    std::shared_ptr<void> restore(nullptr, [&](void *) { setQ(savedQ); });
    setQ(none);
    const std::vector<KeySym> withoutQ = mapping();

    QLineEdit line;
    line.show();
    line.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&line));
    // From another thread, as the typing worker does: the window has to read
    // the borrowed mapping while the key is on it.
    std::atomic<int> sent{0};
    std::thread typist([&] {
        sent = injector->press('Q') + injector->release('Q')
            + injector->sendBatch({{'O', true}, {'O', false}, {'Q', true}, {'Q', false}});
    });
    // The GUI thread may poll the modifiers while keys are being sent.
    long long slowestQuery = 0;
    bool heldSeen = false;
    const bool typed = QTest::qWaitFor([&] {
        const auto before = Clock::now();
        heldSeen = injector->modifiersHeld() || heldSeen;
        slowestQuery = std::max(slowestQuery, msBetween(before, Clock::now()));
        return line.text() == QStringLiteral("qoq");
    });
    typist.join();
    QVERIFY(!heldSeen);
    QVERIFY2(slowestQuery < 50, qPrintable(QString::number(slowestQuery)));
    QVERIFY2(typed, qPrintable(line.text()));
    QCOMPARE(sent.load(), 3);
    QVERIFY(mapping() == withoutQ);
    QVERIFY(!injector->press(0xFF));  // no such virtual key

    // Keys wait for the user to let go of a modifier.
    QVERIFY(injector->waitForModifiersReleased(0));
    const KeyCode ctrl = XKeysymToKeycode(m_keyboard, XK_Control_L);
    XTestFakeKeyEvent(m_keyboard, ctrl, True, CurrentTime);
    XSync(m_keyboard, False);
    QVERIFY(injector->modifiersHeld());
    auto start = Clock::now();
    const bool releasedWhileHeld = injector->waitForModifiersReleased(200);
    const long long waitedWhileHeld = msBetween(start, Clock::now());
    std::thread user([this, ctrl] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        XTestFakeKeyEvent(m_keyboard, ctrl, False, CurrentTime);
        XSync(m_keyboard, False);
    });
    start = Clock::now();
    const bool released = injector->waitForModifiersReleased(2000);
    const long long waited = msBetween(start, Clock::now());
    user.join();
    QVERIFY(!releasedWhileHeld && waitedWhileHeld >= 200);
    QVERIFY(released);
    QVERIFY(!injector->modifiersHeld());
    QVERIFY2(waited >= 90 && waited < 1000, qPrintable(QString::number(waited)));
}

void TestTyping::slowApplicationGetsEveryPieceInOrder()
{
    // Another application that fetches the clipboard 200 ms after Ctrl+V:
    // each piece has to stay on the clipboard until it has been fetched.
    QTemporaryDir dir;
    const QString fieldFile = dir.filePath(QStringLiteral("field.txt"));
    QProcess field;
    field.start(QStringLiteral(TEXT_FIELD_CLIENT), {fieldFile, QStringLiteral("--paste-delay-ms=200")});
    QVERIFY(field.waitForReadyRead(10000));
    QCOMPARE(field.readAllStandardOutput().trimmed(), QByteArray("ready"));
    QVERIFY(!QGuiApplication::focusWindow());

    FinishWatch finished;
    const auto start = Clock::now();
    enqueue({typeText("A"), typeText("B"), typeText("C"), kFinish});
    QTRY_COMPARE_WITH_TIMEOUT(finished.count.load(), 1, 5000);
    const long long took = msBetween(start, Clock::now());
    auto fieldText = [&] {
        QFile f(fieldFile);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    QTRY_COMPARE(fieldText(), QStringLiteral("ABC"));
    // Waited for each fetch, but not for the time-out.
    QVERIFY2(took >= 3 * 200 && took < 3000, qPrintable(QString::number(took)));
    field.kill();
    field.waitForFinished();
}

void TestTyping::clipboardWatchWaitsForTextRequests()
{
    auto watch = platform::x11::X11ClipboardWatch::create();
    QVERIFY(watch);
    // Two other clients: the one with the keyboard focus pastes, a clipboard
    // manager fetches everything.
    Display *manager = XOpenDisplay(nullptr);
    QVERIFY(manager);
    std::shared_ptr<Display> closeManager(manager, XCloseDisplay);
    auto makeWindow = [](Display *display) {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
        return window;
    };
    const Window target = makeWindow(m_keyboard), managerWindow = makeWindow(manager);
    std::shared_ptr<void> destroy(nullptr, [&](void *) { XDestroyWindow(m_keyboard, target); XSync(m_keyboard, True); });
    QTRY_VERIFY(XSetInputFocus(m_keyboard, target, RevertToPointerRoot, CurrentTime)
                && (XSync(m_keyboard, False), true) && !QGuiApplication::focusWindow());
    auto ask = [](Display *display, Window requestor, const char *target) {
        XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False), XInternAtom(display, target, False),
                          XInternAtom(display, "PASTE", False), requestor, CurrentTime);
        XFlush(display);
        XEvent reply;
        return QTest::qWaitFor([&] { return XCheckTypedWindowEvent(display, requestor, SelectionNotify, &reply); });
    };

    watch->expectRequest();
    QGuiApplication::clipboard()->setText(QStringLiteral("piece"));
    QVERIFY(ask(manager, managerWindow, "UTF8_STRING"));
    QVERIFY2(!watch->waitForTextRequest(0), "a clipboard manager is not the paste");
    QVERIFY(ask(m_keyboard, target, "TARGETS"));
    QVERIFY2(!watch->waitForTextRequest(0), "TARGETS is no fetch");
    QVERIFY(ask(m_keyboard, target, "UTF8_STRING"));
    QVERIFY(watch->waitForTextRequest(0));
    watch->expectRequest();
    QVERIFY2(!watch->waitForTextRequest(0), "a request before the new piece counted");

    // From the worker's side: blocks until the request, or the time-out.
    std::atomic<bool> fetched{false};
    std::atomic<long long> waited{-1};
    std::thread worker([&] {
        const auto start = Clock::now();
        fetched = watch->waitForTextRequest(1000);
        waited = msBetween(start, Clock::now());
    });
    QTest::qWait(150);
    QVERIFY(ask(m_keyboard, target, "text/plain;charset=utf-8"));
    QTRY_VERIFY(waited >= 0);
    worker.join();
    QVERIFY(fetched);
    QVERIFY2(waited >= 140 && waited < 1000, qPrintable(QString::number(waited)));

    watch->expectRequest();
    const auto start = Clock::now();
    QVERIFY(!watch->waitForTextRequest(200));
    QVERIFY(msBetween(start, Clock::now()) >= 190);
}

void TestTyping::diff_data()
{
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("deleteCount");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("sameAsDirect");  // editSteps gives the same edit

    const QString today = QStringLiteral("今天天气"), fine = QStringLiteral("很好");
    QTest::newRow("Chinese extended") << today << today + fine << "add::" + fine << 0 << fine << true;
    QTest::newRow("Chinese shortened") << today + fine << today << "del::" + fine << 2 << "" << true;
    QTest::newRow("one word revised") << "hello word" << "hello world" << "d&&ld" << 1 << "ld" << true;
    QTest::newRow("from nothing") << "" << "abc" << "add::abc" << 0 << "abc" << true;
    QTest::newRow("to nothing") << "abc" << "" << "del::abc" << 3 << "" << true;
    QTest::newRow("equal") << "abc" << "abc" << "" << 0 << "" << true;
    QTest::newRow("differ at the start") << "今天" << "明天好" << "今天&&明天好" << 2 << "明天好" << true;
    QTest::newRow("&& after the difference") << "a&&b" << "a&&c" << "b&&c" << 1 << "c" << true;
    // Ambiguous then: the first and the last piece are taken.
    QTest::newRow("&& on both sides") << "x&&1" << "y&&2" << "x&&1&&y&&2" << 1 << "2" << false;
    // Backspaces count code points, and no tail starts inside a surrogate pair.
    const QString ji = QStringLiteral("吉"), jiAlt = QStringLiteral("𠮷"), shi = QStringLiteral("𠮟");
    QTest::newRow("pair deleted") << ji + jiAlt << ji << "del::" + jiAlt << 1 << "" << true;
    QTest::newRow("pairs sharing a high half") << jiAlt << shi << jiAlt + "&&" + shi << 1 << shi << true;
    QTest::newRow("lone half completed") << ji + jiAlt.left(1) << ji + jiAlt << jiAlt.left(1) + "&&" + jiAlt << 1
                                         << jiAlt << true;
    const QString family = QStringLiteral("👨‍👩‍👧");
    QTest::newRow("joined emoji, one part each") << "ok" + family << "ok" << "del::" + family << 5 << "" << true;
    QTest::newRow("skin tone") << QStringLiteral("👍🏽") << QStringLiteral("👍🏿")
                               << QStringLiteral("🏽&&🏿") << 1 << QStringLiteral("🏿") << true;
    QTest::newRow("combining mark") << QStringLiteral("e\u0301") << QStringLiteral("e\u0300")
                                    << QStringLiteral("\u0301&&\u0300") << 1 << QStringLiteral("\u0300") << true;
}

void TestTyping::diff()
{
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(QString, description);
    QFETCH(int, deleteCount);
    QFETCH(QString, typed);
    QFETCH(bool, sameAsDirect);

    const QString got = mmTypingHelper::instance()->compareTextWithString1(oldText, newText);
    QCOMPARE(got, description);
    const EditSteps steps = decodeEditDescription(got);
    QCOMPARE(steps.deleteCount, deleteCount);
    QCOMPARE(steps.text, typed);
    if (sameAsDirect) {
        const EditSteps direct = editSteps(oldText, newText);
        QCOMPARE(direct.deleteCount, deleteCount);
        QCOMPARE(direct.text, typed);
    }
}

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
