#include "bundled_fonts.h"

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>

#include <fontconfig/fontconfig.h>

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

// An empty configuration (no font directories, no rules) made current
// before anything reads the default one; the faces registered next are then
// the only fonts there are.
void useOwnFontConfiguration()
{
    FcConfig* own = FcConfigCreate();
    if (own && FcConfigSetCurrent(own))
        FcConfigDestroy(own);  // the library holds its own reference now
    // If the library refused it, the desktop's configuration is read as
    // usual and the bundled faces are added to it: the window still shows
    // them, only start-up is slower.
}

}  // namespace

QString bundledSansFamily() { return QStringLiteral("Liberation Sans"); }

void loadBundledFonts()
{
    static bool loaded = false;  // the font database is process-wide too
    if (loaded)
        return;
    loaded = true;
    useOwnFontConfiguration();
    for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFontFromData(faceData(QString::fromLatin1(face)));
    for (const char* name : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(name), bundledSansFamily());
    QFont standard = QGuiApplication::font();
    standard.setFamily(bundledSansFamily());
    QGuiApplication::setFont(standard);
}

}  // namespace morvane
