#pragma once
// The two encodings a batch table may come in (UTF-8 itself is walked by
// utf8_text.h).
//
// Spreadsheets on Windows save "CSV" in the Windows code page, which for
// western languages is Windows-1252: Latin-1 with printable characters in
// 0x80-0x9F (the euro sign, curly quotes, dashes). A table read as latin1 is
// decoded as Windows-1252, as web browsers read text labelled Latin-1, so
// either kind of file comes out right:
//   "S\xFCd" -> "Süd"     "\x80 5" -> "€ 5"     "\x93x\x94" -> "“x”"
// The five bytes Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number.

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::calc {

enum class InputEncoding { kUtf8, kLatin1 };

// Appends `bytes`, read as Windows-1252, to `out` in UTF-8.
void appendLatin1AsUtf8(std::string& out, std::string_view bytes);

}  // namespace morvane::calc
