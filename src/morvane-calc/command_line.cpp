#include "command_line.h"

#include <string_view>
#include <tuple>
#include <utility>

#include "detector_answer.h"
#include "soil_text.h"

namespace morvane::calc {

const char* const kUsageLine =
    "usage: morvane-calc [--rate T] [--duration T] [--days T] [--cwu T] "
    "[--root-zone T] [--light-soil S] [--heavy-soil S] [--decimal-separator C] [--json] [--plan] "
    "[--shallow-showed W] [--deep-showed W] "
    "[--batch [FILE] [--delimiter C] [--input-encoding E]] [--version]";

const char* const kHelpText =
    "Runs the wetting front model once on the five input texts and prints every\n"
    "result text, as the window would show it; or, with --batch, once per row of\n"
    "a table.\n"
    "\n"
    "Each T is a text exactly as typed into the window, blanks included; an\n"
    "omitted one takes the window's default, written with the decimal separator:\n"
    "  --rate T               sprinkler application rate, mm/h   (default \"10\")\n"
    "  --duration T           duration of irrigation, h          (default \"2.5\")\n"
    "  --days T               days since the last irrigation     (default \"5\")\n"
    "  --cwu T                daily crop water use, mm/day       (default \"5\")\n"
    "  --root-zone T          active root zone depth, mm         (default \"500\")\n"
    "  --light-soil S         a soil of your own in the light soil's slot, four\n"
    "                         volumetric water contents FC:WP:DETECT:UPPER (field\n"
    "                         capacity, wilting point, the content at which a detector\n"
    "                         responds, upper content), each a number with the decimal\n"
    "                         separator, 0 < WP < FC < DETECT < UPPER < 1\n"
    "                         (default \"0.14:0.07:0.18:0.25\", the light textured soil)\n"
    "  --heavy-soil S         the same for the heavy soil's slot\n"
    "                         (default \"0.32:0.22:0.34:0.38\", the heavy textured soil)\n"
    "  --decimal-separator C  the decimal separator for reading and writing numbers:\n"
    "                         one printable ASCII character, not a digit, sign, e, E,\n"
    "                         = or blank (default: from the locale, LC_NUMERIC)\n"
    "  --json                 print one JSON object: \"texts\", \"warnings\", \"light\",\n"
    "                         \"heavy\" (held values, 17 significant digits), \"soils\"\n"
    "                         (with a soil of your own: the constants used), \"plan\"\n"
    "                         (the irrigation plan below) and \"error\"\n"
    "  --plan                 add the irrigation plan to the plain output or the table\n"
    "  --shallow-showed W     what the shallow detector's float showed after the\n"
    "                         irrigation, up or down: adds the detectors' answer below\n"
    "  --deep-showed W        the same for the deep detector (counts only where it is\n"
    "                         shown, a root zone of 300 mm or more)\n"
    "  --batch [FILE]         read a CSV table from FILE (standard input when FILE is\n"
    "                         \"-\" or absent) and run the model once per row; see below\n"
    "  --delimiter C          the table's field delimiter, for reading and writing\n"
    "                         (default \",\", or \";\" when the decimal separator is \",\");\n"
    "                         not the decimal separator, a digit, sign, e, E, point,\n"
    "                         blank, quote, CR or LF\n"
    "  --input-encoding E     the table's encoding: utf-8 (the default) or latin1, for\n"
    "                         Latin-1 and Windows-1252 (\"ANSI\") tables as spreadsheets\n"
    "                         save them on Windows; the output is always UTF-8\n"
    "  --version              print the program's version\n"
    "  --help                 print this text\n"
    "\n"
    "Plain output is one Name=text line per result text, in the order the model\n"
    "writes them, then ltStoWarn=shown|hidden and HvSTOWarn=shown|hidden.\n"
    "A failing run prints what it wrote before the failure, writes the error\n"
    "text to standard error and exits with 1; a usage error, such as a soil that\n"
    "breaks the rule above, exits with 2 and prints nothing.\n"
    "Either form --name T or --name=T is accepted; an argument starting with --\n"
    "is never taken as a value (write --rate=--x), but a negative number is.\n"
    "\n"
    "The irrigation plan, for each soil: the water to apply (mm) and the run time at\n"
    "the rate (h) before the shallow detector responds, before the deep one does\n"
    "and before the whole root zone is wetted. --plan adds its values after the\n"
    "warnings, light soil then heavy (17 significant digits, the decimal separator):\n"
    "  LtPlanShallowDepth, LtPlanShallowAppliedDepth, LtPlanShallowHours,\n"
    "  LtPlanDeepDepth, LtPlanDeepAppliedDepth, LtPlanDeepHours,\n"
    "  LtPlanRootZoneAppliedDepth, LtPlanRootZoneHours, then the same with Hv.\n"
    "An applied depth of 0 means any irrigation does it. A value is empty when there\n"
    "is none: the run times at a rate that is not positive, the deep detector's\n"
    "values under a 300 mm root zone. In JSON, \"plan\" holds {\"light\": {\"shallow\":\n"
    "{\"depth\", \"appliedDepth\", \"hours\"}, \"deep\": {...} or null, \"rootZone\":\n"
    "{\"appliedDepth\", \"hours\"}}, \"heavy\": {...}}, with null for a missing run time,\n"
    "and is null after a failed run.\n"
    "\n"
    "The detectors' answer, for each soil: the soil water deficits before the\n"
    "irrigation (mm) and the daily crop water uses (mm/day) that agree with what\n"
    "the detectors showed. A detector at depth x is UP exactly when the deficit is\n"
    "at most (applied depth / x - (DETECT - FC)) x root zone; the deficits allowed\n"
    "are never below 0, and the daily uses are the deficits divided by the days.\n"
    "It adds after the plan's lines (17 significant digits, the decimal separator):\n"
    "  LtShowedDeficitMin, LtShowedDeficitMax, LtShowedCropWaterUseMin,\n"
    "  LtShowedCropWaterUseMax, then the same with Hv;\n"
    "a maximum is empty when no detector is UP, the daily uses when the days are\n"
    "not positive. A soil whose detectors contradict the model (shallow DOWN but\n"
    "deep UP, say) has the one line LtShowed=contradiction (HvShowed=...) instead.\n"
    "In JSON, \"showed\" holds {\"light\": {\"deficit\": [min, max], \"cropWaterUse\":\n"
    "[min, max]}, \"heavy\": {...}} with null for a missing value, null for a soil\n"
    "that contradicts the model, and is null after a failed run; without a\n"
    "detector's answer there is no \"showed\".\n"
    "\n"
    "Batch tables: the header names the input columns rate, duration, days, cwu,\n"
    "root_zone, lightSoil, heavySoil, shallowShowed and deepShowed in any order; a\n"
    "missing one, or an empty soil or showed cell, takes its option's text or\n"
    "default. A soil cell that breaks the rule, or a showed cell that is neither up\n"
    "nor down, fails its row only (\"line N: Light soil: ...\").\n"
    "Case, blanks, - and _ do not matter, and the input's own unit may follow in\n"
    "brackets (mm/h, h, days, mm/day, mm): Rate (mm/h), Duration [h], root-zone,\n"
    "RootZone, root zone (mm), light soil. A header that is no input but holds an\n"
    "input's name among its words (root_zone_mm, Rate mm/h; \"water use\" for cwu)\n"
    "is refused while that input has no column. Other columns are carried\n"
    "unchanged; one named like a result column (LtSTO, error) is carried as\n"
    "input.LtSTO. Rows whose cells are all empty are skipped. A cell may hold\n"
    "1 MiB, a row 4 MiB and 16384 cells; a longer row fails with its line number.\n"
    "Each output row holds the input row's columns, the result texts in the order\n"
    "above, ltStoWarn, HvSTOWarn, with --plan the plan's columns, with a showed\n"
    "column or option the answer's columns (LtShowed, empty or contradiction,\n"
    "LtShowedDeficitMin ... HvShowedCropWaterUseMax), and error. A failing or\n"
    "malformed row keeps what was written before the failure, names it in its\n"
    "error column, and the batch goes on. With --json, each row is one line\n"
    "holding the JSON object above plus the row's columns under \"fields\", where\n"
    "bytes that are not UTF-8 become U+FFFD (a warning names the first such line;\n"
    "see --input-encoding).\n"
    "The exit status is 0 when every row succeeded, 1 when any failed.\n"
    "Writing output that cannot be written is an error (exit 1); a reader that\n"
    "stops early (| head) ends the program quietly, by SIGPIPE.\n";

namespace {

struct InputOption {
    const char* name;
    std::optional<std::string> GivenInputs::*text;
};

constexpr InputOption kInputOptions[] = {
    {"--rate", &GivenInputs::appRate},
    {"--duration", &GivenInputs::duration},
    {"--days", &GivenInputs::days},
    {"--cwu", &GivenInputs::cropWaterUse},
    {"--root-zone", &GivenInputs::rootZone},
    {"--light-soil", &GivenInputs::lightSoil},
    {"--heavy-soil", &GivenInputs::heavySoil},
};

std::optional<std::string>* inputText(GivenInputs& inputs, std::string_view name)
{
    for (const InputOption& option : kInputOptions)
        if (name == option.name) return &(inputs.*option.text);
    return nullptr;
}

std::optional<FloatPosition>* showedOption(GivenInputs& inputs, std::string_view name)
{
    if (name == "--shallow-showed") return &inputs.showed.shallow;
    if (name == "--deep-showed") return &inputs.showed.deep;
    return nullptr;
}

bool* flag(CalcOptions& options, std::string_view name)
{
    if (name == "--json") return &options.json;
    if (name == "--plan") return &options.plan;
    if (name == "--help") return &options.help;
    if (name == "--version") return &options.version;
    return nullptr;
}

ParsedCommandLine usageError(std::string error) { return {std::nullopt, std::move(error)}; }

// An argument that is an option, never a value: "--days" (but "-11" is a value).
bool isOption(const std::string& argument) { return argument.starts_with("--"); }

std::optional<InputEncoding> inputEncoding(const std::string& value)
{
    if (value == "utf-8") return InputEncoding::kUtf8;
    if (value == "latin1") return InputEncoding::kLatin1;
    return std::nullopt;
}

// The one byte of a one-character option value, or empty.
std::optional<char> singleByte(const std::string& value)
{
    if (value.size() != 1) return std::nullopt;
    return value[0];
}

}  // namespace

bool isUsableDecimalSeparator(char c)
{
    const bool printableAscii = c > ' ' && c < 0x7f;
    const bool digit = c >= '0' && c <= '9';
    return printableAscii && !digit && c != '+' && c != '-' && c != 'e' && c != 'E' && c != '=';
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    std::optional<std::string> batchFile;  // named after --batch, or standing alone
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (bool* set = flag(options, name)) {
            if (value) return usageError(name + " takes no value");
            *set = true;
            continue;
        }
        if (name == "--batch") {
            // The file is optional: a following argument that is not an option names it.
            if (!value && i + 1 < arguments.size() && !isOption(arguments[i + 1]))
                value = arguments[++i];
            options.batch = true;
            if (value && batchFile) return usageError("more than one table to read");
            if (value) batchFile = *value;
            continue;
        }
        std::optional<std::string>* text = inputText(options.inputs, name);
        std::optional<FloatPosition>* showed = showedOption(options.inputs, name);
        if (text == nullptr && showed == nullptr && name != "--decimal-separator" &&
            name != "--delimiter" && name != "--input-encoding") {
            // One argument that is not an option may name the table (--batch --json FILE).
            if (name.starts_with("--") || batchFile)
                return usageError("unknown argument '" + arguments[i] + "'");
            batchFile = arguments[i];
            continue;
        }
        if (!value) {
            if (i + 1 == arguments.size() || isOption(arguments[i + 1]))
                return usageError(name + " has no value");
            value = arguments[++i];
        }
        if (text != nullptr) {
            *text = *value;
        } else if (showed != nullptr) {
            *showed = readFloatPosition(*value);
            if (!*showed) return usageError(name + " takes up or down, not '" + *value + "'");
        } else if (name == "--delimiter") {
            options.delimiter = singleByte(*value);
            if (!options.delimiter) return usageError("--delimiter takes exactly one byte");
        } else if (name == "--input-encoding") {
            options.inputEncoding = inputEncoding(*value);
            if (!options.inputEncoding) return usageError("--input-encoding takes utf-8 or latin1");
        } else {
            options.decimalSeparator = singleByte(*value);
            if (!options.decimalSeparator || !isUsableDecimalSeparator(*options.decimalSeparator))
                return usageError("--decimal-separator takes one printable character that is "
                                  "not a digit, a sign, e, E, = or a blank");
        }
    }
    if (batchFile && !options.batch) return usageError("unknown argument '" + *batchFile + "'");
    if (batchFile) options.batchFile = *batchFile;
    if (options.batchFile.empty()) return usageError("--batch needs a file name or -");
    if (options.delimiter && !options.batch) return usageError("--delimiter needs --batch");
    if (options.inputEncoding && !options.batch) return usageError("--input-encoding needs --batch");
    return {options, {}};
}

std::optional<ModelInputs> inputsWithDefaults(const GivenInputs& given, std::string& error)
{
    ModelInputs inputs = localisedDefaultInputs();
    const std::pair<const std::optional<std::string>&, std::string&> fields[] = {
        {given.appRate, inputs.appRate},
        {given.duration, inputs.duration},
        {given.days, inputs.days},
        {given.cropWaterUse, inputs.cropWaterUse},
        {given.rootZone, inputs.rootZone},
    };
    for (const auto& [text, input] : fields)
        if (text) input = *text;
    inputs.showed = given.showed;
    const std::tuple<const std::optional<std::string>&, SoilSlot, SoilRecord&> soils[] = {
        {given.lightSoil, SoilSlot::light, inputs.soils.light},
        {given.heavySoil, SoilSlot::heavy, inputs.soils.heavy},
    };
    for (const auto& [text, slot, soil] : soils) {
        if (!text) continue;
        const SoilReading reading = readSoilText(*text);
        if (!reading.soil) {
            error = soilProblemMessage(slot, reading.problems.front());
            return std::nullopt;
        }
        soil = *reading.soil;
    }
    return inputs;
}

std::optional<char> fieldDelimiter(const CalcOptions& options, char decimalSeparator,
                                   std::string& error)
{
    if (!options.delimiter) return decimalSeparator == ',' ? ';' : ',';
    const char c = *options.delimiter;
    if (c == decimalSeparator) {
        error = std::string("the delimiter '") + c + "' is the decimal separator";
        return std::nullopt;
    }
    // Numbers hold digits, signs, exponents, points and blanks; quotes and
    // line breaks structure the table.
    const bool digit = c >= '0' && c <= '9';
    if (digit || std::string_view("+-eE. \"\r\n").find(c) != std::string_view::npos) {
        error = "the delimiter cannot be a digit, a sign, e, E, a point, a blank, a quote, CR or LF";
        return std::nullopt;
    }
    return c;
}

}  // namespace morvane::calc
