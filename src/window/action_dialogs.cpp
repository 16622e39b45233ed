#include "action_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>

#include "soils_dialog.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

QString StandardDialogs::pictureFileName(QWidget* parent, const QString& proposedPath)
{
    return QFileDialog::getSaveFileName(parent, u"Save picture"_s, proposedPath,
                                        u"PNG pictures (*.png)"_s);
}

bool StandardDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
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

void StandardDialogs::showGuide(QWidget* parent, const QString& path)
{
    QFile guide(path);
    if (!guide.open(QIODevice::ReadOnly)) {
        showFailure(parent, u"Help"_s,
                    u"The user's guide cannot be read: "_s + path + u": "_s + guide.errorString());
        return;
    }
    // A window of its own, closed with the main window.
    auto* browser = new QTextBrowser(parent);
    browser->setWindowFlag(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setWindowTitle(u"Morvane user's guide"_s);
    browser->setFont(windowFont(13));
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({QFileInfo(path).absolutePath()});
    browser->setMarkdown(QString::fromUtf8(guide.readAll()));
    browser->resize(760, 640);
    browser->show();
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
