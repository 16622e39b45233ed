#include "jpeg_decode.h"

#include "jpeg_error_trap.h"

namespace morvane {

namespace {

using jpeg_detail::ErrorTrap;

// Each step below arms the trap itself, so that a libjpeg failure jumps
// back into a frame that holds only plain C values (see jpeg_error_trap.h).

bool readHeader(jpeg_decompress_struct& decoder, ErrorTrap& trap,
                const unsigned char* bytes, unsigned long size)
{
    if (setjmp(trap.jumpBack) != 0)
        return false;
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, bytes, size);
    if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK)
        return false;
    decoder.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&decoder);
    return decoder.output_components == 3;
}

bool readPixels(jpeg_decompress_struct& decoder, ErrorTrap& trap,
                unsigned char* firstRow, long long bytesPerRow)
{
    if (setjmp(trap.jumpBack) != 0)
        return false;
    jpeg_start_decompress(&decoder);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = firstRow + decoder.output_scanline * bytesPerRow;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    return true;
}

QImage decodeWith(jpeg_decompress_struct& decoder, ErrorTrap& trap,
                  const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (!readHeader(decoder, trap, bytes, static_cast<unsigned long>(data.size())))
        return {};

    const long long width = decoder.output_width;
    const long long height = decoder.output_height;
    if (width * height > maxJpegPixels)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
    if (image.isNull())
        return {};

    if (!readPixels(decoder, trap, image.bits(), image.bytesPerLine()))
        return {};
    return image;
}

}  // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};

    // Zeroed first, so that destroying it is safe even when creating it
    // failed half way.
    jpeg_decompress_struct decoder{};
    ErrorTrap trap{};
    decoder.err = jpeg_detail::installErrorTrap(trap);

    QImage image = decodeWith(decoder, trap, data);
    jpeg_destroy_decompress(&decoder);
    return image;
}

}  // namespace morvane
