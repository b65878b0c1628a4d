#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// A picture in which every pixel differs from its neighbours in every
// channel, so a shift, a scale or a lost row of one pixel shows.
namespace TestPattern {

inline QRgb colorAt(int x, int y)
{
    return qRgb((x * 37 + y * 11) & 0xff, (x * 5 + y * 53) & 0xff, ((x ^ y) * 7 + 31) & 0xff);
}

inline QImage image(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = colorAt(x, y);
    }
    return picture;
}

}  // namespace TestPattern
