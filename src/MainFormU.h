#pragma once
// The main window Form1: every control of the program, its event handlers and
// the recalculation cycle that turns the input texts into the results shown.

#include <QWidget>

#include "wetting_front_model.h"

class QPushButton;
class QStackedWidget;

namespace morvane {
class Chart;
class ColorLine;
class TImage;
class TLabel;
class TLabeledEdit;
class TPanel;
class TShape;
class TTabSet;
}  // namespace morvane

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its layout and then runs FormCreate; a failure
    // escaping FormCreate is shown by the application and construction
    // carries on.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormResize();
    void BitBtn1Click();
    // The tab strip is about to change to NewTab; the change is always allowed.
    void TabSet1Change(int NewTab);
    void TabSet1Click();
    void LtsdepthChange();
    // A full redraw of the light-soil chart has finished: the detector
    // markers of both charts move to their depths.
    void Chart1AfterDraw();
    void Chart2AfterDraw();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // layout.
    void createControls();
    void createInputPanel();
    void createLightPage(QWidget* page);
    void createHeavyPage(QWidget* page);
    void createProfileArea();
    void createSoilCharts();
    void createLegend();
    void setKeyboardOrder();
    void runCreationHandler();
    void showNotebookPage(const QString& pageName);

    // The recalculation cycle and its steps.
    void recalculate();
    void runModel();
    void showDeepDetectors();
    void showModelResults();
    void rebuildSeries();
    void colourMarkers();
    void setLinesAndWarnings();

    morvane::ModelResults results_;

    morvane::TPanel* Panel1 = nullptr;
    morvane::TPanel* Panel2 = nullptr;
    morvane::TPanel* Panel3 = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    morvane::TTabSet* TabSet1 = nullptr;

    morvane::TLabeledEdit* AppRate = nullptr;
    morvane::TLabeledEdit* Duration = nullptr;
    morvane::TLabel* Label3 = nullptr;
    morvane::TLabel* AppAmount = nullptr;
    morvane::TLabel* Label4 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // The input page of the light soil.
    morvane::TLabeledEdit* Ltsdepth = nullptr;
    morvane::TLabeledEdit* LtCWU = nullptr;
    morvane::TLabeledEdit* LtDIrrig = nullptr;
    morvane::TLabel* Label15 = nullptr;
    morvane::TLabel* LtSWD = nullptr;
    morvane::TLabel* Label19 = nullptr;
    morvane::TLabel* LtSTO = nullptr;
    morvane::TLabel* Label5 = nullptr;
    morvane::TLabel* Hv1STO = nullptr;
    morvane::TLabel* ltStoWarn = nullptr;
    morvane::TLabel* HvSTOWarn = nullptr;
    morvane::TLabel* Label25 = nullptr;
    morvane::TLabel* LtSD = nullptr;
    morvane::TLabel* Label8 = nullptr;
    morvane::TLabel* Label26 = nullptr;
    morvane::TLabel* LtDD = nullptr;
    morvane::TLabel* Label9 = nullptr;
    morvane::TLabel* LtTAW = nullptr;
    morvane::TLabel* LtAW = nullptr;

    // The page of the heavy soil, never shown.
    morvane::TLabeledEdit* Hvsdepth = nullptr;
    morvane::TLabeledEdit* HvCWU = nullptr;
    morvane::TLabeledEdit* HvDIrrig = nullptr;
    morvane::TLabel* Label10 = nullptr;
    morvane::TLabel* HvSWD = nullptr;
    morvane::TLabel* HvTAW = nullptr;
    morvane::TLabel* HvAW = nullptr;
    morvane::TLabel* Label11 = nullptr;
    morvane::TLabel* HvSD = nullptr;
    morvane::TLabel* Label12 = nullptr;
    morvane::TLabel* HvDD = nullptr;

    // Below the input panel.
    morvane::TLabel* Label6 = nullptr;
    morvane::TLabel* Label7 = nullptr;
    morvane::Chart* Chart1 = nullptr;
    morvane::Chart* Chart2 = nullptr;
    // Root zone lines, 24-hour lines and applied-water bars of Chart1 and Chart2.
    morvane::ColorLine* ChartTool1 = nullptr;
    morvane::ColorLine* ChartTool2 = nullptr;
    morvane::ColorLine* ChartTool3 = nullptr;
    morvane::ColorLine* ChartTool4 = nullptr;
    morvane::ColorLine* ChartTool5 = nullptr;
    morvane::ColorLine* ChartTool6 = nullptr;
    // Detector markers: shallow and deep on Chart1, shallow and deep on Chart2.
    morvane::TShape* Shape1 = nullptr;
    morvane::TShape* Shape2 = nullptr;
    morvane::TShape* Shape3 = nullptr;
    morvane::TShape* Shape4 = nullptr;
    morvane::TLabel* warn24h = nullptr;
    morvane::TLabel* warn24h2 = nullptr;
    morvane::TImage* Image1 = nullptr;
    morvane::TImage* Image2 = nullptr;
};
