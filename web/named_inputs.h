#pragma once
// The page's names for the model's input texts (its link parameters and the
// keys of the module's answers), in the order the model reads them. A new
// input of the page is one more line here.

#include <string>

#include "wetting_front_model.h"

namespace morvane::web {

struct NamedInput {
    const char* name;
    std::string ModelInputs::*text;
};

inline constexpr NamedInput kNamedInputs[] = {
    {"rate", &ModelInputs::appRate}, {"duration", &ModelInputs::duration},
    {"days", &ModelInputs::days},    {"cwu", &ModelInputs::cropWaterUse},
    {"rootZone", &ModelInputs::rootZone},
};

}  // namespace morvane::web
