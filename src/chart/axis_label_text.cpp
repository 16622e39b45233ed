#include "axis_label_text.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace morvane {

QString axisLabelText(double value)
{
    const double whole = std::round(value);
    if (whole == 0)
        return u"0"_s;  // also for -0.4, which would read "-0"
    // QString::number always writes C-locale digits.
    return QString::number(whole, 'f', 0);
}

}  // namespace morvane
