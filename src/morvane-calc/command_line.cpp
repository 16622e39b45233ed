#include "command_line.h"

#include <string_view>

namespace morvane::calc {

const char* const kUsageLine =
    "usage: morvane-calc [--rate T] [--duration T] [--days T] [--cwu T] "
    "[--root-zone T] [--decimal-separator C] [--json]";

const char* const kHelpText =
    "Runs the wetting front model once on the five input texts and prints every\n"
    "result text, as the window would show it.\n"
    "\n"
    "Each T is a text exactly as typed into the window, blanks included:\n"
    "  --rate T               sprinkler application rate, mm/h   (default \"10\")\n"
    "  --duration T           duration of irrigation, h          (default \"2.5\")\n"
    "  --days T               days since the last irrigation     (default \"5\")\n"
    "  --cwu T                daily crop water use, mm/day       (default \"5\")\n"
    "  --root-zone T          active root zone depth, mm         (default \"500\")\n"
    "  --decimal-separator C  the one-byte decimal separator for reading and\n"
    "                         writing numbers (default: from the locale, LC_NUMERIC)\n"
    "  --json                 print one JSON object: \"texts\", \"warnings\", \"light\",\n"
    "                         \"heavy\" (held values, 17 significant digits) and \"error\"\n"
    "  --help                 print this text\n"
    "\n"
    "Plain output is one Name=text line per result text, in the order the model\n"
    "writes them, then ltStoWarn=shown|hidden and HvSTOWarn=shown|hidden.\n"
    "A failing run prints what it wrote before the failure, writes the error\n"
    "text to standard error and exits with 1; a usage error exits with 2.\n"
    "Either form --name T or --name=T is accepted.\n";

namespace {

std::string* inputText(ModelInputs& inputs, std::string_view name)
{
    if (name == "--rate") return &inputs.appRate;
    if (name == "--duration") return &inputs.duration;
    if (name == "--days") return &inputs.days;
    if (name == "--cwu") return &inputs.cropWaterUse;
    if (name == "--root-zone") return &inputs.rootZone;
    return nullptr;
}

ParsedCommandLine usageError(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "--json" || name == "--help") {
            if (value) return usageError(name + " takes no value");
            (name == "--json" ? options.json : options.help) = true;
            continue;
        }
        std::string* text = inputText(options.inputs, name);
        if (text == nullptr && name != "--decimal-separator")
            return usageError("unknown argument '" + arguments[i] + "'");
        if (!value) {
            if (i + 1 == arguments.size()) return usageError(name + " needs a value");
            value = arguments[++i];
        }
        if (text != nullptr) {
            *text = *value;
        } else if (value->size() == 1) {
            options.decimalSeparator = (*value)[0];
        } else {
            return usageError("--decimal-separator takes exactly one byte");
        }
    }
    return {options, {}};
}

}  // namespace morvane::calc
