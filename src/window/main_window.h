#pragma once
// The main window: the irrigation panel with the soil inputs page, the two
// soil profile views, the legend and the photograph of a detector; and the
// recalculation cycle that turns the input texts into everything shown.

#include <QWidget>

#include <array>
#include <memory>

#include "own_soil.h"
#include "result_names.h"
#include "wetting_front_model.h"

namespace morvane {

class DetectorAnswerView;
class IrrigationPanel;
class Panel;
class PictureView;
class SoilInputsPage;
class SoilProfileView;
class TextLabel;
class WindowActions;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Builds the window with the soils stored in the user's settings
    // (soil_settings.h) and runs the first recalculation on the default
    // inputs; a failure there, or a stored soil that is not valid, is shown
    // by the application and the window is built all the same, with
    // whatever the run reached.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The recalculation cycle, five steps in this order, each for both
    // soils: the model, the detection-zone bands, the marker colours, the
    // deep detectors' visibility, the lines and warnings. A failing step
    // throws and leaves the later steps as the previous run left them.
    // A run that succeeds then tells its irrigation plan in the charts'
    // tooltips, and what the detectors say of it when the user said what
    // they showed.
    void recalculate();

    // The soils of the two slots: the built-in ones unless the user chose
    // their own (Soils…, Ctrl+L).
    const WindowSoils& soils() const { return soils_; }

private:
    void createProfileArea();
    void findResultLabels();
    void setKeyboardOrder();
    void loadStoredSoils();
    // Opens the Soils dialog; the soils chosen are kept in the settings and
    // the window recalculates with them.
    void chooseSoils();
    // Each chart's caption names its soil; an own soil's caption tells its
    // values in its tooltip.
    void showSoilCaptions();
    // Opens the "What the detectors showed" dialog on the last good run;
    // the answer follows what the user chose.
    void askWhatTheDetectorsShowed();

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
    WindowSoils soils_;
    // The label of each result text, in the order of kResultTexts; none for
    // the heavy soil's texts the window keeps to itself.
    std::array<TextLabel*, kResultTexts.size()> resultLabels_{};
    Panel* background_ = nullptr;
    IrrigationPanel* irrigation_ = nullptr;
    SoilInputsPage* soilInputs_ = nullptr;
    WindowActions* actions_ = nullptr;
    TextLabel* lightCaption_ = nullptr;
    TextLabel* heavyCaption_ = nullptr;
    std::unique_ptr<SoilProfileView> lightSoil_;
    std::unique_ptr<SoilProfileView> heavySoil_;
    PictureView* legend_ = nullptr;
    PictureView* detectorPhoto_ = nullptr;
    DetectorAnswerView* detectorAnswer_ = nullptr;
};

}  // namespace morvane
