#include "window_actions.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

#include <memory>

#include "application.h"
#include "guide_window.h"
#include "print_module.h"
#include "results_report.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// The results text below the picture, in a table of two columns.
void printReport(QPainter& painter, const QRect& area, const QString& report)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList lines = report.split(u'\n', Qt::SkipEmptyParts);
    int nameWidth = 0;
    for (const QString& line : lines)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(line.section(u'\t', 0, 0)));
    const int gap = metrics.horizontalAdvance(u"MM"_s);
    const int valueLeft = area.left() + nameWidth + gap;
    const int valueWidth = std::max(area.right() - valueLeft, area.width() / 3);

    int top = area.top();
    for (const QString& line : lines) {
        const QString name = line.section(u'\t', 0, 0);
        const QString value = line.section(u'\t', 1);
        const QRect valueRect = metrics.boundingRect(QRect(valueLeft, top, valueWidth, 0),
                                                     Qt::TextWordWrap, value);
        painter.drawText(QRect(area.left(), top, nameWidth, metrics.height()), Qt::AlignLeft,
                         name);
        painter.drawText(valueRect, Qt::TextWordWrap, value);
        top += std::max(valueRect.height(), metrics.height());
    }
}

}  // namespace

WindowActions::WindowActions(QWidget* window) : QObject(window), window_(window)
{
    setObjectName(u"windowActions"_s);
    addAction(u"Soils…"_s, QKeySequence(u"Ctrl+L"_s), u"soils"_s, &WindowActions::soilsRequested);
    // Not Ctrl+D: on X11 an edit box deletes a character with it.
    addAction(u"What the detectors showed…"_s, QKeySequence(u"Ctrl+Shift+D"_s),
              u"detectorsShowed"_s, &WindowActions::detectorsShowedRequested);
    addSeparator();
    addAction(u"Copy results"_s, QKeySequence(u"Ctrl+Shift+C"_s), u"copyResults"_s,
              &WindowActions::copyResults);
    addAction(u"Save picture…"_s, QKeySequence(u"Ctrl+S"_s), u"savePicture"_s,
              &WindowActions::savePicture);
    addAction(u"Print…"_s, QKeySequence(u"Ctrl+P"_s), u"print"_s, &WindowActions::print);
    addSeparator();
    addAction(u"Help"_s, QKeySequence(u"F1"_s), u"help"_s, &WindowActions::showHelp);
    addAction(u"About Morvane"_s, QKeySequence(), u"about"_s, &WindowActions::showAbout);
    // The edit boxes keep their own menu: their context menu events never
    // reach the window.
    window_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction* WindowActions::addAction(const QString& text, const QKeySequence& shortcut,
                                  const QString& name, void (WindowActions::*slot)())
{
    auto* action = new QAction(text, window_);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    window_->addAction(action);
    return action;
}

void WindowActions::addSeparator()
{
    auto* separator = new QAction(window_);
    separator->setSeparator(true);
    window_->addAction(separator);
}

void WindowActions::setDialogs(ActionDialogs* dialogs) { substitute_ = dialogs; }

ActionDialogs& WindowActions::dialogs()
{
    return substitute_ != nullptr ? *substitute_ : standardDialogs_;
}

QString WindowActions::failureCaption() const
{
    const Application* application = Application::instance();
    return application != nullptr ? application->title() : u"Morvane"_s;
}

void WindowActions::copyResults()
{
    QGuiApplication::clipboard()->setText(resultsReport(*window_));
}

QString WindowActions::proposedPicturePath(QDate day)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(u"morvane-"_s + day.toString(u"yyyy-MM-dd"_s) + u".png"_s);
}

void WindowActions::savePicture()
{
    // Taken before the dialog opens, so that the picture is the window as
    // the user asked to save it.
    const QImage picture = window_->grab().toImage();
    const QString path =
        dialogs().pictureFileName(window_, proposedPicturePath(QDate::currentDate()));
    if (path.isEmpty())
        return;

    QSaveFile file(path);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(picture))
            failure = writer.errorString();
        else if (!file.commit())
            failure = file.errorString();
    }
    if (!failure.isEmpty())
        dialogs().showFailure(window_, failureCaption(),
                              u"The picture could not be saved as "_s +
                                  QDir::toNativeSeparators(path) + u": "_s + failure);
}

void WindowActions::print()
{
    QString failure;
    const PrintModule module = loadPrintModule(&failure);
    if (!module.loaded()) {
        dialogs().showFailure(window_, failureCaption(),
                              u"Printing is not available: "_s + failure);
        return;
    }
    bool printed = false;
    const bool chosen = module.print(
        u"Morvane"_s, [this](QPrinter& printer) { return dialogs().choosePrinter(window_, printer); },
        [this](QPagedPaintDevice& printer) { return printTo(printer); }, printed);
    if (chosen && !printed)
        dialogs().showFailure(window_, failureCaption(), u"The printer could not be started."_s);
}

bool WindowActions::printTo(QPagedPaintDevice& printer)
{
    const QImage picture = window_->grab().toImage();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A printer's resolution is its dots per inch.
    const QRect page = printer.pageLayout().paintRectPixels(printer.logicalDpiX());
    const QRect area(0, 0, page.width(), page.height());
    const QSize scaled = picture.size().scaled(area.width(), area.height(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(area.topLeft(), scaled), picture);

    QFont font = windowFont();
    font.setPointSizeF(9);
    painter.setFont(font);
    const int gap = painter.fontMetrics().height();
    printReport(painter, area.adjusted(0, scaled.height() + gap, 0, 0), resultsReport(*window_));
    return painter.end();
}

QString WindowActions::aboutText()
{
    return u"Morvane " MORVANE_VERSION "\n\n"_s
           u"When each wetting-front detector responds, for a light and a heavy textured soil.\n\n"_s
           u"Licence: MIT (Expat). Copyright 2026 The Morvane developers.\n\n"_s
           u"The bundled Liberation Sans fonts: GPL-2 with the font exception, "
           u"copyright 2007 Red Hat, Inc.\n\n"_s +
           u"Qt "_s + QString::fromLatin1(QT_VERSION_STR) + u" (running on Qt "_s +
           QString::fromLatin1(qVersion()) + u")"_s;
}

void WindowActions::showAbout()
{
    dialogs().showAbout(window_, u"About Morvane"_s, aboutText());
}

QString WindowActions::guidePath()
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + u"/../share/doc/morvane/guide.md"_s,
        u"/usr/share/doc/morvane/guide.md"_s,
        QString::fromUtf8(MORVANE_SOURCE_GUIDE),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    return {};
}

void WindowActions::showHelp()
{
    if (guide_ == nullptr) {
        auto guide = std::make_unique<GuideWindow>(window_);
        if (!guide->showGuide(guidePath())) {
            dialogs().showFailure(window_, failureCaption(),
                                  u"The user's guide (guide.md) is not installed or cannot "
                                  "be read."_s);
            return;
        }
        guide_ = guide.release();
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

}  // namespace morvane
