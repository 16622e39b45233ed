#pragma once
// The detectors' answer in the window: under the legend, for the last run
// that succeeded, what the user said each detector showed and, for each
// soil, what that says of the deficit before the irrigation, in the model's
// words (detector_answer_sentences.h):
//
//   What the detectors showed
//   Shallow detector (165 mm) UP, deep detector (335 mm) DOWN.
//   Light textured soil
//   Your detectors say the deficit before this irrigation was between 17.3
//   and 55.8 mm (you estimated 25 mm): the crop used 3.5 to 11.2 mm a day.
//   Heavy textured soil
//   Your detectors say ...
//
// Each heading is bold. The area is hidden, and the window exactly as
// without it, until a shown detector is checked; it takes the height its
// text needs, in a smaller size rather than cut when the text is long.
// Screen readers read it as "What the detectors showed" with the whole text
// as its description, and are told when it changes.
//
// The answer belongs to an irrigation: what the detectors showed is kept
// when the inputs change and the answer follows the next successful run (a
// corrected input of the same irrigation); the user clears it by choosing
// "Not checked". A run that fails leaves the answer of the last good run, as
// the charts keep that run's picture.

#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

#include "detector_answer_dialog.h"
#include "wetting_front_model.h"

namespace morvane {

class DetectorAnswerView : public QWidget {
    Q_OBJECT

public:
    explicit DetectorAnswerView(QWidget* parent);

    // The run the answer is about, complete, and the captions of its soils.
    void showRun(const ModelResults& results, const QString& lightCaption,
                 const QString& heavyCaption);
    // What the user says the detectors showed.
    void setShowed(const DetectorsShowed& showed);

    // What the dialog asks about the last run shown; empty before one.
    std::optional<DetectorQuestion> question() const;

    // The answer as (name, text) items for Copy results, in the order shown;
    // empty while the area is hidden.
    std::vector<std::pair<QString, QString>> reportItems() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Paragraph {
        QString heading;
        QString text;
        QString reportName;  // its name in Copy results
    };

    // Recomputes the paragraphs, the size and what screen readers are told.
    void refresh();
    std::vector<Paragraph> answerParagraphs() const;
    // The height the paragraphs take at a font size, laid out in the area's width.
    int heightAt(int pixelSize) const;

    std::optional<ModelResults> run_;
    QString lightCaption_, heavyCaption_;
    DetectorsShowed showed_;
    std::vector<Paragraph> paragraphs_;
    int pixelSize_ = 11;
};

}  // namespace morvane
