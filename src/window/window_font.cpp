#include "window_font.h"

namespace morvane {

QFont windowFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // The same crisp glyphs on every desktop, whatever its font settings.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace morvane
