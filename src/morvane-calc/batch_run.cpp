#include "batch_run.h"

#include <optional>
#include <string_view>
#include <vector>

#include "answer_report.h"
#include "batch_header.h"
#include "csv_table.h"
#include "model_run.h"
#include "plan_report.h"
#include "result_names.h"
#include "result_report.h"
#include "soil_text.h"
#include "utf8_text.h"

namespace morvane::calc {
namespace {

constexpr std::size_t kQuotedTextLimit = 32;

// Puts a row's cell into the inputs. A soil cell is read as a soil text, a
// showed cell as "up" or "down"; an empty one (or one of blanks only) keeps
// the settings'. Returns what is wrong with a soil or showed cell, or empty.
std::string takeCell(std::string_view cell, const ModelInput& input, ModelInputs& inputs)
{
    if (input.text) {
        // Cleared and appended: assigning a view would check it for overlap,
        // at a cost that shows in a million rows.
        (inputs.*input.text).clear();
        (inputs.*input.text).append(cell);
        return {};
    }
    if (cell.find_first_not_of(' ') == std::string_view::npos) return {};
    if (input.showed) {
        inputs.showed.*input.showed = readFloatPosition(cell);
        if (!(inputs.showed.*input.showed))
            return std::string(input.showed == &DetectorsShowed::shallow ? "shallowShowed"
                                                                         : "deepShowed") +
                   " takes up or down, not '" + std::string(cell) + "'";
        return {};
    }
    const SoilReading reading = readSoilText(cell);
    if (!reading.soil) return soilProblemMessage(*input.soil, reading.problems.front());
    (*input.soil == SoilSlot::light ? inputs.soils.light : inputs.soils.heavy) = *reading.soil;
    return {};
}

// The next record that is not blank.
bool nextRecord(CsvReader& reader, CsvRecord& record)
{
    while (reader.next(record))
        if (!record.blank()) return true;
    return false;
}

// The error of a row whose shape does not match the header, or empty.
std::string malformation(const CsvRecord& row, std::size_t headerCount)
{
    std::string what = row.error;
    if (what.empty() && row.count() != headerCount)
        what = std::to_string(row.count()) + (row.count() == 1 ? " field" : " fields") +
               " where the header has " + std::to_string(headerCount);
    if (what.empty()) return what;
    return "line " + std::to_string(row.line) + ": " + what;
}

// A failure message with the text it quotes cut after kQuotedTextLimit bytes
// (never inside a UTF-8 character), since the row's cell holds it in full:
//   "'1,5' is not a valid floating point value."  ->  unchanged
//   "'<40 x>' is not a valid floating point value."  ->  "'<32 x>...' is not a valid floating point value."
std::string withQuoteShortened(std::string message)
{
    const std::size_t close = message.rfind('\'');
    if (!message.starts_with('\'') || close == 0 || close - 1 <= kQuotedTextLimit) return message;
    std::size_t cut = 1 + kQuotedTextLimit;
    while ((static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80) --cut;
    return message.replace(cut, close - cut, "...");
}

class BatchWriter {
public:
    BatchWriter(const std::vector<std::string>& columnNames, const BatchSettings& settings,
                bool answerColumns, OutputBuffer& out)
        : columnNames_(columnNames), settings_(settings), answerColumns_(answerColumns), out_(out)
    {
    }

    void writeHeader()
    {
        if (settings_.json) return;
        line_.clear();
        for (const std::string& name : columnNames_) field(name);
        for (const ResultText& result : kResultTexts) field(result.name);
        for (const StorageWarning& warning : kStorageWarnings) field(warning.name);
        if (settings_.plan)
            for (const char* name : kPlanValueNames) field(name);
        if (answerColumns_)
            for (const char* name : kAnswerColumnNames) field(name);
        line_ += "error";
        finishLine();
    }

    // Writes the row's first header-count columns (missing ones empty).
    void writeRow(const CsvRecord& row, const ModelResults& results, const ModelRun& run,
                  bool answerAsked)
    {
        if (settings_.json) return writeJsonRow(row, results, run, answerAsked);
        line_.clear();
        for (std::size_t i = 0; i < columnNames_.size(); ++i)
            field(i < row.count() ? row.field(i) : std::string_view());
        for (const ResultText& result : kResultTexts) {
            const auto& text = result.text(results);
            field(text ? std::string_view(*text) : std::string_view());
        }
        for (const StorageWarning& warning : kStorageWarnings) {
            const auto& shown = warning.shown(results);
            field(shown ? warningText(*shown) : "");
        }
        if (settings_.plan) writePlan(run.plan);
        if (answerColumns_) writeAnswer(run.answer);
        if (run.error) appendCsvField(line_, *run.error, settings_.delimiter);
        finishLine();
    }

private:
    void field(std::string_view text)
    {
        appendCsvField(line_, text, settings_.delimiter);
        line_ += settings_.delimiter;
    }

    // A row without a plan (a failed run) leaves the plan's columns empty.
    void writePlan(const std::optional<ResponsePlan>& plan)
    {
        const auto values = plan ? planValues(*plan) : std::array<std::optional<double>, 16>{};
        for (const std::optional<double>& value : values) {
            number_.clear();
            if (value) appendPlanNumber(number_, *value);
            field(number_);
        }
    }

    // A row without an answer leaves the answer's columns empty.
    void writeAnswer(const std::optional<DetectorAnswer>& answer)
    {
        std::array<std::string, kAnswerColumnNames.size()> cells;
        if (answer) cells = answerCells(*answer);
        for (const std::string& cell : cells) field(cell);
    }

    void finishLine()
    {
        line_ += '\n';
        out_.append(line_);
    }

    void writeJsonRow(const CsvRecord& row, const ModelResults& results, const ModelRun& run,
                      bool answerAsked)
    {
        fields_.clear();
        for (std::size_t i = 0; i < columnNames_.size(); ++i)
            fields_.emplace_back(columnNames_[i], i < row.count() ? row.field(i) : std::string_view());
        line_.clear();
        appendJsonReport(line_, results, run.plan ? &*run.plan : nullptr, run.error, &fields_,
                         answerAsked ? &run.answer : nullptr);
        out_.append(line_);
    }

    const std::vector<std::string>& columnNames_;
    const BatchSettings& settings_;
    bool answerColumns_;
    OutputBuffer& out_;
    std::string line_;
    std::string number_;  // one plan value, kept to reuse its buffer
    NamedFields fields_;
};

// Whether JSON would write some of the record's bytes as U+FFFD.
bool losesBytesInJson(const CsvRecord& record)
{
    for (std::size_t i = 0; i < record.count(); ++i)
        if (!isUtf8(record.field(i))) return true;
    return false;
}

}  // namespace

BatchOutcome runBatch(int inputFd, const BatchSettings& settings, OutputBuffer& out)
{
    BatchOutcome outcome;
    CsvReader reader(inputFd, settings.delimiter, settings.encoding);
    CsvRecord header;
    if (!nextRecord(reader, header)) {
        outcome.readError = reader.readError();
        if (outcome.readError.empty()) outcome.usageError = "the table has no header";
        return outcome;
    }
    if (!header.error.empty()) {
        outcome.usageError = "the table's header: " + header.error;
        return outcome;
    }
    const std::optional<TableHeader> table = readTableHeader(header, outcome.usageError);
    if (!table) return outcome;
    if (settings.json && losesBytesInJson(header)) outcome.firstLineNotUtf8 = header.line;

    // The answer's columns come with a showed column or a showed setting.
    bool answerColumns = settings.defaults.showed.anyChecked();
    for (const auto& [column, input] : table->inputs) answerColumns |= input.showed != nullptr;
    BatchWriter writer(table->outputNames, settings, answerColumns, out);
    writer.writeHeader();
    CsvRecord row;
    ModelResults results;
    while (!out.failed() && nextRecord(reader, row)) {
        ++outcome.rows;
        results = ModelResults{};
        ModelRun run;
        bool answerAsked = false;
        if (std::string malformed = malformation(row, header.count()); !malformed.empty()) {
            run.error = std::move(malformed);
        } else {
            ModelInputs inputs = settings.defaults;
            std::string badCell;
            for (const auto& [column, input] : table->inputs)
                if (badCell.empty()) badCell = takeCell(row.field(column), input, inputs);
            answerAsked = inputs.showed.anyChecked();
            if (badCell.empty()) {
                run = runModel(inputs, results, settings.plan || settings.json);
                if (run.error) run.error = withQuoteShortened(std::move(*run.error));
            } else {
                run.error = "line " + std::to_string(row.line) + ": " + badCell;
            }
        }
        if (run.error) ++outcome.failedRows;
        if (settings.json && outcome.firstLineNotUtf8 == 0 && losesBytesInJson(row))
            outcome.firstLineNotUtf8 = row.line;
        writer.writeRow(row, results, run, answerAsked);
    }
    outcome.readError = reader.readError();
    return outcome;
}

}  // namespace morvane::calc
