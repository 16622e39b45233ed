#pragma once
// Encoding of a picture as a baseline JPEG file in memory, with libjpeg.
//
// encodeJpeg(image, quality) converts `image` to 24-bit RGB and compresses
// it at `quality` (1 = smallest, 100 = best; values outside are clamped)
// with libjpeg's defaults: baseline sequential frame (marker SOF0), JFIF
// header, YCbCr with 2x2 chroma subsampling, standard Huffman tables. Any
// alpha channel is dropped. For example a 156 x 544 painted picture at
// quality 85 comes out at a few tens of kilobytes, and decodeJpeg() reads
// it back with every channel within a few steps of the original.
//
// Failures return an empty QByteArray and never print: a null image, or
// libjpeg or memory giving out during compression.

#include <QByteArray>
#include <QImage>

namespace morvane {

QByteArray encodeJpeg(const QImage& image, int quality);

}  // namespace morvane
