#pragma once
// The two encodings a batch table may come in, and the UTF-8 rules the JSON
// output relies on.
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

// The length of the valid UTF-8 sequence starting at text[i], or 0 if there
// is none there (a stray continuation byte, a cut-off or overlong sequence,
// a surrogate, a code point beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// Whether all of `text` is valid UTF-8.
bool isUtf8(std::string_view text);

}  // namespace morvane::calc
