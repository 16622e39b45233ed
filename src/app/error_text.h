#pragma once
// The texts of the two error boxes.

#include <QString>

namespace morvane {

// The ordinary error box shows withClosingPeriod() of the failure's message
// (failures.h).

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
