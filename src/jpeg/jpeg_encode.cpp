#include "jpeg_encode.h"

#include <algorithm>
#include <cstdlib>

#include "jpeg_error_trap.h"

#include <jerror.h>  // after jpeglib.h, which it needs

namespace morvane {

namespace {

using jpeg_detail::ErrorTrap;

// A destination that collects the compressed bytes in one malloc'd block
// which grows as needed. The block belongs to this struct (not to
// libjpeg), so it is freed on every path, failures included.
struct GrowingBuffer {
    jpeg_destination_mgr manager;  // first, so libjpeg's pointer to it is ours
    unsigned char* bytes;
    size_t capacity;
    size_t used;  // set once libjpeg has finished
};

GrowingBuffer& bufferOf(j_compress_ptr encoder)
{
    return *reinterpret_cast<GrowingBuffer*>(encoder->dest);
}

void startAtBeginning(j_compress_ptr encoder)
{
    GrowingBuffer& buffer = bufferOf(encoder);
    buffer.manager.next_output_byte = buffer.bytes;
    buffer.manager.free_in_buffer = buffer.capacity;
}

// Called by libjpeg when the block is full: the whole block is in use.
boolean growBlock(j_compress_ptr encoder)
{
    GrowingBuffer& buffer = bufferOf(encoder);
    const size_t newCapacity = buffer.capacity * 2;
    auto* grown = static_cast<unsigned char*>(std::realloc(buffer.bytes, newCapacity));
    if (grown == nullptr)
        ERREXIT1(encoder, JERR_OUT_OF_MEMORY, 0);
    buffer.bytes = grown;
    buffer.manager.next_output_byte = grown + buffer.capacity;
    buffer.manager.free_in_buffer = newCapacity - buffer.capacity;
    buffer.capacity = newCapacity;
    return TRUE;
}

void noteLength(j_compress_ptr encoder)
{
    GrowingBuffer& buffer = bufferOf(encoder);
    buffer.used = buffer.capacity - buffer.manager.free_in_buffer;
}

// Arms the trap itself, so that a libjpeg failure jumps back into a frame
// that holds only plain C values (see jpeg_error_trap.h).
bool compressInto(jpeg_compress_struct& encoder, ErrorTrap& trap,
                  const QImage& rgb, int quality, GrowingBuffer& buffer)
{
    if (setjmp(trap.jumpBack) != 0)
        return false;
    jpeg_create_compress(&encoder);
    encoder.dest = &buffer.manager;  // after creating, which clears it
    encoder.image_width = static_cast<JDIMENSION>(rgb.width());
    encoder.image_height = static_cast<JDIMENSION>(rgb.height());
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < encoder.image_height) {
        // libjpeg only reads the row, but its interface is not const.
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(encoder.next_scanline)));
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    return true;
}

}  // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return {};

    GrowingBuffer buffer{};
    buffer.capacity = 64 * 1024;
    buffer.bytes = static_cast<unsigned char*>(std::malloc(buffer.capacity));
    if (buffer.bytes == nullptr)
        return {};
    buffer.manager.init_destination = startAtBeginning;
    buffer.manager.empty_output_buffer = growBlock;
    buffer.manager.term_destination = noteLength;

    // Zeroed first, so that destroying it is safe even when creating it
    // failed half way.
    jpeg_compress_struct encoder{};
    ErrorTrap trap{};
    encoder.err = jpeg_detail::installErrorTrap(trap);

    QByteArray file;
    if (compressInto(encoder, trap, rgb, std::clamp(quality, 1, 100), buffer))
        file = QByteArray(reinterpret_cast<const char*>(buffer.bytes),
                          static_cast<qsizetype>(buffer.used));
    jpeg_destroy_compress(&encoder);
    std::free(buffer.bytes);
    return file;
}

}  // namespace morvane
