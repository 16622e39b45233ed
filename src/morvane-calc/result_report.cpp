#include "result_report.h"

#include "json_text.h"
#include "result_names.h"

namespace morvane::calc {
namespace {

using JsonMembers = std::vector<std::pair<std::string, std::string>>;

// Joins "key": value members into a JSON object.
std::string jsonObject(const JsonMembers& members)
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
    JsonMembers members;
    for (const auto& [name, value] : fields)
        if (*value) members.emplace_back(name, jsonNumber(**value));
    return jsonObject(members);
}

}  // namespace

std::string plainReport(const ModelResults& results)
{
    std::string out;
    for (const ResultText& result : kResultTexts)
        if (const auto& text = result.text(results)) out += std::string(result.name) + "=" + *text + "\n";
    for (const StorageWarning& warning : kStorageWarnings)
        if (const auto& shown = warning.shown(results))
            out += std::string(warning.name) + "=" + warningText(*shown) + "\n";
    return out;
}

std::string jsonReport(const ModelResults& results, const std::optional<std::string>& error,
                       const NamedFields* fields)
{
    JsonMembers texts, shown;
    for (const ResultText& result : kResultTexts)
        if (const auto& text = result.text(results)) texts.emplace_back(result.name, jsonString(*text));
    for (const StorageWarning& warning : kStorageWarnings)
        if (const auto& flag = warning.shown(results))
            shown.emplace_back(warning.name, *flag ? "true" : "false");
    JsonMembers members{
        {"texts", jsonObject(texts)},
        {"warnings", jsonObject(shown)},
        {"light", jsonDepths(results.light)},
        {"heavy", jsonDepths(results.heavy)},
        {"error", error ? jsonString(*error) : "null"},
    };
    if (fields) {
        JsonMembers named;
        for (const auto& [name, text] : *fields) named.emplace_back(name, jsonString(text));
        members.emplace_back("fields", jsonObject(named));
    }
    return jsonObject(members) + "\n";
}

}  // namespace morvane::calc
