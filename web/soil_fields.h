#pragma once
// One soil slot's fields on the page, checked as the window's Soils dialog
// checks them, as JSON for the page. The keys of the values are those of
// morvane-calc's "soils" member.
//   light, "0.2", "0.25", "0.23", "0.3", name "Loam" ->
//     {"name": "Loam", "builtIn": false,
//      "problems": {"wiltingPoint": "The wilting point must be below the field
//                   capacity (0.25 is not below 0.2)."},
//      "message": "Light soil: the wilting point must be below the field capacity
//                  (0.25 is not below 0.2).", "description": null}
//   light, "0.2", "0.1", "0.23", "0.3", name "" ->
//     {"name": "", "builtIn": false, "problems": {}, "message": null,
//      "description": "Own soil in the light slot: field capacity 0.2, wilting point
//                      0.1, detection water content 0.23, upper water content 0.3 (m³/m³)"}
// "problems" tells each field at fault in a sentence of its own; "message"
// is the first of them in the page's order (the name, then the values), in
// morvane-calc's words; "builtIn" is true for the built-in values (in any
// spelling) and no name, which is the built-in soil, and has no description.

#include <array>
#include <string>
#include <string_view>

#include "soil_text.h"

namespace morvane::web {

using SoilFieldTexts = std::array<std::string_view, kSoilValueCount>;

std::string soilFieldsJson(SoilSlot slot, const SoilFieldTexts& values, std::string_view name);

// The soil as a soil text with the active decimal separator, as a link or
// morvane-calc writes it: the built-in light soil is "0.14:0.07:0.18:0.25".
std::string soilText(const SoilRecord& soil);

}  // namespace morvane::web
