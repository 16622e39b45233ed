#include "answer_report.h"

#include "json_text.h"
#include "plan_report.h"

namespace morvane::calc {
namespace {

constexpr const char* kContradiction = "contradiction";
constexpr const char* kValueNames[4] = {"DeficitMin", "DeficitMax", "CropWaterUseMin",
                                        "CropWaterUseMax"};

// A soil's four values in the order of kValueNames; empty where there is none.
std::array<std::optional<double>, 4> soilValues(const SoilAnswer& answer)
{
    const std::optional<AllowedRange>& use = answer.cropWaterUse;
    return {answer.deficit.lower, answer.deficit.upper,
            use ? std::optional<double>(use->lower) : std::nullopt,
            use ? use->upper : std::nullopt};
}

std::string number(const std::optional<double>& value)
{
    std::string text;
    if (value) appendPlanNumber(text, *value);
    return text;
}

void appendSoilLines(std::string& out, const char* prefix, const std::optional<SoilAnswer>& answer)
{
    const std::string name = std::string(prefix) + "Showed";
    if (!answer) {
        out += name + "=" + kContradiction + "\n";
        return;
    }
    const auto values = soilValues(*answer);
    for (std::size_t i = 0; i < values.size(); ++i)
        out += name + kValueNames[i] + "=" + number(values[i]) + "\n";
}

void putSoilCells(const std::optional<SoilAnswer>& answer,
                  std::array<std::string, kAnswerColumnNames.size()>& cells, std::size_t first)
{
    if (!answer) {
        cells[first] = kContradiction;
        return;
    }
    const auto values = soilValues(*answer);
    for (std::size_t i = 0; i < values.size(); ++i) cells[first + 1 + i] = number(values[i]);
}

void appendJsonRange(std::string& out, const AllowedRange& range)
{
    out += '[';
    appendJsonNumber(out, range.lower);
    out += ", ";
    if (range.upper)
        appendJsonNumber(out, *range.upper);
    else
        out += "null";
    out += ']';
}

void appendJsonSoil(std::string& out, const std::optional<SoilAnswer>& answer)
{
    if (!answer) {
        out += "null";
        return;
    }
    JsonObject object(out);
    appendJsonRange(object.key("deficit"), answer->deficit);
    if (answer->cropWaterUse)
        appendJsonRange(object.key("cropWaterUse"), *answer->cropWaterUse);
    else
        object.key("cropWaterUse") += "null";
}

}  // namespace

std::string plainAnswerReport(const DetectorAnswer& answer)
{
    std::string out;
    appendSoilLines(out, "Lt", answer.light);
    appendSoilLines(out, "Hv", answer.heavy);
    return out;
}

std::array<std::string, kAnswerColumnNames.size()> answerCells(const DetectorAnswer& answer)
{
    std::array<std::string, kAnswerColumnNames.size()> cells;
    putSoilCells(answer.light, cells, 0);
    putSoilCells(answer.heavy, cells, kAnswerColumnNames.size() / 2);
    return cells;
}

void appendJsonAnswer(std::string& out, const DetectorAnswer& answer)
{
    JsonObject object(out);
    appendJsonSoil(object.key("light"), answer.light);
    appendJsonSoil(object.key("heavy"), answer.heavy);
}

}  // namespace morvane::calc
