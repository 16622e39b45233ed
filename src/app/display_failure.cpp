#include "display_failure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace morvane {
namespace {

// Whether the platform will be X11 on the display named by DISPLAY: no
// other platform is asked for, in the environment or on the command line,
// and no other display.
bool runsOnDisplayVariable(int argc, char** argv)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "xcb")
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "-display") == 0)
            return false;
    return true;
}

void reportStartingMessage(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type == QtFatalMsg) {
        // The platform could not be started; Qt would abort next.
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty())
            std::fputs("morvane: cannot open a display: DISPLAY is not set\n", stderr);
        else
            std::fprintf(stderr, "morvane: cannot open display \"%s\"\n", display.constData());
        std::fflush(stderr);
        // Not exit(): the application object is half built and must not be
        // torn down.
        std::_Exit(1);
    }
    // The platform's own account of the attempt says the same at length.
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void beginDisplayFailureReport(int argc, char** argv)
{
    if (runsOnDisplayVariable(argc, argv))
        qInstallMessageHandler(reportStartingMessage);
}

void endDisplayFailureReport() { qInstallMessageHandler(nullptr); }

}  // namespace morvane
