#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdlib>
#include <ostream>
#include <random>
#include <string>

#include "jpeg_decode.h"
#include "jpeg_encode.h"
#include "stretch_image.h"

// Readable names for the sizes in the test listing.
void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << "x" << size.height();
}

namespace {

using morvane::decodeJpeg;
using morvane::encodeJpeg;
using morvane::stretchImage;

QByteArray detectorPictureFile()
{
    QFile file(QStringLiteral(MORVANE_DETECTOR_PICTURE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int byteAt(const QByteArray& bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes.at(at));
}

// Offset of the frame header (SOFn marker) found by walking the segments
// from the start of the file, or -1 when there is none before the scan.
qsizetype frameHeaderOffset(const QByteArray& jpeg)
{
    if (jpeg.size() < 4 || byteAt(jpeg, 0) != 0xFF || byteAt(jpeg, 1) != 0xD8)
        return -1;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && byteAt(jpeg, at) == 0xFF) {
        const int marker = byteAt(jpeg, at + 1);
        const bool isFrame = marker >= 0xC0 && marker <= 0xCF
            && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame)
            return at;
        if (marker == 0xDA)
            return -1;
        at += 2 + (byteAt(jpeg, at + 2) << 8 | byteAt(jpeg, at + 3));
    }
    return -1;
}

// 0xC0 for a baseline file, 0xC2 for a progressive one.
int frameMarkerOf(const QByteArray& jpeg)
{
    const qsizetype at = frameHeaderOffset(jpeg);
    return at < 0 ? 0 : byteAt(jpeg, at + 1);
}

int largestChannelDifference(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

QImage flatImage(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Four flat squares, each 16 pixels wide so that the chroma subsampling
// does not blend them in their middles.
QImage fourSquares()
{
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 32, QColor(200, 40, 30));
    painter.fillRect(32, 0, 32, 32, QColor(30, 160, 60));
    painter.fillRect(0, 32, 32, 32, QColor(40, 60, 210));
    painter.fillRect(32, 32, 32, 32, QColor(240, 220, 120));
    painter.end();
    return image;
}

QByteArray writtenByQt(const QImage& image, bool progressive)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? buffer.data() : QByteArray();
}

// --- the committed picture ---------------------------------------------

TEST(DetectorPicture, IsASmallBaselineJpegOf156By544)
{
    const QByteArray file = detectorPictureFile();
    ASSERT_FALSE(file.isEmpty()) << MORVANE_DETECTOR_PICTURE;
    EXPECT_LT(file.size(), 100 * 1024);
    EXPECT_EQ(frameMarkerOf(file), 0xC0);

    const QImage picture = decodeJpeg(file);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(156, 544));
}

// Catches swapped colour channels: the sky must come out blue, the soil
// brown.
TEST(DetectorPicture, ShowsSkyAboveAndSoilBelow)
{
    const QImage picture = decodeJpeg(detectorPictureFile());
    ASSERT_FALSE(picture.isNull());
    const QColor sky = picture.pixelColor(4, 4);
    const QColor soil = picture.pixelColor(4, 536);
    EXPECT_GT(sky.blue(), sky.red() + 60);
    EXPECT_GT(soil.red(), soil.blue() + 30);
}

TEST(DetectorPicture, StretchesToTheImageControl)
{
    const QImage stretched = stretchImage(decodeJpeg(detectorPictureFile()), QSize(97, 417));
    EXPECT_EQ(stretched.size(), QSize(97, 417));
}

// --- encoding and decoding back --------------------------------------------

TEST(JpegRoundTrip, KeepsColoursOfFlatAreas)
{
    const QImage original = fourSquares();
    const QByteArray file = encodeJpeg(original, 90);
    EXPECT_EQ(frameMarkerOf(file), 0xC0);

    const QImage decoded = decodeJpeg(file);
    ASSERT_EQ(decoded.size(), original.size());
    for (const QPoint middle : {QPoint(16, 16), QPoint(48, 16), QPoint(16, 48), QPoint(48, 48)})
        EXPECT_LE(largestChannelDifference(decoded.pixelColor(middle), original.pixelColor(middle)), 6)
            << "at " << middle.x() << "," << middle.y();
}

class JpegRoundTripSize : public testing::TestWithParam<QSize> {};

// Sizes that are not whole blocks must still give every row and column.
TEST_P(JpegRoundTripSize, GivesTheSameSizeAndColour)
{
    const QColor colour(120, 180, 90);
    const QImage decoded = decodeJpeg(encodeJpeg(flatImage(GetParam(), colour), 85));
    ASSERT_EQ(decoded.size(), GetParam());
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x)
            ASSERT_LE(largestChannelDifference(decoded.pixelColor(x, y), colour), 6)
                << "at " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegRoundTripSize,
                         testing::Values(QSize(1, 1), QSize(17, 9), QSize(9, 33), QSize(156, 544)),
                         [](const testing::TestParamInfo<QSize>& info) {
                             return testing::PrintToString(info.param);
                         });

// Noise compresses badly, so this file outgrows the encoder's first block
// (64 KiB) more than once; the flat part written after that must still
// come back whole.
TEST(JpegRoundTrip, KeepsALargeFileWhole)
{
    const QColor flat(90, 140, 200);
    QImage image = flatImage(QSize(512, 512), flat);
    std::mt19937 generator(7);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, generator() & 0xFFFFFF);

    const QByteArray file = encodeJpeg(image, 95);
    EXPECT_GT(file.size(), 128 * 1024);
    const QImage decoded = decodeJpeg(file);
    ASSERT_EQ(decoded.size(), image.size());
    for (const QPoint inFlatPart : {QPoint(8, 272), QPoint(256, 400), QPoint(503, 503)})
        EXPECT_LE(largestChannelDifference(decoded.pixelColor(inFlatPart), flat), 6);
}

TEST(JpegEncode, RefusesANullImage)
{
    EXPECT_TRUE(encodeJpeg(QImage(), 85).isEmpty());
}

TEST(JpegEncode, HigherQualityGivesALargerFile)
{
    const QImage image = fourSquares();
    EXPECT_LT(encodeJpeg(image, 20).size(), encodeJpeg(image, 95).size());
}

// Files from another encoder: a progressive colour file and a greyscale one.
TEST(JpegDecode, ReadsProgressiveAndGreyscaleFiles)
{
    const QImage original = fourSquares();
    const QByteArray progressive = writtenByQt(original, true);
    const QByteArray grey = writtenByQt(original.convertToFormat(QImage::Format_Grayscale8), false);
    if (progressive.isEmpty() || grey.isEmpty())
        GTEST_SKIP() << "Qt cannot write JPEG files here";
    ASSERT_EQ(frameMarkerOf(progressive), 0xC2);

    const QImage fromProgressive = decodeJpeg(progressive);
    ASSERT_EQ(fromProgressive.size(), original.size());
    EXPECT_LE(largestChannelDifference(fromProgressive.pixelColor(16, 16), original.pixelColor(16, 16)), 6);

    const QImage fromGrey = decodeJpeg(grey);
    ASSERT_EQ(fromGrey.size(), original.size());
    const QColor greyPixel = fromGrey.pixelColor(48, 48);
    EXPECT_EQ(greyPixel.red(), greyPixel.green());
    EXPECT_EQ(greyPixel.green(), greyPixel.blue());
    EXPECT_GT(greyPixel.red(), 180);  // the pale yellow square
}

// --- input that is not a whole, sound JPEG ---------------------------------

QByteArray truncated(qsizetype length)
{
    return detectorPictureFile().left(length);
}

QByteArray randomBytes(QByteArray start, int count)
{
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    while (count-- > 0)
        start.append(static_cast<char>(byte(generator)));
    return start;
}

// The detector picture with the size in its frame header replaced.
QByteArray withFrameSize(int width, int height)
{
    QByteArray file = detectorPictureFile();
    const qsizetype frame = frameHeaderOffset(file);
    if (frame < 0)
        return {};
    file[frame + 5] = static_cast<char>(height >> 8);
    file[frame + 6] = static_cast<char>(height & 0xFF);
    file[frame + 7] = static_cast<char>(width >> 8);
    file[frame + 8] = static_cast<char>(width & 0xFF);
    return file;
}

// The picture's header followed by noise instead of its compressed data.
QByteArray noiseAfterTheHeader()
{
    const QByteArray file = detectorPictureFile();
    const qsizetype scan = file.indexOf("\xFF\xDA");
    return randomBytes(file.left(scan + 14), 8000);
}

QByteArray pngFile()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    fourSquares().save(&buffer, "PNG");
    return buffer.data();
}

struct BadInput {
    std::string name;
    QByteArray (*make)();
};

void PrintTo(const BadInput& input, std::ostream* out)
{
    *out << input.name;
}

class JpegDecodeBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(JpegDecodeBadInput, GivesANullImage)
{
    const QByteArray input = GetParam().make();
    ASSERT_FALSE(detectorPictureFile().isEmpty());
    EXPECT_TRUE(decodeJpeg(input).isNull()) << input.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, JpegDecodeBadInput,
    testing::Values(
        BadInput{"Empty", [] { return QByteArray(); }},
        BadInput{"StartMarkerOnly", [] { return truncated(2); }},
        BadInput{"CutInTheHeader", [] { return truncated(40); }},
        BadInput{"CutAfterTheTables", [] { return truncated(700); }},
        BadInput{"CutInTheData", [] { return truncated(5000); }},
        BadInput{"CutInHalf", [] { return truncated(detectorPictureFile().size() / 2); }},
        BadInput{"EndMarkerMissing", [] { return truncated(detectorPictureFile().size() - 2); }},
        BadInput{"StartMarkerMissing", [] { return detectorPictureFile().mid(2); }},
        BadInput{"RandomBytes", [] { return randomBytes({}, 4096); }},
        BadInput{"StartMarkerThenRandomBytes", [] { return randomBytes("\xFF\xD8", 4096); }},
        BadInput{"NoiseAfterTheHeader", noiseAfterTheHeader},
        BadInput{"ZeroWidth", [] { return withFrameSize(0, 544); }},
        BadInput{"HugeClaimedSize", [] { return withFrameSize(65500, 65500); }},
        BadInput{"PngFile", pngFile}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

// --- stretching -------------------------------------------------------------

TEST(StretchImage, FillsTheWholeSizeWithTheSameColour)
{
    const QColor colour(200, 100, 50);
    const QImage stretched = stretchImage(flatImage(QSize(156, 544), colour), QSize(97, 417));
    ASSERT_EQ(stretched.size(), QSize(97, 417));
    for (const QPoint corner : {QPoint(0, 0), QPoint(96, 0), QPoint(0, 416), QPoint(96, 416)})
        EXPECT_EQ(stretched.pixelColor(corner), colour);
}

TEST(StretchImage, GivesNullForNullImageOrEmptySize)
{
    EXPECT_TRUE(stretchImage(QImage(), QSize(97, 417)).isNull());
    EXPECT_TRUE(stretchImage(flatImage(QSize(4, 4), Qt::red), QSize(0, 417)).isNull());
    EXPECT_TRUE(stretchImage(flatImage(QSize(4, 4), Qt::red), QSize(97, 0)).isNull());
}

}  // namespace
