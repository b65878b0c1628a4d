#pragma once

#include <QImage>
#include <QRectF>

class Annotations;

// The picture every output of the capture tool hands on: the frozen screen's
// own pixels under the selection, at the screen's device resolution, with the
// annotations drawn at the same scale. Nothing of the overlay (veil, border,
// toolbar) is in it, and nothing is re-grabbed, so it is exactly what the
// user saw inside the selection.
namespace SelectionPicture {

// frozen: the whole screen in device pixels, its devicePixelRatio set;
// selection: logical coordinates of the overlay covering that screen.
QImage compose(const QImage &frozen, const QRectF &selection, const Annotations &annotations);

// Too small to be worth handing on: a click without a drag, a one-pixel line.
bool isUsable(const QImage &picture);

}  // namespace SelectionPicture
