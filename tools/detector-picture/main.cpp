// detector-picture OUT.jpg
//
// Paints the detector picture shown in the window and writes it as a
// baseline JPEG. Its output is kept in the repository as
// resources/detector.jpg; run it again after changing the painting.

#include <QFile>
#include <cstdio>

#include "detector_picture.h"
#include "jpeg_encode.h"

namespace {

constexpr int jpegQuality = 85;

bool writeFile(const char* path, const QByteArray& bytes)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size()
        && file.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: detector-picture OUT.jpg\n");
        return 2;
    }
    const QByteArray jpeg = morvane::encodeJpeg(morvane::paintDetectorPicture(), jpegQuality);
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "detector-picture: could not encode the picture\n");
        return 1;
    }
    if (!writeFile(argv[1], jpeg)) {
        std::fprintf(stderr, "detector-picture: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
