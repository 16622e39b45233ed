#pragma once
// The picture beside the charts: a wetting-front detector held upright by
// a hand in a shirt sleeve, in front of sky, a cropped field and bare soil.
// Painted from shapes, so it can be regenerated and changed at will.

#include <QImage>

namespace morvane {

inline constexpr int detectorPictureWidth = 156;
inline constexpr int detectorPictureHeight = 544;

// Every run paints the same pixels: the soil speckles come from a fixed
// seed.
QImage paintDetectorPicture();

}  // namespace morvane
