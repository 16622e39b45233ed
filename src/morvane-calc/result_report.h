#pragma once
// Writing the results of one run, plain or as JSON. Only what the run wrote
// appears: a failing run reports the texts and values written before the failure.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wetting_front_model.h"

namespace morvane::calc {

// One "Name=text" line per written text in the order the model writes them,
// then "ltStoWarn=shown|hidden" and "HvSTOWarn=shown|hidden" once set.
std::string plainReport(const ModelResults& results);

// A table row's named fields, carried into its JSON line.
using NamedFields = std::vector<std::pair<std::string_view, std::string_view>>;

// {"texts": {...}, "warnings": {...}, "light": {...}, "heavy": {...}, "error": null|"..."}
// and, for a table row, "fields": {"name": "text", ...} last.
// Held values are written with 17 significant digits, so the doubles read back exactly.
std::string jsonReport(const ModelResults& results, const std::optional<std::string>& error,
                       const NamedFields* fields = nullptr);
void appendJsonReport(std::string& out, const ModelResults& results,
                      const std::optional<std::string>& error, const NamedFields* fields);

// "shown" or "hidden" for a decided storage warning.
inline const char* warningText(bool shown) { return shown ? "shown" : "hidden"; }

}  // namespace morvane::calc
