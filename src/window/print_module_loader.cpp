#include <QCoreApplication>
#include <QLibrary>

#include "print_module.h"

using namespace Qt::StringLiterals;

namespace morvane {

PrintModule loadPrintModule(QString* failure)
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + u"/" MORVANE_PRINT_MODULE_FROM_BINDIR ""_s,
        QString::fromUtf8(MORVANE_BUILD_PRINT_MODULE),
    };
    QString reason;
    for (const QString& candidate : candidates) {
        // Loading a module that is loaded already only finds it again; it
        // stays loaded, as QLibrary unloads only on an explicit unload().
        QLibrary library(candidate);
        if (!library.load()) {
            if (reason.isEmpty())  // the installed module's reason first
                reason = library.errorString();
            continue;
        }
        PrintModule module;
        module.dialog = reinterpret_cast<PrintDialogFunction>(library.resolve(kPrintDialogFunction));
        module.print = reinterpret_cast<PrintFunction>(library.resolve(kPrintFunction));
        if (module.dialog && module.print)
            return module;
        reason = library.errorString();
    }
    if (failure)
        *failure = reason;
    return {};
}

}  // namespace morvane
