#include "batch_run.h"

#include <optional>
#include <string_view>
#include <vector>

#include "csv_table.h"
#include "failures.h"
#include "result_names.h"
#include "result_report.h"

namespace morvane::calc {

const char* const kInputColumns[5] = {"rate", "duration", "days", "cwu", "root_zone"};

namespace {

constexpr std::string ModelInputs::*kInputFields[5] = {
    &ModelInputs::appRate, &ModelInputs::duration, &ModelInputs::days,
    &ModelInputs::cropWaterUse, &ModelInputs::rootZone,
};

// Which header column feeds which model input.
struct InputColumn {
    std::size_t column;
    std::string ModelInputs::*input;
};

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
    BatchWriter(const CsvRecord& header, const BatchSettings& settings, OutputBuffer& out)
        : header_(header), settings_(settings), out_(out)
    {
    }

    void writeHeader()
    {
        if (settings_.json) return;
        line_.clear();
        for (std::size_t i = 0; i < header_.count; ++i) field(header_.fields[i]);
        for (const ResultText& result : kResultTexts) field(result.name);
        for (const StorageWarning& warning : kStorageWarnings) field(warning.name);
        // The planner's response-depth columns (--plan) are to go here and in writeRow.
        line_ += "error";
        finishLine();
    }

    // Writes the row's first header-count columns (missing ones empty).
    void writeRow(const CsvRecord& row, const ModelResults& results,
                  const std::optional<std::string>& error)
    {
        if (settings_.json) return writeJsonRow(row, results, error);
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
        if (error) appendCsvField(line_, *error, settings_.delimiter);
        finishLine();
    }

private:
    void field(std::string_view text)
    {
        appendCsvField(line_, text, settings_.delimiter);
        line_ += settings_.delimiter;
    }

    void finishLine()
    {
        line_ += '\n';
        out_.append(line_);
    }

    void writeJsonRow(const CsvRecord& row, const ModelResults& results,
                      const std::optional<std::string>& error)
    {
        fields_.clear();
        for (std::size_t i = 0; i < header_.count; ++i)
            fields_.emplace_back(header_.fields[i],
                                 i < row.count ? std::string_view(row.fields[i]) : std::string_view());
        line_.clear();
        appendJsonReport(line_, results, error, &fields_);
        out_.append(line_);
    }

    const CsvRecord& header_;
    const BatchSettings& settings_;
    OutputBuffer& out_;
    std::string line_;
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

    BatchWriter writer(header, settings, out);
    writer.writeHeader();
    CsvRecord row;
    ModelResults results;
    while (!out.failed() && reader.next(row)) {
        ++outcome.rows;
        results = ModelResults{};
        std::optional<std::string> error;
        if (std::string malformed = malformation(row, header.count); !malformed.empty()) {
            error = std::move(malformed);
        } else {
            ModelInputs inputs = settings.defaults;
            for (const InputColumn& column : columns) inputs.*column.input = row.fields[column.column];
            try {
                runWettingFrontModel(inputs, results);
            } catch (const Exception& failure) {
                error = withClosingPeriod(failure.message());
            }
        }
        if (error) ++outcome.failedRows;
        writer.writeRow(row, results, error);
    }
    outcome.readError = reader.readError();
    return outcome;
}

}  // namespace morvane::calc
