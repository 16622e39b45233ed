#include "action_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include "print_module.h"
#include "soils_dialog.h"

using namespace Qt::StringLiterals;

namespace morvane {

QString StandardDialogs::pictureFileName(QWidget* parent, const QString& proposedPath)
{
    return QFileDialog::getSaveFileName(parent, u"Save picture"_s, proposedPath,
                                        u"PNG pictures (*.png)"_s);
}

bool StandardDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    // Asked only by WindowActions::print, once the module has loaded.
    const PrintModule module = loadPrintModule(nullptr);
    return module.loaded() && module.dialog(parent, printer);
}

void StandardDialogs::showFailure(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void StandardDialogs::showAbout(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<WindowSoils> ActionDialogs::chooseSoils(QWidget* parent, const WindowSoils& current)
{
    SoilsDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.soils();
}

std::optional<DetectorsShowed> ActionDialogs::askDetectorsShowed(QWidget* parent,
                                                                 const DetectorQuestion& question)
{
    DetectorAnswerDialog dialog(parent, question);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.showed();
}

}  // namespace morvane
