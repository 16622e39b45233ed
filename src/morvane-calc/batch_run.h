#pragma once
// The batch: the model run once per row of a CSV table, streamed from an
// input descriptor to an output buffer in bounded memory.
//
// The header names the input columns in any order (batch_header.h); every
// other column is carried through. The lightSoil and heavySoil columns hold
// a soil of the user's own, "FC:WP:DETECT:UPPER" (soil_text.h); an empty
// cell takes the settings' soil. The shallowShowed and deepShowed columns
// hold what a detector's float showed, "up" or "down"; an empty cell takes
// the settings'. Each output row is the input row's
// columns as read, the result texts in the order the model writes them,
// ltStoWarn and HvSTOWarn ("shown"/"hidden"), with --plan the plan's
// columns LtPlanShallowDepth … HvPlanRootZoneHours (plan_report.h), with a
// showed column or setting the answer's columns LtShowed …
// HvShowedCropWaterUseMax (answer_report.h; empty for a row without an
// answer), and error:
//   rate,field            rate,field,AppAmount,LtSWD,…,Hv1STO,ltStoWarn,HvSTOWarn,error
//   12,north        ->    12,north,30,25,…,50%,hidden,hidden,
//   x,south               x,south,,,…,,,,'x' is not a valid floating point value.
// A row the model fails on keeps the texts written before the failure; the
// cell holds the rejected text in full, so the error quotes at most its
// first 32 bytes ('xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not …). A
// malformed row (a field count other than the header's, an unterminated
// quote, a limit of csv_table.h broken) and a row with a soil or a showed
// cell that is not valid (nothing is computed for it) have their error start
// with "line N: ". The batch goes on after all of them. Rows whose every cell
// is empty (",,,", as spreadsheets leave them) are skipped like empty lines.

#include <string>

#include "output_buffer.h"
#include "text_encoding.h"
#include "wetting_front_model.h"

namespace morvane::calc {

struct BatchSettings {
    char delimiter = ',';
    bool json = false;      // JSON Lines: one object per row, the row's columns under "fields"
    ModelInputs defaults;   // for the input columns the table lacks, and empty soil cells
    bool plan = false;      // the irrigation plan's columns after the warnings (JSON: always)
    InputEncoding encoding = InputEncoding::kUtf8;
};

struct BatchOutcome {
    long rows = 0;
    long failedRows = 0;
    std::string usageError;  // the header is missing or cannot be read as a header
    std::string readError;   // the input could not be read to its end
    long firstLineNotUtf8 = 0;  // JSON: the first line whose bytes became U+FFFD, or 0
};

BatchOutcome runBatch(int inputFd, const BatchSettings& settings, OutputBuffer& out);

}  // namespace morvane::calc
