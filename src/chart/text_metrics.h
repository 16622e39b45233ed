#pragma once
// text measurement for chart layout. "The height of W" in a font is
// QFontMetrics::height() (ascent + descent): the height of a text cell, the
// same for every text of the font. Widths are horizontal advances, so texts
// placed side by side line up.

#include <QFont>
#include <QString>

namespace morvane {

int textHeight(const QFont& font);
int textWidth(const QFont& font, const QString& text);
int textAscent(const QFont& font);

}  // namespace morvane
