#pragma once
// The page's names for the inputs of a run (its link parameters and the keys
// of the module's answers), in the order a run reads them, each with the
// morvane-calc option that takes the same text. A new input of the page is
// one more line here. What a detector showed is a word, "up" or "down", read
// into the run's DetectorsShowed rather than kept as a text.

#include <optional>
#include <string>
#include <string_view>

#include "command_line.h"
#include "detector_answer.h"
#include "soil_text.h"
#include "wetting_front_model.h"

namespace morvane::web {

struct NamedInput {
    const char* name;
    std::optional<std::string> calc::GivenInputs::*given = nullptr;  // none for a detector
    std::string ModelInputs::*text = nullptr;     // the text the model reads; none for a soil
    std::optional<SoilSlot> soil = std::nullopt;  // the slot a soil text fills
    std::optional<FloatPosition> DetectorsShowed::*showed = nullptr;  // the detector it tells of
};

inline constexpr NamedInput kNamedInputs[] = {
    {"rate", &calc::GivenInputs::appRate, &ModelInputs::appRate},
    {"duration", &calc::GivenInputs::duration, &ModelInputs::duration},
    {"days", &calc::GivenInputs::days, &ModelInputs::days},
    {"cwu", &calc::GivenInputs::cropWaterUse, &ModelInputs::cropWaterUse},
    {"rootZone", &calc::GivenInputs::rootZone, &ModelInputs::rootZone},
    {"lightSoil", &calc::GivenInputs::lightSoil, nullptr, SoilSlot::light},
    {"heavySoil", &calc::GivenInputs::heavySoil, nullptr, SoilSlot::heavy},
    {.name = "shallowShowed", .showed = &DetectorsShowed::shallow},
    {.name = "deepShowed", .showed = &DetectorsShowed::deep},
};

// The input of that name, or null.
inline const NamedInput* namedInput(std::string_view name)
{
    for (const NamedInput& input : kNamedInputs)
        if (name == input.name) return &input;
    return nullptr;
}

}  // namespace morvane::web
