#pragma once

#include <QImage>
#include <QRect>

typedef struct _XDisplay Display;

// Reads what an X screen shows, straight from the server (device pixels).
namespace X11Pixels {

// area: on the root window of the given screen; a null image when it fails.
QImage grabRoot(Display *display, int screen, const QRect &area);

}  // namespace X11Pixels
