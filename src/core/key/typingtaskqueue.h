#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <memory>

namespace platform {
class ClipboardWatch;
}

// One edit of the text in the focused window.
struct Task
{
    int type = 0;  // 1 type the text, 2 delete delCount characters, 3 sentence finished
    QString text;
    int delCount = 0;
    int letter = 0;  // 1 when the language spaces its words; carried for the log
};

// Performs typing tasks one after the other on a worker thread, at a pace
// the target application can follow. Text is pasted through the clipboard,
// deletions are Backspace strokes.
class TypingTaskQueue : public QObject
{
    Q_OBJECT

public:
    // Created on first use and never destroyed: the worker may be blocked on
    // the GUI thread when the application object goes away.
    static TypingTaskQueue *instance();
    ~TypingTaskQueue() override;

    // Any thread; holds the lock only to append.
    void addTask(const Task &task);

    // n Backspace strokes 15 ms apart once no modifier is held; returns the
    // strokes sent. Stops at the first that fails.
    static int SimulateBackspace(int n);
    // X picks the keycode from the layout; the scan code is for systems that use one.
    static bool pressKey(unsigned virtualKey, int scanCode = -1);
    static bool releaseKey(unsigned virtualKey, int scanCode = -1);
    static bool isExtendedKey(unsigned virtualKey);

    // Puts text on the clipboard from the GUI thread and returns once it is
    // there, so the GUI thread must never wait for the worker. Directly when
    // called on the GUI thread itself.
    static void setClipboardText(const QString &text);

signals:
    // Emitted on the worker thread for each finish task.
    void onFinish();

private:
    class WorkerThread;

    TypingTaskQueue();
    void perform(const Task &task);
    // Puts a piece on the clipboard for the paste that follows; returns the
    // watch that tells when the focused application has fetched it, or null
    // when there is nothing to wait for.
    static std::shared_ptr<platform::ClipboardWatch> placeForPaste(const QString &text);
    static void onGuiThread(const std::function<void()> &work);

    QList<Task *> queue;
    QMutex mutex;
    QWaitCondition condition;
    WorkerThread *worker = nullptr;
    std::atomic<bool> running{true};
};
