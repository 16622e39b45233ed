#pragma once
// Qt's print support, in a module of its own (morvane_print) that the window
// loads when the user first prints: a start-up then maps neither
// libQt6PrintSupport nor its relocations, and the program needs it only to
// print. The module's two functions are found by these names.

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace morvane {

// The print dialog on `printer`; true when the user asks to print.
using PrintDialogFunction = bool (*)(QWidget* parent, QPrinter& printer);
inline constexpr char kPrintDialogFunction[] = "morvanePrintDialog";

// A high-resolution printer for the document `documentName`, handed to
// `choose` (the print dialog); if that accepts, to `print`. Returns
// `choose`'s answer, and in `printed` what `print` returned.
using PrintFunction = bool (*)(const QString& documentName,
                               const std::function<bool(QPrinter&)>& choose,
                               const std::function<bool(QPagedPaintDevice&)>& print,
                               bool& printed);
inline constexpr char kPrintFunction[] = "morvanePrint";

struct PrintModule {
    PrintDialogFunction dialog = nullptr;
    PrintFunction print = nullptr;
};

// The module, loaded on the first call: the one installed beside the program
// (<prefix>/lib/morvane), else the one of the build tree the program was
// built in. Null, with the reason in `failure`, when neither loads.
const PrintModule* printModule(QString* failure);

}  // namespace morvane
