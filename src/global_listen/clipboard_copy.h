#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QMimeData;

// Copies the selection of the focused application with a synthetic Ctrl+C
// and gives the user's clipboard back afterwards in every format it had.
//
// Before the keys are sent Talkvane takes the clipboard itself, holding the
// user's data: if it still owns it after the wait, the application copied
// nothing and there is nothing selected, whatever text the clipboard holds.
// Afterwards Talkvane stays the owner and serves the restored data. GUI
// thread; one copy at a time. A modifier the user still holds (Shift after
// extending a selection) would turn Ctrl+C into another command, so the keys
// wait for its release.
class ClipboardCopy : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const QString &copied)>;

    explicit ClipboardCopy(QObject *parent = nullptr);
    ~ClipboardCopy() override;

    // done runs once, with the copied text or an empty one. False (and no
    // call) when a copy is already running.
    bool start(Done done);
    bool busy() const { return bool(m_done); }

    // Every format of data with its bytes, without the selection protocol's
    // own targets.
    static std::unique_ptr<QMimeData> snapshot(const QMimeData *data);

    static constexpr int kWaitMs = 600;  // for the application to copy
    static constexpr int kModifierWaitMs = 1000;
    static constexpr int kPollMs = 20;

private:
    void poll();
    void sendCopy();
    void finish(bool copied);

    std::unique_ptr<QMimeData> m_saved;
    Done m_done;
    QTimer m_poll;
    int m_waitedMs = 0;
    bool m_keysSent = false;
};
