#include "platform/x11/selected_text_x11.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <poll.h>

#include <chrono>

namespace platform::x11 {

struct X11SelectedText::Private
{
    Display *display = nullptr;
    Window window = 0;
    Atom primary = None;
    Atom utf8 = None;
    Atom property = None;
    Atom incr = None;
    int fixesEvent = -1;  // XFixes event base, or -1 without XFixes
    bool fresh = false;   // made anew since the last text was read

    // Notes that the selection was set again, by anyone.
    void note(const XEvent &event)
    {
        if (fixesEvent >= 0 && event.type == fixesEvent + XFixesSelectionNotify
            && reinterpret_cast<const XFixesSelectionNotifyEvent &>(event).selection == primary)
            fresh = true;
    }

    void drain()
    {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            note(event);
        }
    }

    // Waits for the answer to our conversion; false at the deadline.
    bool waitForNotify(std::chrono::steady_clock::time_point deadline, XEvent &event)
    {
        for (;;) {
            while (XPending(display) > 0) {
                XNextEvent(display, &event);
                if (event.type == SelectionNotify && event.xselection.requestor == window)
                    return true;
                note(event);
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }

    // The property's bytes; false when it is not text or comes in pieces.
    bool takeProperty(std::string &text)
    {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char *data = nullptr;
        const int status = XGetWindowProperty(display, window, property, 0, 1 << 20, True,
                                              AnyPropertyType, &type, &format, &items, &after, &data);
        bool ok = status == Success && type != incr && format == 8;
        if (ok && data)
            text.assign(reinterpret_cast<const char *>(data), items);
        if (data)
            XFree(data);
        return ok;
    }
};

X11SelectedText::X11SelectedText(std::unique_ptr<Private> d)
    : d(std::move(d))
{
}

std::unique_ptr<X11SelectedText> X11SelectedText::create()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    auto d = std::make_unique<Private>();
    d->display = display;
    d->window = XCreateSimpleWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, 0, 0);
    d->primary = XA_PRIMARY;
    d->utf8 = XInternAtom(display, "UTF8_STRING", False);
    d->property = XInternAtom(display, "TALKVANE_SELECTION", False);
    d->incr = XInternAtom(display, "INCR", False);
    int error = 0;
    if (XFixesQueryExtension(display, &d->fixesEvent, &error)) {
        XFixesSelectSelectionInput(display, d->window, XA_PRIMARY, XFixesSetSelectionOwnerNotifyMask);
        XSync(display, False);
    } else {
        d->fixesEvent = -1;
    }
    return std::unique_ptr<X11SelectedText>(new X11SelectedText(std::move(d)));
}

X11SelectedText::~X11SelectedText()
{
    XDestroyWindow(d->display, d->window);
    XCloseDisplay(d->display);
}

SelectedText::Result X11SelectedText::read(int timeoutMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Result result;
    // Also drops a late answer to an earlier try, which must not pass for this one's.
    d->drain();
    if (XGetSelectionOwner(d->display, d->primary) == None)
        return result;
    if (d->fixesEvent >= 0 && !d->fresh) {
        result.outcome = Outcome::Stale;
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    XDeleteProperty(d->display, d->window, d->property);
    XConvertSelection(d->display, d->primary, d->utf8, d->property, d->window, CurrentTime);
    XFlush(d->display);
    XEvent event;
    if (!d->waitForNotify(deadline, event)) {
        result.outcome = Outcome::Failed;
        return result;
    }
    if (event.xselection.property == None || !d->takeProperty(result.text)) {
        result.outcome = Outcome::Failed;
        return result;
    }
    result.outcome = result.text.empty() ? Outcome::Nothing : Outcome::Text;
    if (result.outcome == Outcome::Text)
        d->fresh = false;
    return result;
}

}  // namespace platform::x11
