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
    bool loaded() const { return dialog != nullptr && print != nullptr; }
};

// The module's functions: from the one installed beside the program
// (<prefix>/lib/morvane), else from the one of the build tree the program was
// built in. Neither function, with the reason in `failure`, when neither
// loads.
PrintModule loadPrintModule(QString* failure);

}  // namespace morvane
