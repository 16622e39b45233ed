#include "stretch_image.h"

namespace morvane {

QImage stretchImage(const QImage& image, QSize size)
{
    if (image.isNull() || size.isEmpty())
        return {};
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace morvane
