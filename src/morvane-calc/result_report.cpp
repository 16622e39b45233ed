#include "result_report.h"

#include <utility>
#include <vector>

#include "json_text.h"

namespace morvane::calc {
namespace {

using NamedText = std::pair<const char*, const std::optional<std::string>*>;

// The result texts in the order the model writes them.
std::vector<NamedText> textsInWriteOrder(const ModelTexts& t)
{
    return {{"AppAmount", &t.AppAmount}, {"LtSWD", &t.LtSWD}, {"HvSWD", &t.HvSWD},
            {"LtTAW", &t.LtTAW},         {"LtAW", &t.LtAW},   {"LtSTO", &t.LtSTO},
            {"LtSD", &t.LtSD},           {"LtDD", &t.LtDD},   {"HvTAW", &t.HvTAW},
            {"HvAW", &t.HvAW},           {"HvSD", &t.HvSD},   {"HvDD", &t.HvDD},
            {"Hv1STO", &t.Hv1STO}};
}

std::vector<std::pair<const char*, const std::optional<bool>*>> warnings(const ModelResults& r)
{
    return {{"ltStoWarn", &r.ltStoWarn}, {"HvSTOWarn", &r.HvSTOWarn}};
}

// Joins "key": value members into a JSON object.
std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members)
{
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i > 0) out += ", ";
        out += jsonString(members[i].first) + ": " + members[i].second;
    }
    return out + "}";
}

std::string jsonDepths(const SoilDepths& depths)
{
    const std::pair<const char*, const std::optional<double>*> fields[] = {
        {"initialWaterContent", &depths.initialWaterContent},
        {"upperContentDepth", &depths.upperContentDepth},
        {"maxDetectionDepth", &depths.maxDetectionDepth},
        {"front48h", &depths.front48h},
        {"front24h", &depths.front24h},
    };
    std::vector<std::pair<std::string, std::string>> members;
    for (const auto& [name, value] : fields)
        if (*value) members.emplace_back(name, jsonNumber(**value));
    return jsonObject(members);
}

}  // namespace

std::string plainReport(const ModelResults& results)
{
    std::string out;
    for (const auto& [name, text] : textsInWriteOrder(results.texts))
        if (*text) out += std::string(name) + "=" + **text + "\n";
    for (const auto& [name, shown] : warnings(results))
        if (*shown) out += std::string(name) + "=" + (**shown ? "shown" : "hidden") + "\n";
    return out;
}

std::string jsonReport(const ModelResults& results, const std::optional<std::string>& error)
{
    std::vector<std::pair<std::string, std::string>> texts, shown;
    for (const auto& [name, text] : textsInWriteOrder(results.texts))
        if (*text) texts.emplace_back(name, jsonString(**text));
    for (const auto& [name, flag] : warnings(results))
        if (*flag) shown.emplace_back(name, **flag ? "true" : "false");
    return jsonObject({
               {"texts", jsonObject(texts)},
               {"warnings", jsonObject(shown)},
               {"light", jsonDepths(results.light)},
               {"heavy", jsonDepths(results.heavy)},
               {"error", error ? jsonString(*error) : "null"},
           }) +
           "\n";
}

}  // namespace morvane::calc
