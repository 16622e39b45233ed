#pragma once
// Decoding of a JPEG file held in memory, with libjpeg.
//
// decodeJpeg(data) returns the picture as a QImage in Format_RGB888, the
// size the file states. Greyscale and colour (YCbCr) files, baseline and
// progressive, are accepted. For example the window's detector picture,
// resources/detector.jpg, decodes to a 156 x 544 image.
//
// Failures never crash and never print; they return a null QImage:
// - empty data, data that is not a JPEG (a PNG, random bytes);
// - a file cut short anywhere, even just before its end marker;
// - a damaged header or damaged data that libjpeg notices (a premature end
//   of a data segment, a bad Huffman code, a frame of zero width);
// - colour spaces that libjpeg cannot turn into RGB (CMYK, YCCK);
// - pictures of more than maxJpegPixels pixels, and memory exhaustion.
// Damage that libjpeg cannot notice (flipped bits inside the compressed
// data) gives a picture with wrong pixels, as with any JPEG decoder.

#include <QByteArray>
#include <QImage>

namespace morvane {

// The largest picture decodeJpeg accepts: 8192 x 8192 pixels, 192 MiB of
// RGB. A forged header may claim 65500 x 65500, and such a request is
// refused before any memory is taken for it.
inline constexpr long long maxJpegPixels = 8192LL * 8192LL;

QImage decodeJpeg(const QByteArray& data);

}  // namespace morvane
