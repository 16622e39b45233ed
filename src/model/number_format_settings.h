#pragma once
// The number format settings: the decimal separator shared by the parse rule
// and every format (no format writes a thousands separator and the parse
// rule accepts none). One process-wide instance, replaced only on the UI
// thread.

namespace morvane {

struct NumberFormatSettings {
    char decimalSeparator = '.';
};

// The one process-wide instance.
NumberFormatSettings& numberFormatSettings();

// Refills the settings from the user's LC_NUMERIC locale (LC_ALL, LC_NUMERIC,
// LANG), without changing the process locale. A separator the query cannot
// supply as exactly one byte (failed query, empty, or a multibyte character
// such as U+066B) keeps its default: "." and ",".
//   de_DE.utf8 -> ',' and '.';  C -> '.' and ',';  ps_AF -> '.' and ','.
void loadNumberFormatSettings();

}  // namespace morvane
