#include "error_reporter.h"

#include <QApplication>

#include "error_box.h"

namespace morvane {

void MessageBoxReporter::showErrorBox(const QString& caption, const QString& text)
{
    ErrorBox box(caption, text, QApplication::activeWindow());
    box.exec();
}

}  // namespace morvane
