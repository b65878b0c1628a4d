#include "platform/x11/clipboard_watch_x11.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QVariant>

#include <X11/Xlib.h>
#include <xcb/xproto.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace platform::x11 {

namespace {

bool isTextTarget(const char *name)
{
    // MULTIPLE carries a list of targets; whoever sends it is fetching data.
    static const char *const kTextTargets[] = {"UTF8_STRING", "STRING", "TEXT", "COMPOUND_TEXT", "MULTIPLE"};
    for (const char *target : kTextTargets) {
        if (std::strcmp(name, target) == 0)
            return true;
    }
    return std::strncmp(name, "text/", 5) == 0;
}

}  // namespace

struct X11ClipboardWatch::Private : QAbstractNativeEventFilter
{
    // Only for atom names: atoms are the same on every connection.
    Display *display = nullptr;
    unsigned long clipboard = 0;
    std::unordered_map<unsigned long, bool> textTargets;  // GUI thread only

    std::mutex mutex;
    std::condition_variable requested;
    bool textRequested = false;

    bool isText(unsigned long target)
    {
        const auto it = textTargets.find(target);
        if (it != textTargets.end())
            return it->second;
        char *name = XGetAtomName(display, target);
        const bool text = name && isTextTarget(name);
        if (name)
            XFree(name);
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
        if (request->selection != clipboard || !isText(request->target))
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
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    auto d = std::make_unique<Private>();
    d->display = display;
    d->clipboard = XInternAtom(display, "CLIPBOARD", False);
    app->installNativeEventFilter(d.get());
    return std::unique_ptr<X11ClipboardWatch>(new X11ClipboardWatch(std::move(d)));
}

X11ClipboardWatch::~X11ClipboardWatch()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(d.get());
    XCloseDisplay(d->display);
}

void X11ClipboardWatch::expectRequest()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->textRequested = false;
}

bool X11ClipboardWatch::waitForTextRequest(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    return d->requested.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return d->textRequested; });
}

}  // namespace platform::x11
