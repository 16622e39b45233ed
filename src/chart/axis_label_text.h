#pragma once
// The text of an axis value label: the value rounded to a whole number and
// written in plain ASCII digits, with a leading "-" for negative values and
// no grouping, whatever the locale. The charts label 0 to 600, so nothing
// more is needed, and the labels (and with them the plot rectangle, whose
// left edge depends on their width) are the same in every country.
//   600 -> "600", 0 -> "0", 1234 -> "1234", -12.5 -> "-13", 0.4 -> "0",
//   -0.4 -> "0", 2.5 -> "3".

#include <QString>

namespace morvane {

QString axisLabelText(double value);

}  // namespace morvane
