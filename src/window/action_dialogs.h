#pragma once
// The dialogs the window's menu actions open. The window owns the real ones;
// tests put their own in their place to answer them and see what was shown.

#include <QString>

#include <optional>

#include "detector_answer_dialog.h"
#include "own_soil.h"

class QPrinter;
class QWidget;

namespace morvane {

class ActionDialogs {
public:
    virtual ~ActionDialogs() = default;
    // The file to save a picture to, starting at `proposedPath`; empty when
    // the user cancels.
    virtual QString pictureFileName(QWidget* parent, const QString& proposedPath) = 0;
    // The print dialog on `printer`; true when the user asks to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // A box with the stop icon saying why an action failed.
    virtual void showFailure(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The about box: `text` is plain text.
    virtual void showAbout(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The Soils dialog, opened on the soils in use: the soils chosen, or
    // empty when the user cancels. The real dialog unless replaced.
    virtual std::optional<WindowSoils> chooseSoils(QWidget* parent, const WindowSoils& current);
    // The "What the detectors showed" dialog: the choices made, or empty when
    // the user cancels. The real dialog unless replaced.
    virtual std::optional<DetectorsShowed> askDetectorsShowed(QWidget* parent,
                                                              const DetectorQuestion& question);
};

// The real dialogs: Qt's file and print dialogs, message boxes, the Soils
// dialog and the detectors' dialog.
class StandardDialogs : public ActionDialogs {
public:
    QString pictureFileName(QWidget* parent, const QString& proposedPath) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void showFailure(QWidget* parent, const QString& caption, const QString& text) override;
    void showAbout(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace morvane
