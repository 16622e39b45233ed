#include "batch_header.h"

#include <string_view>

#include "answer_report.h"
#include "plan_report.h"
#include "result_names.h"

namespace morvane::calc {
namespace {

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isSmall(char c) { return c >= 'a' && c <= 'z'; }
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// In small letters, without blanks, "-" and "_": "Root_Zone " -> "rootzone".
std::string compact(std::string_view name)
{
    std::string out;
    for (const char c : name)
        if (!isBlank(c) && c != '-' && c != '_') out += lowerCase(c);
    return out;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerCase(a[i]) != lowerCase(b[i])) return false;
    return true;
}

// A header split before a unit in brackets at its end:
//   "rate (mm/h) " -> "rate ", "mm/h"      "rate" -> "rate", none
struct NameAndUnit {
    std::string_view name;
    std::optional<std::string_view> unit;
};

NameAndUnit splitUnit(std::string_view header)
{
    std::string_view text = header;
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    const char open = text.ends_with(')') ? '(' : text.ends_with(']') ? '[' : '\0';
    const std::size_t start = open ? text.rfind(open) : std::string_view::npos;
    if (start == std::string_view::npos) return {header, std::nullopt};
    return {text.substr(0, start), text.substr(start + 1, text.size() - start - 2)};
}

bool namesUnit(const char* units, std::string_view unit)
{
    const std::string given = compact(unit);
    for (std::string_view rest = units; !rest.empty();) {
        const std::size_t bar = rest.find('|');
        if (rest.substr(0, bar) == given) return true;
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return false;
}

// The words of a header in small letters: "RootZone_mm" -> root, zone, mm.
std::vector<std::string> words(std::string_view header)
{
    std::vector<std::string> found;
    bool inWord = false;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const char c = header[i];
        if (!isSmall(c) && !isCapital(c)) {
            inWord = false;
            continue;
        }
        if (!inWord || (isCapital(c) && isSmall(header[i - 1]))) found.emplace_back();
        found.back() += lowerCase(c);
        inWord = true;
    }
    return found;
}

// Whether adjacent words spell `name` together ("root", "zone" spell "root_zone").
bool spell(const std::vector<std::string>& words, std::string_view name)
{
    const std::string wanted = compact(name);
    for (std::size_t first = 0; first < words.size(); ++first) {
        std::string run;
        for (std::size_t k = first; k < words.size() && run.size() < wanted.size(); ++k) {
            run += words[k];
            if (run == wanted) return true;
        }
    }
    return false;
}

const InputColumn* namedInput(std::string_view name)
{
    for (const InputColumn& column : kInputColumns)
        if (compact(name) == compact(column.name)) return &column;
    return nullptr;
}

const InputColumn* lookalikeInput(std::string_view header)
{
    const std::vector<std::string> found = words(header);
    for (const InputColumn& column : kInputColumns)
        if (spell(found, column.name) || (*column.otherWords && spell(found, column.otherWords)))
            return &column;
    return nullptr;
}

bool isResultColumn(std::string_view name)
{
    if (sameIgnoringCase(name, "error")) return true;
    for (const ResultText& result : kResultTexts)
        if (sameIgnoringCase(name, result.name)) return true;
    for (const StorageWarning& warning : kStorageWarnings)
        if (sameIgnoringCase(name, warning.name)) return true;
    for (const char* plan : kPlanValueNames)
        if (sameIgnoringCase(name, plan)) return true;
    for (const char* answer : kAnswerColumnNames)
        if (sameIgnoringCase(name, answer)) return true;
    return false;
}

// Whether the name is a result column's, bare or as a table fed back carries
// it (input.LtSTO, input.input.LtSTO).
bool namesResult(std::string_view name)
{
    while (name.starts_with("input.")) name.remove_prefix(std::string_view("input.").size());
    return isResultColumn(name);
}

// A carried column's name in the output: input.NAME when NAME is a result
// column's, with more "input." while that is another column's name.
std::string carriedName(std::string_view name, const CsvRecord& header)
{
    std::string carried(name);
    if (!isResultColumn(name)) return carried;
    const auto taken = [&](std::string_view candidate) {
        for (std::size_t i = 0; i < header.count(); ++i)
            if (sameIgnoringCase(header.field(i), candidate)) return true;
        return false;
    };
    do carried.insert(0, "input.");
    while (taken(carried));
    return carried;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string inputNames()
{
    std::string names;
    for (const InputColumn& column : kInputColumns) {
        if (!names.empty()) names += ", ";
        names += column.name;
    }
    return names;
}

}  // namespace

std::optional<TableHeader> readTableHeader(const CsvRecord& header, std::string& error)
{
    TableHeader table;
    std::vector<std::string_view> given(std::size(kInputColumns));  // the header naming each input
    std::vector<std::pair<std::string_view, const InputColumn*>> lookalikes;
    for (std::size_t i = 0; i < header.count(); ++i) {
        const std::string_view name = header.field(i);
        table.outputNames.push_back(carriedName(name, header));
        const auto [base, unit] = splitUnit(name);
        const InputColumn* input = namedInput(base);
        if (input == nullptr) {
            const InputColumn* resembled = namesResult(name) ? nullptr : lookalikeInput(name);
            if (resembled) lookalikes.emplace_back(name, resembled);
            continue;
        }
        if (unit && !namesUnit(input->units, *unit)) {
            const std::string_view units = input->units;
            error = "the column " + quoted(name) + " has the unit " + quoted(*unit) + ": " +
                    input->name + " is read in " + std::string(units.substr(0, units.find('|')));
            return std::nullopt;
        }
        std::string_view& earlier = given[input - kInputColumns];
        if (!earlier.empty()) {
            error = "the columns " + quoted(earlier) + " and " + quoted(name) +
                    " both name the input " + input->name;
            return std::nullopt;
        }
        earlier = name;
        table.inputs.emplace_back(i, input->input);
    }
    for (const auto& [name, resembled] : lookalikes) {
        if (!given[resembled - kInputColumns].empty()) continue;
        error = "the column " + quoted(name) + " is not the input " + resembled->name +
                " but looks like it: name it " + resembled->name + ", or rename it to carry it";
        return std::nullopt;
    }
    if (table.inputs.empty()) {
        error = "the table's header names none of the columns " + inputNames();
        return std::nullopt;
    }
    return table;
}

}  // namespace morvane::calc
