#include "bundled_fonts.h"

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QResource>

namespace morvane {

namespace {

// The bytes of a bundled face. The faces are stored uncompressed, so the
// font engine reads them where they lie in the program instead of from
// copies on the heap.
QByteArray faceData(const QString& path)
{
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

}  // namespace

QString bundledSansFamily() { return QStringLiteral("Liberation Sans"); }

void loadBundledFonts()
{
    static bool loaded = false;  // the font database is process-wide too
    if (loaded)
        return;
    loaded = true;
    for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFontFromData(faceData(QString::fromLatin1(face)));
    for (const char* name : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(name), bundledSansFamily());
}

}  // namespace morvane
