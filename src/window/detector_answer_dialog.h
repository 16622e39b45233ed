#pragma once
// The "What the detectors showed" dialog: for the shallow detector and, when
// it is shown, the deep one, whether its float was found UP or DOWN after
// the irrigation, or not checked; OK and Cancel.
//
// Each detector is a group of three choices named after it and its depth,
// "Shallow detector (165 mm)": "Not checked", "UP: it responded" and
// "DOWN: it did not respond". The dialog opens on the choices in use.

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

#include "wetting_front_model.h"

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace morvane {

// What the dialog asks: the detectors' depths as the window shows them, and
// what the user said before.
struct DetectorQuestion {
    QString shallowDepthText;              // "165"
    std::optional<QString> deepDepthText;  // empty when the deep detector is not shown
    DetectorsShowed current;
};

class DetectorAnswerDialog : public QDialog {
    Q_OBJECT

public:
    enum class Detector { shallow, deep };

    DetectorAnswerDialog(QWidget* parent, const DetectorQuestion& question);

    // The choices made; a detector the dialog does not show keeps what it had.
    DetectorsShowed showed() const;

    // The choice for `detector`: not checked (empty), UP or DOWN; null for
    // the deep detector when it is not shown.
    QRadioButton* choice(Detector detector, std::optional<FloatPosition> position) const;

private:
    QButtonGroup* addDetector(QVBoxLayout& layout, Detector detector, const QString& depthText,
                              const std::optional<FloatPosition>& current);

    DetectorsShowed kept_;
    QButtonGroup* shallow_ = nullptr;
    QButtonGroup* deep_ = nullptr;
};

}  // namespace morvane
