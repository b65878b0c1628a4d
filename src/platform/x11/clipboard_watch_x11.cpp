#include "platform/x11/clipboard_watch_x11.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QVariant>

#include <xcb/xcb.h>
#include <xcb/xproto.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform::x11 {

namespace {

bool isTextTarget(const std::string &name)
{
    // MULTIPLE carries a list of targets; whoever sends it is fetching data.
    static const char *const kTextTargets[] = {"UTF8_STRING", "STRING", "TEXT", "COMPOUND_TEXT", "MULTIPLE"};
    for (const char *target : kTextTargets) {
        if (name == target)
            return true;
    }
    return name.compare(0, 5, "text/") == 0;
}

}  // namespace

struct X11ClipboardWatch::Private : QAbstractNativeEventFilter
{
    // For atom names and the focus: atoms are the same on every connection.
    xcb_connection_t *connection = nullptr;
    xcb_atom_t clipboard = XCB_NONE;
    // The high bits of a window id tell the client that created it.
    uint32_t clientMask = 0;
    // GUI thread only.
    std::unordered_map<xcb_atom_t, bool> textTargets;
    uint32_t focusClient = 0;  // 0: anyone's request counts

    std::mutex mutex;
    std::condition_variable requested;
    bool textRequested = false;

    // Clipboard managers fetch every new content at once; only the
    // application with the keyboard focus is pasting.
    bool fromFocusClient(xcb_window_t requestor) const
    {
        return !focusClient || (requestor & clientMask) == focusClient;
    }

    bool isText(xcb_atom_t target)
    {
        const auto it = textTargets.find(target);
        if (it != textTargets.end())
            return it->second;
        xcb_get_atom_name_reply_t *reply
            = xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, target), nullptr);
        bool text = false;
        if (reply) {
            text = isTextTarget(std::string(xcb_get_atom_name_name(reply),
                                            size_t(xcb_get_atom_name_name_length(reply))));
            std::free(reply);
        }
        textTargets.emplace(target, text);
        return text;
    }

    // Runs on the GUI thread before Qt serves the request, which it still does.
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7F) != XCB_SELECTION_REQUEST)
            return false;
        const auto *request = static_cast<const xcb_selection_request_event_t *>(message);
        if (request->selection != clipboard || !fromFocusClient(request->requestor) || !isText(request->target))
            return false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            textRequested = true;
        }
        requested.notify_all();
        return false;
    }
};

X11ClipboardWatch::X11ClipboardWatch(std::unique_ptr<Private> d)
    : d(std::move(d))
{
}

std::unique_ptr<X11ClipboardWatch> X11ClipboardWatch::create()
{
    QCoreApplication *app = QCoreApplication::instance();
    // A property of QGuiApplication; the platform layer does not link Qt GUI.
    if (!app || app->property("platformName").toString() != QLatin1String("xcb"))
        return nullptr;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    static const char kClipboard[] = "CLIPBOARD";
    xcb_intern_atom_reply_t *atom = xcb_connection_has_error(connection) ? nullptr
        : xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kClipboard - 1, kClipboard), nullptr);
    if (!atom) {
        xcb_disconnect(connection);
        return nullptr;
    }
    auto d = std::make_unique<Private>();
    d->connection = connection;
    d->clipboard = atom->atom;
    std::free(atom);
    // The server gives every client the same mask for its ids.
    d->clientMask = ~xcb_get_setup(connection)->resource_id_mask;
    app->installNativeEventFilter(d.get());
    return std::unique_ptr<X11ClipboardWatch>(new X11ClipboardWatch(std::move(d)));
}

X11ClipboardWatch::~X11ClipboardWatch()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(d.get());
    xcb_disconnect(d->connection);
}

void X11ClipboardWatch::expectRequest()
{
    xcb_get_input_focus_reply_t *reply
        = xcb_get_input_focus_reply(d->connection, xcb_get_input_focus(d->connection), nullptr);
    const xcb_window_t focus = reply ? reply->focus : XCB_NONE;
    std::free(reply);
    d->focusClient = focus == XCB_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT ? 0 : focus & d->clientMask;
    std::lock_guard<std::mutex> lock(d->mutex);
    d->textRequested = false;
}

bool X11ClipboardWatch::waitForTextRequest(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    return d->requested.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return d->textRequested; });
}

}  // namespace platform::x11
