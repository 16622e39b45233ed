#include "error_reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace morvane {

void MessageBoxReporter::showErrorBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace morvane
