#pragma once
// What the platform tells about the running executable, for the titles and
// the "Application Error" box. Usable before any Qt object exists.

#include <QString>
#include <QtGlobal>

namespace morvane {

// The full file name of the running executable ("" if the system does not say).
QString executableFilePath();

// The offset of a code address from the start of the module that holds it
// (the address itself when the module cannot be found).
quintptr addressWithinModule(const void* codeAddress);

}  // namespace morvane
