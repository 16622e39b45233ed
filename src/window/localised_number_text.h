#pragma once
// Number texts stored in the window's layout, shown in the user's locale:
// the model library's localisedNumberText for QString.

#include <QString>

namespace morvane {

// The stored text with its "." replaced by the current decimal separator, so
// that the parse rule accepts the window's default texts in every locale.
//   "2.5" -> "2,5" with decimal separator ","; "2.5" with "."; "500" -> "500".
QString localisedNumberText(const QString& storedText);

}  // namespace morvane
