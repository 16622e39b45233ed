#pragma once
// The application title, the caption of every error box.

#include <QString>

namespace morvane {

// Derives the title from the executable's file name: the directory is
// dropped, the name is cut at its first ".", and every character after the
// first is lower-cased; the first keeps its case.
//   "/usr/bin/morvane"        -> "morvane"
//   "/opt/Morvane.EXE"        -> "Morvane"
//   "/opt/MORVANE.EXE"        -> "Morvane"
//   "/opt/IrriGate.tar.gz"    -> "Irrigate"
//   "/opt/.hidden"            -> ""  (cut at the first character)
//   ""                        -> ""
QString applicationTitleFromFileName(const QString& filePath);

}  // namespace morvane
