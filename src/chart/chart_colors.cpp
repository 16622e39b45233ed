#include "chart_colors.h"

namespace morvane {

QColor ToQColor(TColor color)
{
    if (color == clNone)
        return QColor(0, 0, 0, 0);
    if (color == clDefault)
        return QColor(0, 0, 0);
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace morvane
