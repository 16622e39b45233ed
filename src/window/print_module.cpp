// The module morvane_print (print_module.h): all the program's use of Qt's
// print support. It uses nothing of the program but Qt.

#include <QPrintDialog>
#include <QPrinter>

#include "print_module.h"

extern "C" Q_DECL_EXPORT bool morvanePrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

extern "C" Q_DECL_EXPORT bool morvanePrint(const QString& documentName,
                                           const std::function<bool(QPrinter&)>& choose,
                                           const std::function<bool(QPagedPaintDevice&)>& print,
                                           bool& printed)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printed = false;
    if (!choose(printer))
        return false;
    printed = print(printer);
    return true;
}

// The types the program calls them through.
static_assert(std::is_same_v<decltype(&morvanePrintDialog), morvane::PrintDialogFunction>);
static_assert(std::is_same_v<decltype(&morvanePrint), morvane::PrintFunction>);
