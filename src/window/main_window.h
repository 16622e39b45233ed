#pragma once
// The main window: the irrigation panel with the soil inputs page, the two
// soil profile views, the legend and the photograph of a detector; and the
// recalculation cycle that turns the input texts into everything shown.

#include <QWidget>

#include <array>
#include <memory>

#include "result_names.h"
#include "wetting_front_model.h"

namespace morvane {

class IrrigationPanel;
class Panel;
class PictureView;
class SoilInputsPage;
class SoilProfileView;
class TextLabel;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs the first recalculation on the default
    // inputs; a failure there is shown by the application and the window is
    // built all the same, with whatever the run reached.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The recalculation cycle, five steps in this order, each for both
    // soils: the model, the detection-zone bands, the marker colours, the
    // deep detectors' visibility, the lines and warnings. A failing step
    // throws and leaves the later steps as the previous run left them.
    // A run that succeeds then tells its irrigation plan in the charts'
    // tooltips.
    void recalculate();

private:
    void createProfileArea();
    void findResultLabels();
    void setKeyboardOrder();

    void runModel();
    void showModelResults();
    void rebuildBands();
    void colourMarkers();
    void showDeepDetectors();
    void setLinesAndWarnings();
    // Each chart and its markers in words, for screen readers.
    void describeCharts();
    // At the end of each full redraw of the view's chart its markers move to
    // their detectors' depths, read from the labels named. (Both charts
    // redraw in the same paint after every run, so the screen's first frame
    // shows all four markers in place.)
    void placeMarkersAfterRedraws(SoilProfileView& view, const SoilResults& soil,
                                  const char* shallowName, const char* deepName);

    ModelResults results_;
    // The label of each result text, in the order of kResultTexts; none for
    // the heavy soil's texts the window keeps to itself.
    std::array<TextLabel*, kResultTexts.size()> resultLabels_{};
    Panel* background_ = nullptr;
    IrrigationPanel* irrigation_ = nullptr;
    SoilInputsPage* soilInputs_ = nullptr;
    std::unique_ptr<SoilProfileView> lightSoil_;
    std::unique_ptr<SoilProfileView> heavySoil_;
    PictureView* legend_ = nullptr;
    PictureView* detectorPhoto_ = nullptr;
};

}  // namespace morvane
