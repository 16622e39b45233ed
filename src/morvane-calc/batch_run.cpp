#include "batch_run.h"

#include <optional>
#include <string_view>
#include <vector>

#include "answer_report.h"
#include "csv_table.h"
#include "model_run.h"
#include "plan_report.h"
#include "result_names.h"
#include "result_report.h"
#include "soil_text.h"

namespace morvane::calc {

const char* const kInputColumns[9] = {"rate",      "duration",  "days", "cwu", "root_zone",
                                      "lightSoil", "heavySoil", "shallowShowed", "deepShowed"};

namespace {

// Which model input each of kInputColumns feeds: a text, a slot's soil, or
// what a detector showed.
struct ModelInput {
    std::string ModelInputs::*text;
    std::optional<SoilSlot> soil;
    std::optional<FloatPosition> DetectorsShowed::*showed = nullptr;
    bool operator==(const ModelInput&) const = default;
};

const ModelInput kInputFields[9] = {
    {&ModelInputs::appRate, {}},     {&ModelInputs::duration, {}},
    {&ModelInputs::days, {}},        {&ModelInputs::cropWaterUse, {}},
    {&ModelInputs::rootZone, {}},    {nullptr, SoilSlot::light},
    {nullptr, SoilSlot::heavy},      {nullptr, {}, &DetectorsShowed::shallow},
    {nullptr, {}, &DetectorsShowed::deep},
};

// Which header column feeds which model input.
struct InputColumn {
    std::size_t column;
    ModelInput input;
};

// Puts a row's cell into the inputs. A soil cell is read as a soil text, a
// showed cell as "up" or "down"; an empty one (or one of blanks only) keeps
// the settings'. Returns what is wrong with a soil or showed cell, or empty.
std::string takeCell(const std::string& cell, const ModelInput& input, ModelInputs& inputs)
{
    if (input.text) {
        inputs.*input.text = cell;
        return {};
    }
    if (cell.find_first_not_of(' ') == std::string::npos) return {};
    if (input.showed) {
        inputs.showed.*input.showed = readFloatPosition(cell);
        if (!(inputs.showed.*input.showed))
            return std::string(input.showed == &DetectorsShowed::shallow ? "shallowShowed"
                                                                         : "deepShowed") +
                   " takes up or down, not '" + cell + "'";
        return {};
    }
    const SoilReading reading = readSoilText(cell);
    if (!reading.soil) return soilProblemMessage(*input.soil, reading.problems.front());
    (*input.soil == SoilSlot::light ? inputs.soils.light : inputs.soils.heavy) = *reading.soil;
    return {};
}

// The input columns the header names, or a usage error.
std::vector<InputColumn> inputColumns(const CsvRecord& header, std::string& error)
{
    std::vector<InputColumn> found;
    for (std::size_t column = 0; column < header.count; ++column) {
        for (std::size_t k = 0; k < std::size(kInputColumns); ++k) {
            if (header.fields[column] != kInputColumns[k]) continue;
            for (const InputColumn& earlier : found)
                if (earlier.input == kInputFields[k])
                    error = "the column '" + header.fields[column] + "' appears twice";
            found.push_back({column, kInputFields[k]});
        }
    }
    if (found.empty() && error.empty())
        error = "the table's header names none of the columns rate, duration, days, cwu, "
                "root_zone";
    return found;
}

// The error of a row whose shape does not match the header, or empty.
std::string malformation(const CsvRecord& row, std::size_t headerCount)
{
    std::string what = row.error;
    if (what.empty() && row.count != headerCount)
        what = std::to_string(row.count) + (row.count == 1 ? " field" : " fields") +
               " where the header has " + std::to_string(headerCount);
    if (what.empty()) return what;
    return "line " + std::to_string(row.line) + ": " + what;
}

class BatchWriter {
public:
    BatchWriter(const CsvRecord& header, const BatchSettings& settings, bool answerColumns,
                OutputBuffer& out)
        : header_(header), settings_(settings), answerColumns_(answerColumns), out_(out)
    {
    }

    void writeHeader()
    {
        if (settings_.json) return;
        line_.clear();
        for (std::size_t i = 0; i < header_.count; ++i) field(header_.fields[i]);
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
        for (std::size_t i = 0; i < header_.count; ++i)
            field(i < row.count ? std::string_view(row.fields[i]) : std::string_view());
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
        for (std::size_t i = 0; i < header_.count; ++i)
            fields_.emplace_back(header_.fields[i],
                                 i < row.count ? std::string_view(row.fields[i]) : std::string_view());
        line_.clear();
        appendJsonReport(line_, results, run.plan ? &*run.plan : nullptr, run.error, &fields_,
                         answerAsked ? &run.answer : nullptr);
        out_.append(line_);
    }

    const CsvRecord& header_;
    const BatchSettings& settings_;
    bool answerColumns_;
    OutputBuffer& out_;
    std::string line_;
    std::string number_;  // one plan value, kept to reuse its buffer
    NamedFields fields_;
};

}  // namespace

BatchOutcome runBatch(int inputFd, const BatchSettings& settings, OutputBuffer& out)
{
    BatchOutcome outcome;
    CsvReader reader(inputFd, settings.delimiter);
    CsvRecord header;
    if (!reader.next(header)) {
        outcome.readError = reader.readError();
        if (outcome.readError.empty()) outcome.usageError = "the table has no header";
        return outcome;
    }
    if (!header.error.empty()) {
        outcome.usageError = "the table's header: " + header.error;
        return outcome;
    }
    const std::vector<InputColumn> columns = inputColumns(header, outcome.usageError);
    if (!outcome.usageError.empty()) return outcome;

    // The answer's columns come with a showed column or a showed setting.
    bool answerColumns = settings.defaults.showed.anyChecked();
    for (const InputColumn& column : columns) answerColumns |= column.input.showed != nullptr;
    BatchWriter writer(header, settings, answerColumns, out);
    writer.writeHeader();
    CsvRecord row;
    ModelResults results;
    while (!out.failed() && reader.next(row)) {
        ++outcome.rows;
        results = ModelResults{};
        ModelRun run;
        bool answerAsked = false;
        if (std::string malformed = malformation(row, header.count); !malformed.empty()) {
            run.error = std::move(malformed);
        } else {
            ModelInputs inputs = settings.defaults;
            std::string badCell;
            for (const InputColumn& column : columns)
                if (badCell.empty()) badCell = takeCell(row.fields[column.column], column.input, inputs);
            answerAsked = inputs.showed.anyChecked();
            if (badCell.empty())
                run = runModel(inputs, results, settings.plan || settings.json);
            else
                run.error = "line " + std::to_string(row.line) + ": " + badCell;
        }
        if (run.error) ++outcome.failedRows;
        writer.writeRow(row, results, run, answerAsked);
    }
    outcome.readError = reader.readError();
    return outcome;
}

}  // namespace morvane::calc
