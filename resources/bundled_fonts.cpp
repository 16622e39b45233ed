#include "bundled_fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace morvane {

QString bundledSansFamily() { return QStringLiteral("Liberation Sans"); }

void loadBundledFonts()
{
    static bool loaded = false;  // the font database is process-wide too
    if (loaded)
        return;
    loaded = true;
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    for (const char* name : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(name), bundledSansFamily());
}

}  // namespace morvane
