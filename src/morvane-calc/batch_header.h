#pragma once
// The batch table's header: which columns feed which model input, and the
// names the output gives the columns it carries.
//
// kInputColumns is the one list of input columns. A header names an input
// when it spells the input's name apart from case, blanks, "-" and "_", with
// at most the input's unit in brackets after it:
//   rate, Rate, " rate", Rate (mm/h), rate [mm/h]                -> rate
//   root_zone, Root Zone, root-zone, RootZone, root zone (mm)     -> root_zone
//   CWU, cwu (mm/day)                                             -> cwu
//   lightSoil, light soil, Light_Soil                             -> lightSoil
//   shallowShowed, Shallow showed                                 -> shallowShowed
// Any other unit is refused rather than read in the input's own unit:
//   duration (min)  ->  "the column 'duration (min)' has the unit 'min': duration is read in h"
// A header that is not an input but whose words hold an input's name, or the
// input's other words ("water use" for cwu), looks like that input. While
// that input has no column of its own such a header is refused: carrying it
// would run every row with the default.
//   root_zone_mm, Active root zone, Rate mm/h, days since irrigation, Crop water use
// Words break at every character but a letter, and before a capital that
// follows a small letter (RootZoneMm: root, zone, mm). Every other column is
// carried (field, farm id, notes, ratepayer, zone, crop); one named like a
// result column (LtSTO, error, in any case) is carried as input.LtSTO, so that
// a spreadsheet finds one column of each name in the output (and a table fed
// back again, with input.LtPlanRootZoneHours, is not taken for root_zone).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "csv_table.h"
#include "detector_answer.h"
#include "soil_text.h"
#include "wetting_front_model.h"

namespace morvane::calc {

// What an input column gives the model: one of its texts, a slot's soil
// ("FC:WP:DETECT:UPPER", soil_text.h), or what a detector showed ("up" or
// "down", detector_answer.h).
struct ModelInput {
    std::string ModelInputs::*text = nullptr;
    std::optional<SoilSlot> soil;
    std::optional<FloatPosition> DetectorsShowed::*showed = nullptr;
};

struct InputColumn {
    const char* name;             // as --help and the README spell it
    ModelInput input;             // what it gives the model
    const char* units;            // the units it may name in brackets, "|" between
    const char* otherWords = "";  // words that also make a header look like it
};

inline constexpr InputColumn kInputColumns[] = {
    {"rate", {&ModelInputs::appRate, {}}, "mm/h"},
    {"duration", {&ModelInputs::duration, {}}, "h|hours"},
    {"days", {&ModelInputs::days, {}}, "days|d"},
    {"cwu", {&ModelInputs::cropWaterUse, {}}, "mm/day|mm/d", "water use"},
    {"root_zone", {&ModelInputs::rootZone, {}}, "mm"},
    {"lightSoil", {nullptr, SoilSlot::light}, ""},
    {"heavySoil", {nullptr, SoilSlot::heavy}, ""},
    {"shallowShowed", {nullptr, {}, &DetectorsShowed::shallow}, ""},
    {"deepShowed", {nullptr, {}, &DetectorsShowed::deep}, ""},
};

struct TableHeader {
    // The columns that feed the model: column index, model input.
    std::vector<std::pair<std::size_t, ModelInput>> inputs;
    // Every column's name in the output: as read, or input.NAME for a
    // carried column named like a result column.
    std::vector<std::string> outputNames;
};

// The header's layout, or empty with `error` set (a usage error): a header
// naming one input twice, an input in another unit, a column that looks like
// an input that has no column, or no input column at all.
std::optional<TableHeader> readTableHeader(const CsvRecord& header, std::string& error);

}  // namespace morvane::calc
