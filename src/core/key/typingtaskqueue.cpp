#include "core/key/typingtaskqueue.h"

#include "platform/clipboard_watch.h"
#include "platform/key_injector.h"
#include "platform/keys.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>
#include <QMutexLocker>
#include <QThread>

namespace {

// Pauses the target applications are known to keep up with.
constexpr int kPasteHoldMs = 80;
constexpr int kBackspaceGapMs = 15;
constexpr int kAfterDeleteMs = 80;
constexpr int kAfterTaskMs = 50;
// Long enough for the user to let go of the hot key, short enough not to hang typing.
constexpr int kModifierWaitMs = 1000;
// How long a pasted piece stays on the clipboard for an application that has
// not fetched it yet; one that never asks must not stop typing for good.
constexpr int kPasteFetchTimeoutMs = 1000;

void waitForModifiers(platform::KeyInjector &injector)
{
    if (!injector.waitForModifiersReleased(kModifierWaitMs))
        qWarning() << "typing: a modifier is still held, sending keys anyway";
}

}  // namespace

class TypingTaskQueue::WorkerThread : public QThread
{
public:
    explicit WorkerThread(TypingTaskQueue *queue)
        : QThread(queue)
        , q(queue)
    {
    }

protected:
    void run() override
    {
        while (q->running) {
            QMutexLocker lock(&q->mutex);
            while (q->queue.isEmpty() && q->running)
                q->condition.wait(&q->mutex);
            if (q->queue.isEmpty())
                break;
            Task *next = q->queue.takeFirst();
            const Task task = *next;
            delete next;
            lock.unlock();

            q->perform(task);
            msleep(kAfterTaskMs);
        }
    }

private:
    TypingTaskQueue *q;
};

TypingTaskQueue *TypingTaskQueue::instance()
{
    static TypingTaskQueue *queue = new TypingTaskQueue;
    return queue;
}

TypingTaskQueue::TypingTaskQueue()
{
    worker = new WorkerThread(this);
    worker->start();
}

TypingTaskQueue::~TypingTaskQueue()
{
    {
        // Under the lock, so the worker cannot miss the wake-up between its
        // check and its wait.
        QMutexLocker lock(&mutex);
        running = false;
        condition.wakeAll();
    }
    if (worker->isRunning())
        worker->wait();
    qDeleteAll(queue);
    queue.clear();
}

void TypingTaskQueue::addTask(const Task &task)
{
    {
        QMutexLocker lock(&mutex);
        qDebug().noquote().nospace() << "type: " << task.type << " text: " << task.text
                                     << " delCount: " << task.delCount << " letter: " << task.letter;
        queue.append(new Task(task));
    }
    condition.wakeOne();
}

void TypingTaskQueue::perform(const Task &task)
{
    switch (task.type) {
    case 1: {
        if (task.text.isEmpty())
            break;
        const auto injector = platform::keyInjector();
        if (!injector) {
            qWarning() << "typing: no key injection in this session; not typed:" << task.text;
            break;
        }
        waitForModifiers(*injector);
        const auto watch = placeForPaste(task.text);
        pressKey(platform::vk::Control);
        pressKey(platform::vk::KeyV);
        QThread::msleep(kPasteHoldMs);
        releaseKey(platform::vk::KeyV);
        releaseKey(platform::vk::Control);
        // The next piece must not replace this one before the application has it.
        if (watch && !watch->waitForTextRequest(kPasteFetchTimeoutMs))
            qWarning() << "typing: the focused application did not fetch the pasted text within"
                       << kPasteFetchTimeoutMs << "ms, going on";
        qDebug() << "typing: pasted" << task.text;
        break;
    }
    case 2:
        SimulateBackspace(task.delCount);
        QThread::msleep(kAfterDeleteMs);
        qDebug() << "typing: deleted" << task.delCount;
        break;
    case 3:
        qDebug() << "typing: finished";
        emit onFinish();
        break;
    default:
        break;
    }
}

int TypingTaskQueue::SimulateBackspace(int n)
{
    if (n <= 0)
        return 0;
    auto injector = platform::keyInjector();
    if (!injector) {
        qWarning() << "SendInput failed. Error: no key injection in this session";
        return 0;
    }
    waitForModifiers(*injector);
    const int sent = injector->backspaces(n, kBackspaceGapMs);
    if (sent < n)
        qWarning() << "SendInput failed. Error: Backspace stroke" << sent + 1 << "of" << n << "not sent";
    return sent;
}

bool TypingTaskQueue::pressKey(unsigned virtualKey, int scanCode)
{
    Q_UNUSED(scanCode)
    auto injector = platform::keyInjector();
    return injector && injector->press(virtualKey);
}

bool TypingTaskQueue::releaseKey(unsigned virtualKey, int scanCode)
{
    Q_UNUSED(scanCode)
    auto injector = platform::keyInjector();
    return injector && injector->release(virtualKey);
}

bool TypingTaskQueue::isExtendedKey(unsigned virtualKey)
{
    switch (virtualKey) {
    case 0x10: case 0x11: case 0x12:  // Shift, Ctrl, Alt
    case 0x14:  // Caps Lock
    case 0x90: case 0x91:  // Num Lock, Scroll Lock
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:
        return true;
    default:
        return false;
    }
}

void TypingTaskQueue::setClipboardText(const QString &text)
{
    onGuiThread([text] { QGuiApplication::clipboard()->setText(text); });
}

std::shared_ptr<platform::ClipboardWatch> TypingTaskQueue::placeForPaste(const QString &text)
{
    // While we own the clipboard the application serves the text to the paste.
    std::shared_ptr<platform::ClipboardWatch> watch;
    onGuiThread([&] {
        // A paste into a window of ours reads the clipboard in-process; nobody asks the owner.
        if (!QGuiApplication::focusWindow())
            watch = platform::clipboardWatch();
        if (watch)
            watch->expectRequest();
        QGuiApplication::clipboard()->setText(text);
    });
    return watch;
}

void TypingTaskQueue::onGuiThread(const std::function<void()> &work)
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app) {
        qWarning() << "typing: no clipboard without a GUI application";
        return;
    }
    if (QThread::currentThread() == app->thread())
        work();  // a blocking call into our own thread would never return
    else
        QMetaObject::invokeMethod(app, work, Qt::BlockingQueuedConnection);
}
