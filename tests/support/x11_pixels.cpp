#include "x11_pixels.h"

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace X11Pixels {

namespace {

int channel(unsigned long pixel, unsigned long mask)
{
    return mask ? int((pixel & mask) >> __builtin_ctzl(mask)) : 0;
}

}  // namespace

QImage grabRoot(Display *display, int screen, const QRect &area)
{
    XImage *image = XGetImage(display, RootWindow(display, screen), area.x(), area.y(),
                              unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image)
        return QImage();
    QImage picture(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            picture.setPixel(x, y, qRgb(channel(pixel, image->red_mask),
                                        channel(pixel, image->green_mask),
                                        channel(pixel, image->blue_mask)));
        }
    }
    XDestroyImage(image);
    return picture;
}

}  // namespace X11Pixels
