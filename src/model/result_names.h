#pragma once
// The names of the model's results, in the order a run writes them: the one
// list that the window (whose result labels carry these object names),
// morvane-calc's output and the tests go through.
//
//   for (const ResultText& result : kResultTexts)
//       if (const auto& text = result.text(results)) print(result.name, *text);
// gives AppAmount, LtSWD, HvSWD, LtTAW, LtAW, LtSTO, LtSD, LtDD, HvTAW, HvAW,
// HvSD, HvDD, Hv1STO; then kStorageWarnings gives ltStoWarn and HvSTOWarn.

#include <array>
#include <optional>
#include <string>

#include "wetting_front_model.h"

namespace morvane {

struct ResultText {
    const char* name;
    const std::optional<std::string>& (*text)(const ModelResults&);
};

struct StorageWarning {
    const char* name;
    const char* storageName;  // the storage text the warning is about
    const std::optional<bool>& (*shown)(const ModelResults&);
};

inline constexpr std::array<ResultText, 13> kResultTexts{{
    {"AppAmount", [](const ModelResults& r) -> const auto& { return r.appliedDepthText; }},
    {"LtSWD", [](const ModelResults& r) -> const auto& { return r.light.deficitText; }},
    {"HvSWD", [](const ModelResults& r) -> const auto& { return r.heavy.deficitText; }},
    {"LtTAW", [](const ModelResults& r) -> const auto& { return r.light.totalAvailableWaterText; }},
    {"LtAW", [](const ModelResults& r) -> const auto& { return r.light.availableWaterText; }},
    {"LtSTO", [](const ModelResults& r) -> const auto& { return r.light.storageText; }},
    {"LtSD", [](const ModelResults& r) -> const auto& { return r.light.shallowDetectorText; }},
    {"LtDD", [](const ModelResults& r) -> const auto& { return r.light.deepDetectorText; }},
    {"HvTAW", [](const ModelResults& r) -> const auto& { return r.heavy.totalAvailableWaterText; }},
    {"HvAW", [](const ModelResults& r) -> const auto& { return r.heavy.availableWaterText; }},
    {"HvSD", [](const ModelResults& r) -> const auto& { return r.heavy.shallowDetectorText; }},
    {"HvDD", [](const ModelResults& r) -> const auto& { return r.heavy.deepDetectorText; }},
    {"Hv1STO", [](const ModelResults& r) -> const auto& { return r.heavy.storageText; }},
}};

inline constexpr std::array<StorageWarning, 2> kStorageWarnings{{
    {"ltStoWarn", "LtSTO", [](const ModelResults& r) -> const auto& { return r.light.storageWarning; }},
    {"HvSTOWarn", "Hv1STO", [](const ModelResults& r) -> const auto& { return r.heavy.storageWarning; }},
}};

}  // namespace morvane
