#include "result_report.h"

#include "json_text.h"
#include "result_names.h"

namespace morvane::calc {
namespace {

// Writes a JSON object's members, "key": value, separated by commas.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    // Starts a member; its value is appended next.
    std::string& key(std::string_view name)
    {
        if (!empty_) out_ += ", ";
        empty_ = false;
        appendJsonString(out_, name);
        out_ += ": ";
        return out_;
    }

private:
    std::string& out_;
    bool empty_ = true;
};

void appendDepths(std::string& out, const SoilDepths& depths)
{
    const std::pair<const char*, const std::optional<double>*> fields[] = {
        {"initialWaterContent", &depths.initialWaterContent},
        {"upperContentDepth", &depths.upperContentDepth},
        {"maxDetectionDepth", &depths.maxDetectionDepth},
        {"front48h", &depths.front48h},
        {"front24h", &depths.front24h},
    };
    JsonObject object(out);
    for (const auto& [name, value] : fields)
        if (*value) appendJsonNumber(object.key(name), **value);
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

void appendJsonReport(std::string& out, const ModelResults& results,
                      const std::optional<std::string>& error, const NamedFields* fields)
{
    {
        JsonObject report(out);
        {
            JsonObject texts(report.key("texts"));
            for (const ResultText& result : kResultTexts)
                if (const auto& text = result.text(results)) appendJsonString(texts.key(result.name), *text);
        }
        {
            JsonObject warnings(report.key("warnings"));
            for (const StorageWarning& warning : kStorageWarnings)
                if (const auto& shown = warning.shown(results))
                    warnings.key(warning.name) += *shown ? "true" : "false";
        }
        appendDepths(report.key("light"), results.light);
        appendDepths(report.key("heavy"), results.heavy);
        if (error)
            appendJsonString(report.key("error"), *error);
        else
            report.key("error") += "null";
        if (fields) {
            JsonObject named(report.key("fields"));
            for (const auto& [name, text] : *fields) appendJsonString(named.key(name), text);
        }
    }
    out += '\n';
}

std::string jsonReport(const ModelResults& results, const std::optional<std::string>& error,
                       const NamedFields* fields)
{
    std::string out;
    appendJsonReport(out, results, error, fields);
    return out;
}

}  // namespace morvane::calc
