#pragma once
// The window's context menu and shortcuts: Soils… (Ctrl+L), What the
// detectors showed… (Ctrl+Shift+D), Copy results (Ctrl+Shift+C), Save
// picture… (Ctrl+S), Print… (Ctrl+P), Help (F1) and About Morvane. The menu
// opens on a right click anywhere in the window but the edit boxes, which
// keep their own; no shortcut takes a key an edit box needs, and Enter still
// does nothing.
//
// Failures (a picture that cannot be written, a printer that cannot be
// started, a guide that cannot be found) are shown in a box saying why and
// leave everything as it was: a picture is written to a temporary file and
// only then put in place of the chosen one.

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include "action_dialogs.h"

class QAction;
class QPagedPaintDevice;
class QWidget;

namespace morvane {

class GuideWindow;

class WindowActions : public QObject {
    Q_OBJECT

public:
    // Adds the actions to `window`, which owns them.
    explicit WindowActions(QWidget* window);

    // Replaces the dialogs; nullptr brings back the real ones. Not owned.
    void setDialogs(ActionDialogs* dialogs);
    // The dialogs in use: the replacement, else the real ones.
    ActionDialogs& dialogs();
    // The caption of a box saying why an action failed: the program's title.
    QString failureCaption() const;

    // The results as text (resultsReport) on the clipboard.
    void copyResults();
    // The window's picture at the screen's resolution, as PNG in a file the
    // user picks.
    void savePicture();
    // One page: the window's picture across the page's width, the results
    // text below it.
    void print();
    void showAbout();
    // The user's guide in its window; once open, Help raises and activates
    // that window again.
    void showHelp();

    // Prints on `printer`, already set up; false when it cannot be started.
    bool printTo(QPagedPaintDevice& printer);

    // The file name the save dialog proposes: "morvane-2026-12-08.png" in
    // the user's pictures folder (the home folder when there is none).
    static QString proposedPicturePath(QDate day);
    // "Morvane 1.0.0", the licences of the program and of its fonts, and the
    // versions of Qt it was built with and runs on.
    static QString aboutText();
    // The user's guide: the one installed beside the program
    // (<prefix>/share/doc/morvane/guide.md), else the system's copy, else
    // docs/guide.md of the source tree the program was built from; empty
    // when none exists.
    static QString guidePath();

signals:
    // Soils… was chosen: the window opens the Soils dialog on its soils.
    void soilsRequested();
    // What the detectors showed… was chosen: the window asks about its detectors.
    void detectorsShowedRequested();

private:
    QAction* addAction(const QString& text, const QKeySequence& shortcut, const QString& name,
                       void (WindowActions::*slot)());
    void addSeparator();

    QWidget* window_;
    StandardDialogs standardDialogs_;
    ActionDialogs* substitute_ = nullptr;
    QPointer<GuideWindow> guide_;  // owned by the window
};

}  // namespace morvane
