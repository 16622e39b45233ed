#include "main_window.h"

#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <string>

#include "application.h"
#include "chart.h"
#include "colours.h"
#include "irrigation_panel.h"
#include "jpeg_decode.h"
#include "label_styles.h"
#include "labeled_edit.h"
#include "legend_painter.h"
#include "numeric_ops.h"
#include "parse_number.h"
#include "picture_view.h"
#include "plan_tooltips.h"
#include "soil_inputs_page.h"
#include "soil_profile_view.h"
#include "stretch_image.h"
#include "text_label.h"
#include "window_actions.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr QSize kClientSize(862, 628);
// The deep detectors are shown only for root zones at least this deep (mm).
constexpr double kDeepDetectorMinimumRootZone = 300;

const SoilProfileDesign kLightSoilDesign{
    u"Chart1"_s, {64, 192},  u"Soil Depth (mm)"_s, u"Max depth of detection"_s, 21,
    u"Shape1"_s, 200,        u"Shape2"_s,          288,
    u"warn24h"_s, {80, 592}};
const SoilProfileDesign kHeavySoilDesign{
    u"Chart2"_s, {240, 192}, u"Soil depth (mm)"_s, QString(), 20,
    u"Shape3"_s, 112,        u"Shape4"_s,          232,
    u"warn24h2"_s, {272, 592}};

// The detector photograph stretched to `size` logical pixels, decoded only
// when the control first shows it. A picture that cannot be read or decoded
// leaves the control empty.
QImage detectorPicture(QSize size, qreal devicePixelRatio)
{
    QFile picture(u":/pictures/detector.jpg"_s);
    if (!picture.open(QIODevice::ReadOnly))
        return {};
    return stretchImage(decodeJpeg(picture.readAll()), size * devicePixelRatio);
}

// A detector's depth as its label shows it: the model's text once a run has
// written it; before that the label's design text, its own name, which is
// no number and fails as such.
double detectorDepth(const std::optional<std::string>& text, const char* labelName)
{
    return static_cast<double>(parseNumber(text ? *text : std::string(labelName)));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Morvane"_s);
    setFixedSize(kClientSize);
    setFont(windowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours::sand);
    setPalette(colours);
    setAutoFillBackground(true);

    background_ = new Panel(this, u"Panel1"_s, QRect(QPoint(0, 0), kClientSize), colours::cream);
    irrigation_ = new IrrigationPanel(background_);
    soilInputs_ = new SoilInputsPage(irrigation_);
    createProfileArea();
    findResultLabels();
    setKeyboardOrder();
    new WindowActions(this);

    connect(irrigation_->recalculateButton(), &QPushButton::clicked, this,
            [this] { Application::reportFailures([this] { recalculate(); }); });
    placeMarkersAfterRedraws(*lightSoil_, results_.light, "LtSD", "LtDD");
    placeMarkersAfterRedraws(*heavySoil_, results_.heavy, "HvSD", "HvDD");

    Application::reportFailures([this] {
        recalculate();
        // Drawn once; later runs leave the legend as it is.
        legend_->setPictureSource(legendPicture);
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::createProfileArea()
{
    new TextLabel(background_, u"Label6"_s, u"Light textured soil"_s, QPoint(80, 176),
                  labelStyles::bold13);
    new TextLabel(background_, u"Label7"_s, u"Heavy textured soil"_s, QPoint(264, 176),
                  labelStyles::bold13);
    lightSoil_ = std::make_unique<SoilProfileView>(background_, kLightSoilDesign);
    heavySoil_ = std::make_unique<SoilProfileView>(background_, kHeavySoilDesign);

    legend_ = new PictureView(background_, u"Image1"_s, QRect(424, 224, 289, 353));
    legend_->setAccessibleName(u"Legend"_s);
    legend_->setAccessibleDescription(
        u"Irrigation Amount; Sentrel float DOWN; Sentrel float UP; "
        "Zone where Sentrel will be tripped; Position of wetting front at 24 hr after "
        "irrigation; Limit of active root zone"_s);
    detectorPhoto_ = new PictureView(background_, u"Image2"_s, QRect(728, 184, 97, 417));
    detectorPhoto_->setAccessibleName(u"A wetting-front detector held upright"_s);
    detectorPhoto_->setPictureSource(detectorPicture);
}

void MainWindow::setKeyboardOrder()
{
    QWidget* const order[] = {soilInputs_->rootZoneEdit(), soilInputs_->cropWaterUseEdit(),
                              soilInputs_->daysEdit(),     irrigation_->recalculateButton(),
                              irrigation_->durationEdit(), irrigation_->rateEdit()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void MainWindow::recalculate()
{
    runModel();
    rebuildBands();
    colourMarkers();
    showDeepDetectors();
    setLinesAndWarnings();
    showPlanTooltips(results_, lightSoil_->chart(), heavySoil_->chart());
    describeCharts();
}

void MainWindow::runModel()
{
    const ModelInputs inputs{irrigation_->rateText().toStdString(),
                             irrigation_->durationText().toStdString(),
                             soilInputs_->daysText().toStdString(),
                             soilInputs_->cropWaterUseText().toStdString(),
                             soilInputs_->rootZoneText().toStdString()};
    try {
        runWettingFrontModel(inputs, results_);
    } catch (...) {
        // What the run wrote before it failed is shown all the same.
        showModelResults();
        throw;
    }
    showModelResults();
}

// Each label that shows a result carries the result's name as its object name.
void MainWindow::findResultLabels()
{
    for (std::size_t i = 0; i < kResultTexts.size(); ++i)
        resultLabels_[i] =
            dynamic_cast<TextLabel*>(findChild<QLabel*>(QLatin1StringView(kResultTexts[i].name)));
}

void MainWindow::showModelResults()
{
    for (std::size_t i = 0; i < kResultTexts.size(); ++i) {
        const std::optional<std::string>& text = kResultTexts[i].text(results_);
        if (text && resultLabels_[i] != nullptr)
            resultLabels_[i]->setText(QString::fromStdString(*text));
    }
    soilInputs_->showStorageWarnings(results_);
}

void MainWindow::rebuildBands()
{
    lightSoil_->rebuildBand(results_.light);
    heavySoil_->rebuildBand(results_.heavy);
}

void MainWindow::colourMarkers()
{
    const SoilResults& light = results_.light;
    const SoilResults& heavy = results_.heavy;
    lightSoil_->colourMarkers(detectorDepth(light.shallowDetectorText, "LtSD"),
                              detectorDepth(light.deepDetectorText, "LtDD"), light);
    heavySoil_->colourMarkers(detectorDepth(heavy.shallowDetectorText, "HvSD"),
                              detectorDepth(heavy.deepDetectorText, "HvDD"), heavy);
}

void MainWindow::showDeepDetectors()
{
    const bool deep = results_.rootZone.value() >= kDeepDetectorMinimumRootZone;
    soilInputs_->showDeepDetector(deep);
    lightSoil_->showDeepMarker(deep);
    heavySoil_->showDeepMarker(deep);
}

void MainWindow::setLinesAndWarnings()
{
    // Fails for root zones of 2^63 mm or more.
    const auto rootZoneLine = static_cast<double>(roundToInteger(results_.rootZone.value()));
    const double appliedDepth = results_.appliedDepth.value();
    lightSoil_->setLines(rootZoneLine, results_.light, appliedDepth);
    heavySoil_->setLines(rootZoneLine, results_.heavy, appliedDepth);
}

namespace {

DetectorFacts detectorFacts(const std::optional<std::string>& text, const char* labelName,
                            const SoilDepths& depths)
{
    return {QString::fromStdString(text.value_or(labelName)),
            detectorDepth(text, labelName) <= depths.maxDetectionDepth.value()};
}

// What one soil's chart shows; the deep detector and the 24-hour front only
// when drawn.
ChartFacts chartFacts(const QString& soilName, const ModelResults& results,
                      const SoilResults& soil, const char* shallowName, const char* deepName)
{
    ChartFacts facts;
    facts.soilName = soilName;
    facts.appliedDepthText = QString::fromStdString(results.appliedDepthText.value_or(""));
    facts.detectionDepth = soil.maxDetectionDepth.value();
    facts.shallow = detectorFacts(soil.shallowDetectorText, shallowName, soil);
    if (results.rootZone.value() >= kDeepDetectorMinimumRootZone)
        facts.deep = detectorFacts(soil.deepDetectorText, deepName, soil);
    const double front = std::max(0.0, soil.front24h.value());
    if (front >= facts.detectionDepth)
        facts.front24h = front;
    facts.rootZone = static_cast<double>(roundToInteger(results.rootZone.value()));
    facts.frontBeyondChart = soil.front24h.value() > 600;
    return facts;
}

}  // namespace

void MainWindow::describeCharts()
{
    lightSoil_->describe(
        chartFacts(u"Light textured soil"_s, results_, results_.light, "LtSD", "LtDD"));
    heavySoil_->describe(
        chartFacts(u"Heavy textured soil"_s, results_, results_.heavy, "HvSD", "HvDD"));
}

void MainWindow::placeMarkersAfterRedraws(SoilProfileView& view, const SoilResults& soil,
                                          const char* shallowName, const char* deepName)
{
    // Runs while the chart paints: a failure is shown once the paint is over.
    connect(view.chart(), &Chart::redrawn, this, [&view, &soil, shallowName, deepName] {
        try {
            view.placeMarkers(detectorDepth(soil.shallowDetectorText, shallowName),
                              detectorDepth(soil.deepDetectorText, deepName));
        } catch (...) {
            Application::reportLater(std::current_exception());
        }
    });
}

}  // namespace morvane
