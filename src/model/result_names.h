#pragma once
// The names of the model's results, in the order a run writes them: the one
// list that the window (whose result labels carry these object names),
// morvane-calc's output and the tests go through.
//
//   for (const ResultText& result : kResultTexts)
//       if (const auto& text = result.text(results)) print(result.name, *text);
// gives AppAmount, LtSWD, HvSWD, LtTAW, LtAW, LtSTO, LtSD, LtDD, HvTAW, HvAW,
// HvSD, HvDD, Hv1STO; then kStorageWarnings gives ltStoWarn and HvSTOWarn.
//
// Each result also has its meaning and unit in words, for people: the window
// reads them out ("Light soil storage: 29 percent") and copies them
// ("Applied depth (mm)<TAB>25"). A percentage carries its "%" in its text and
// has no unit here.

#include <array>
#include <optional>
#include <string>

#include "wetting_front_model.h"

namespace morvane {

struct ResultText {
    const char* name;
    const char* meaning;  // "Applied depth"
    const char* unit;     // "mm", or "" for a percentage
    const std::optional<std::string>& (*text)(const ModelResults&);
};

struct StorageWarning {
    const char* name;
    const char* storageName;  // the storage text the warning is about
    const std::optional<bool>& (*shown)(const ModelResults&);
};

inline constexpr std::array<ResultText, 13> kResultTexts{{
    {"AppAmount", "Applied depth", "mm",
     [](const ModelResults& r) -> const auto& { return r.appliedDepthText; }},
    {"LtSWD", "Soil water deficit", "mm",
     [](const ModelResults& r) -> const auto& { return r.light.deficitText; }},
    {"HvSWD", "Heavy soil water deficit", "mm",
     [](const ModelResults& r) -> const auto& { return r.heavy.deficitText; }},
    {"LtTAW", "Light soil total available water", "mm",
     [](const ModelResults& r) -> const auto& { return r.light.totalAvailableWaterText; }},
    {"LtAW", "Light soil available water", "mm",
     [](const ModelResults& r) -> const auto& { return r.light.availableWaterText; }},
    {"LtSTO", "Light soil storage", "",
     [](const ModelResults& r) -> const auto& { return r.light.storageText; }},
    {"LtSD", "Light soil shallow detector depth", "mm",
     [](const ModelResults& r) -> const auto& { return r.light.shallowDetectorText; }},
    {"LtDD", "Light soil deep detector depth", "mm",
     [](const ModelResults& r) -> const auto& { return r.light.deepDetectorText; }},
    {"HvTAW", "Heavy soil total available water", "mm",
     [](const ModelResults& r) -> const auto& { return r.heavy.totalAvailableWaterText; }},
    {"HvAW", "Heavy soil available water", "mm",
     [](const ModelResults& r) -> const auto& { return r.heavy.availableWaterText; }},
    {"HvSD", "Heavy soil shallow detector depth", "mm",
     [](const ModelResults& r) -> const auto& { return r.heavy.shallowDetectorText; }},
    {"HvDD", "Heavy soil deep detector depth", "mm",
     [](const ModelResults& r) -> const auto& { return r.heavy.deepDetectorText; }},
    {"Hv1STO", "Heavy soil storage", "",
     [](const ModelResults& r) -> const auto& { return r.heavy.storageText; }},
}};

inline constexpr std::array<StorageWarning, 2> kStorageWarnings{{
    {"ltStoWarn", "LtSTO", [](const ModelResults& r) -> const auto& { return r.light.storageWarning; }},
    {"HvSTOWarn", "Hv1STO", [](const ModelResults& r) -> const auto& { return r.heavy.storageWarning; }},
}};

}  // namespace morvane
