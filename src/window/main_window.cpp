#include "main_window.h"

#include <QFile>
#include <QPushButton>
#include <QSettings>

#include <optional>
#include <string>

#include "application.h"
#include "chart.h"
#include "colours.h"
#include "detector_answer_view.h"
#include "detector_depth.h"
#include "failures.h"
#include "irrigation_panel.h"
#include "jpeg_decode.h"
#include "label_styles.h"
#include "labeled_edit.h"
#include "legend_painter.h"
#include "parse_number.h"
#include "picture_view.h"
#include "plan_tooltips.h"
#include "soil_caption.h"
#include "soil_chart_rules.h"
#include "soil_inputs_page.h"
#include "soil_profile_view.h"
#include "soil_settings.h"
#include "stretch_image.h"
#include "text_label.h"
#include "window_actions.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr QSize kClientSize(862, 628);

const SoilProfileDesign kLightSoilDesign{
    u"Chart1"_s, {64, 192}, u"Soil Depth (mm)"_s,
    u"Max depth of detection"_s, 21, u"Shape1"_s, 200, u"Shape2"_s, 288,
    u"warn24h"_s, {80, 592}};
const SoilProfileDesign kHeavySoilDesign{
    u"Chart2"_s, {240, 192}, u"Soil depth (mm)"_s,
    QString(), 20, u"Shape3"_s, 112, u"Shape4"_s, 232,
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
    actions_ = new WindowActions(this);
    connect(actions_, &WindowActions::soilsRequested, this, &MainWindow::chooseSoils);
    connect(actions_, &WindowActions::detectorsShowedRequested, this,
            &MainWindow::askWhatTheDetectorsShowed);
    loadStoredSoils();

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
    lightCaption_ = createSoilCaption(background_, SoilSlot::light);
    heavyCaption_ = createSoilCaption(background_, SoilSlot::heavy);
    lightSoil_ = std::make_unique<SoilProfileView>(background_, kLightSoilDesign);
    heavySoil_ = std::make_unique<SoilProfileView>(background_, kHeavySoilDesign);

    legend_ = new PictureView(background_, u"Image1"_s, QRect(424, 224, 289, 353));
    legend_->setAccessibleName(u"Legend"_s);
    legend_->setAccessibleDescription(legendInWords());
    detectorPhoto_ = new PictureView(background_, u"Image2"_s, QRect(728, 184, 97, 417));
    detectorPhoto_->setAccessibleName(u"A wetting-front detector held upright"_s);
    detectorPhoto_->setPictureSource(detectorPicture);
    // Above the legend's empty lower part.
    detectorAnswer_ = new DetectorAnswerView(background_);
}

void MainWindow::setKeyboardOrder()
{
    QWidget* const order[] = {soilInputs_->rootZoneEdit(), soilInputs_->cropWaterUseEdit(),
                              soilInputs_->daysEdit(),     irrigation_->recalculateButton(),
                              irrigation_->durationEdit(), irrigation_->rateEdit()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void MainWindow::loadStoredSoils()
{
    QSettings settings(QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    QStringList problems;
    soils_ = loadSoils(settings, problems);
    showSoilCaptions();
    // One box for both slots, shown as the application shows any failure.
    if (!problems.isEmpty())
        Application::reportFailures(
            [&problems] { throw Exception(problems.join(u' ').toStdString()); });
}

void MainWindow::chooseSoils()
{
    const std::optional<WindowSoils> chosen = actions_->dialogs().chooseSoils(this, soils_);
    if (!chosen)
        return;
    soils_ = *chosen;
    QSettings settings(QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    if (!storeSoils(settings, soils_))
        actions_->dialogs().showFailure(
            this, actions_->failureCaption(),
            u"The soils are in use, but they could not be kept for the next start: "_s +
                settings.fileName() + u" cannot be written."_s);
    showSoilCaptions();
    Application::reportFailures([this] { recalculate(); });
}

void MainWindow::showSoilCaptions()
{
    for (const SoilSlot slot : kSoilSlots) {
        TextLabel* caption = slot == SoilSlot::light ? lightCaption_ : heavyCaption_;
        const std::optional<OwnSoil>& soil = soils_.in(slot);
        showSoilCaption(*caption, slot, soilCaption(slot, soil), soil.has_value());
        caption->setToolTip(soil ? soilValuesDescription(slot, *soil) : QString());
    }
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
    detectorAnswer_->showRun(results_, soilCaption(SoilSlot::light, soils_.light),
                             soilCaption(SoilSlot::heavy, soils_.heavy));
}

void MainWindow::askWhatTheDetectorsShowed()
{
    const std::optional<DetectorQuestion> question = detectorAnswer_->question();
    if (!question)
        return;  // no run has succeeded yet
    if (const auto showed = actions_->dialogs().askDetectorsShowed(this, *question))
        detectorAnswer_->setShowed(*showed);
}

void MainWindow::runModel()
{
    const ModelInputs inputs{irrigation_->rateText().toStdString(),
                             irrigation_->durationText().toStdString(),
                             soilInputs_->daysText().toStdString(),
                             soilInputs_->cropWaterUseText().toStdString(),
                             soilInputs_->rootZoneText().toStdString(),
                             modelSoils(soils_)};
    try {
        runWettingFrontModel(inputs, results_);
    } catch (...) {
        // What the run wrote before it failed is shown all the same.
        showModelResults();
        throw;
    }
    showModelResults();
}

// Each label that shows a result carries the result's name as its object
// name, and is read out with the result's meaning and unit.
void MainWindow::findResultLabels()
{
    for (std::size_t i = 0; i < kResultTexts.size(); ++i) {
        const ResultText& result = kResultTexts[i];
        resultLabels_[i] = findChild<TextLabel*>(QLatin1StringView(result.name));
        if (resultLabels_[i] != nullptr)
            resultLabels_[i]->setSpokenMeaning(QString::fromLatin1(result.meaning),
                                               QString::fromLatin1(result.unit));
    }
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
    const double rootZoneLine = rootZoneLineDepth(results_.rootZone.value());
    const double appliedDepth = results_.appliedDepth.value();
    lightSoil_->setLines(rootZoneLine, results_.light, appliedDepth);
    heavySoil_->setLines(rootZoneLine, results_.heavy, appliedDepth);
}

void MainWindow::describeCharts()
{
    lightSoil_->describe(soilCaption(SoilSlot::light, soils_.light));
    heavySoil_->describe(soilCaption(SoilSlot::heavy, soils_.heavy));
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
