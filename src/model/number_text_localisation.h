#pragma once
// Number texts kept with a "." (default inputs, stored layouts), shown with
// the active decimal separator so that the parse rule accepts them in every
// locale.

#include <string>
#include <string_view>

namespace morvane {

// The stored text with each "." replaced by the current decimal separator.
//   "2.5" -> "2,5" with decimal separator ","; "2.5" with "."; "500" -> "500".
std::string localisedNumberText(std::string_view storedText);

}  // namespace morvane
