#pragma once
// Which input box a failed run's message came from, so the page can name and
// mark it: "rate", "duration", "days", "cwu" or "rootZone", or "" when the
// failure belongs to no one box.
//   rate "abc"  -> "rate"   ('abc' is not a valid floating point value.)
//   days "0"    -> "days"   (Floating point division by zero.)
//   root zone 0 -> "rootZone"

#include <string>

#include "wetting_front_model.h"

namespace morvane::web {

std::string failedInputName(const ModelInputs& inputs, const std::string& error);

}  // namespace morvane::web
