#pragma once
// Stretching of a picture to the size of the control that shows it.
//
// stretchImage(image, size) scales `image` to exactly `size`, ignoring its
// proportions, as a stretched image control does; neighbouring pixels are
// blended, so that the picture stays smooth. For example the 156 x 544
// detector picture becomes 97 x 417 for `Image2`.
//
// A null image, or a size with no area, gives a null image.

#include <QImage>
#include <QSize>

namespace morvane {

QImage stretchImage(const QImage& image, QSize size);

}  // namespace morvane
