#include "text_metrics.h"

#include <QFontMetrics>

namespace morvane {

int TextHeight(const QFont& font) { return QFontMetrics(font).height(); }

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int TextAscent(const QFont& font) { return QFontMetrics(font).ascent(); }

}  // namespace morvane
