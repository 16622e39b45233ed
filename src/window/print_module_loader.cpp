#include <QCoreApplication>
#include <QLibrary>

#include "print_module.h"

using namespace Qt::StringLiterals;

namespace morvane {

const PrintModule* printModule(QString* failure)
{
    static PrintModule module;
    static QString reason;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const QString candidates[] = {
            QCoreApplication::applicationDirPath() + u"/" MORVANE_PRINT_MODULE_FROM_BINDIR ""_s,
            QString::fromUtf8(MORVANE_BUILD_PRINT_MODULE),
        };
        for (const QString& candidate : candidates) {
            QLibrary library(candidate);
            if (!library.load()) {
                if (reason.isEmpty())  // the installed module's reason first
                    reason = library.errorString();
                continue;
            }
            // Stays loaded: QLibrary unloads only on an explicit unload().
            module.dialog = reinterpret_cast<PrintDialogFunction>(library.resolve(kPrintDialogFunction));
            module.print = reinterpret_cast<PrintFunction>(library.resolve(kPrintFunction));
            if (module.dialog && module.print)
                break;
            module = {};
            reason = library.errorString();
            library.unload();
        }
    }
    if (!module.print && failure)
        *failure = reason;
    return module.print ? &module : nullptr;
}

}  // namespace morvane
