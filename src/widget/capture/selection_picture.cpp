#include "selection_picture.h"

#include "annotations.h"
#include "selection_geometry.h"

#include <QPainter>

namespace SelectionPicture {

QImage compose(const QImage &frozen, const QRectF &selection, const Annotations &annotations)
{
    const qreal ratio = frozen.devicePixelRatio();
    const QRect device = SelectionGeometry::toDevice(selection, ratio, frozen.size());
    if (device.isEmpty())
        return QImage();
    QImage picture = frozen.copy(device);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    // The painter works in logical units on a picture with a pixel ratio.
    painter.translate(-QPointF(device.topLeft()) / ratio);
    annotations.paintShapes(painter);
    annotations.paintTexts(painter);
    return picture;
}

bool isUsable(const QImage &picture)
{
    return picture.width() > 1 && picture.height() > 1;
}

}  // namespace SelectionPicture
