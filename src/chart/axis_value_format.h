#pragma once
// Label texts of a value axis, written from a number pattern such as the
// default "#,##0.###": a "," in the integer part groups thousands with ",",
// the "0"s before the "." give the least number of integer digits, the "0"s
// after it the least and the "0"s and "#"s together the most decimals. The
// decimal mark is always ".".
//   "#,##0.###": 600 -> "600", 0 -> "0", 1234.5 -> "1,234.5",
//                -12.5 -> "-12.5", 0.0004 -> "0", 2.0005 -> "2" or "2.001"
//                (the nearest three-decimal text of the stored double).
//   "0.00":      3 -> "3.00".
// Values that are not finite are written "NAN", "INF" or "-INF".

#include <QString>

namespace morvane {

inline const QString DefaultAxisValuesFormat = QStringLiteral("#,##0.###");

QString FormatAxisValue(double value, const QString& pattern);

}  // namespace morvane
