#include "text_metrics.h"

#include <QFontMetrics>

namespace morvane {

int textHeight(const QFont& font) { return QFontMetrics(font).height(); }

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int textAscent(const QFont& font) { return QFontMetrics(font).ascent(); }

}  // namespace morvane
