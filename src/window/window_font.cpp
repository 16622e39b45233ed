#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

QFont windowFont(int pixelSize, bool bold)
{
    QFont font(u"MS Sans Serif"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // The same crisp glyphs on every desktop, whatever its font settings.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace morvane
