#pragma once
// Writing the results of one run, plain or as JSON. Only what the run wrote
// appears: a failing run reports the texts and values written before the failure.

#include <optional>
#include <string>

#include "wetting_front_model.h"

namespace morvane::calc {

// One "Name=text" line per written text in the order the model writes them,
// then "ltStoWarn=shown|hidden" and "HvSTOWarn=shown|hidden" once set.
std::string plainReport(const ModelResults& results);

// {"texts": {...}, "warnings": {...}, "light": {...}, "heavy": {...}, "error": null|"..."}
// Held values are written with 17 significant digits, so the doubles read back exactly.
std::string jsonReport(const ModelResults& results, const std::optional<std::string>& error);

}  // namespace morvane::calc
