#pragma once
// The texts of the two error boxes.

#include <QString>

namespace morvane {

// The text of the ordinary error box: the failure's message, with "." added
// when the message is not empty and its last character's code is greater
// than that of "." (letters, digits and most punctuation gain a period; a
// message ending in ".", a space, "'", ")" or "!" does not).
//   "Floating point division by zero"         -> "Floating point division by zero."
//   "'abc' is not a valid floating point value" -> "... value."
//   "Done."  -> "Done."      "Odd)" -> "Odd)"      "" -> ""
QString withClosingPeriod(const QString& message);

// The text of the "Application Error" box, from the format
// "Exception %s in module %s at %p.\r\n%s%s\r\n": the failure's class name,
// the executable's file name without directory, the address as 8 upper-case
// hexadecimal digits (its low 32 bits), the message, and "." unless the
// message is empty or already ends in ".".
//   ("EConvertError", "morvane", 0x1A2B, "Bad") ->
//   "Exception EConvertError in module morvane at 00001A2B.\r\nBad.\r\n"
QString applicationErrorText(const QString& className, const QString& moduleName,
                             quintptr address, const QString& message);

// The caption of the "Application Error" box.
QString applicationErrorCaption();

}  // namespace morvane
