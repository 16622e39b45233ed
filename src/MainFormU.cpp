#include "MainFormU.h"

#include <QFile>
#include <QPushButton>
#include <QStackedWidget>

#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "application.h"
#include "colours.h"
#include "image.h"
#include "jpeg_decode.h"
#include "label.h"
#include "labeled_edit.h"
#include "legend_painter.h"
#include "localised_number_text.h"
#include "panel.h"
#include "shape.h"
#include "stretch_image.h"
#include "tab_set.h"
#include "window_font.h"

using namespace morvane;

namespace {

constexpr QSize kClientSize(862, 628);
// The deep detectors are shown only for root zones at least this deep (mm).
constexpr double kDeepDetectorMinimumRootZone = 300;

const LabelStyle kAquaBold{11, true, colours::aqua};
const LabelStyle kAquaBold13{13, true, colours::aqua};
const LabelStyle kBold11{11, true, colours::windowText};
const LabelStyle kBold12{12, true, colours::windowText};
const LabelStyle kBold13{13, true, colours::windowText};
const LabelStyle kRedBold11{11, true, colours::red};
const LabelStyle kPlain11{};
const LabelStyle kRed11{11, false, colours::red};

// The storage warnings start here on the input page: far enough left that
// their bold text ends inside the page.
constexpr int kStorageWarningLeft = 405;

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

TLabel* resultLabel(QWidget* parent, const char* name, QPoint position, LabelStyle style,
                    const char* accessibleName)
{
    auto* label = new TLabel(parent, text(name), text(name), position, style);
    label->setAccessibleName(text(accessibleName));
    return label;
}

// A warning keeps its height and gets the width its text needs.
void widenToText(TLabel* label) { label->resize(label->sizeHint().width(), label->height()); }

QWidget* notebookPage(QStackedWidget* notebook, const char* name)
{
    auto* page = new QWidget(notebook);
    page->setObjectName(text(name));
    notebook->addWidget(page);
    return page;
}

// The detector photograph stretched to `size` logical pixels, decoded only
// when the control first shows it. A picture that cannot be read or decoded
// leaves the control empty.
QImage detectorPicture(QSize size, qreal devicePixelRatio)
{
    QFile picture(text(":/pictures/detector.jpg"));
    if (!picture.open(QIODevice::ReadOnly))
        return {};
    return stretchImage(decodeJpeg(picture.readAll()), size * devicePixelRatio);
}

void showStorageWarning(const std::optional<bool>& storageNegative, TLabel* storage,
                        TLabel* warning)
{
    if (!storageNegative)
        return;
    storage->setFontColour(*storageNegative ? colours::red : colours::black);
    warning->setVisible(*storageNegative);
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
{
    createControls();
    runCreationHandler();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------- layout

void TForm1::createControls()
{
    setObjectName(text("Form1"));
    setWindowTitle(text("Morvane"));
    setFixedSize(kClientSize);
    setFont(windowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours::sand);
    setPalette(colours);
    setAutoFillBackground(true);

    Panel1 = new TPanel(this, text("Panel1"), QRect(QPoint(0, 0), kClientSize),
                        colours::sand);
    Panel2 = new TPanel(Panel1, text("Panel2"), QRect(1, 1, 860, 176), colours::teal);
    createInputPanel();
    createProfileArea();
    setKeyboardOrder();
}

void TForm1::createInputPanel()
{
    Panel3 = new TPanel(Panel2, text("Panel3"), QRect(24, 8, 601, 161), colours::white);
    Notebook1 = new QStackedWidget(Panel3);
    Notebook1->setObjectName(text("Notebook1"));
    Notebook1->setGeometry(1, 1, 599, 135);
    createLightPage(notebookPage(Notebook1, "LightPage"));
    createHeavyPage(notebookPage(Notebook1, "HeavyPage"));

    TabSet1 = new TTabSet(Panel3, text("TabSet1"), QRect(1, 136, 599, 24),
                          colours::moneyGreen);
    TabSet1->addTab(text("Soil 1"));
    TabSet1->addTab(text("Soil 2"));
    TabSet1->hide();
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int newTab) {
        TabSet1Change(newTab);
        TabSet1Click();
    });

    AppRate = new TLabeledEdit(Panel2, text("AppRate"), QRect(664, 24, 161, 19),
                               text("Sprinkler Application Rate (mm/h)"), kAquaBold,
                               localisedNumberText(text("10")));
    Duration = new TLabeledEdit(Panel2, text("Duration"), QRect(664, 80, 161, 19),
                                text("Specify duration of irrigation (h)"), kAquaBold,
                                localisedNumberText(text("2.5")));
    Label3 = new TLabel(Panel2, text("Label3"), text("You have applied:"),
                        QRect(664, 112, 121, 17), kAquaBold13);
    AppAmount = new TLabel(Panel2, text("AppAmount"), text("AppAmount"),
                           QRect(792, 112, 25, 17), {13, true, colours::white});
    AppAmount->setBackgroundColour(colours::teal);
    AppAmount->setAccessibleName(text("Applied depth (mm)"));
    Label4 = new TLabel(Panel2, text("Label4"), text("mm"), QPoint(824, 112), kAquaBold13);

    BitBtn1 = new QPushButton(text("Recalculate"), Panel2);
    BitBtn1->setObjectName(text("BitBtn1"));
    BitBtn1->setGeometry(664, 144, 161, 25);
    BitBtn1->setFont(windowFont(11));
    BitBtn1->setAccessibleName(text("Recalculate"));
    // Not a default button: Enter in an edit does not recalculate.
    BitBtn1->setAutoDefault(false);
    BitBtn1->setDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::createLightPage(QWidget* page)
{
    Ltsdepth = new TLabeledEdit(page, text("Ltsdepth"), QRect(8, 16, 129, 19),
                                text("Active Root Zone (mm)"), kBold12,
                                localisedNumberText(text("500")));
    connect(Ltsdepth, &QLineEdit::textChanged, this, &TForm1::LtsdepthChange);
    LtCWU = new TLabeledEdit(page, text("LtCWU"), QRect(8, 56, 129, 19),
                             text("Daily Crop Water Use(mm)"), kBold12,
                             localisedNumberText(text("5")));
    LtDIrrig = new TLabeledEdit(page, text("LtDIrrig"), QRect(8, 96, 129, 19),
                                text("Days Since Last irrigation"), kBold12,
                                localisedNumberText(text("5")));

    Label15 = new TLabel(page, text("Label15"), text("Soil Water Deficit(mm)"), QPoint(216, 8),
                         kBold12);
    LtSWD = resultLabel(page, "LtSWD", QPoint(368, 8), kBold12, "Soil water deficit (mm)");
    Label19 = new TLabel(page, text("Label19"), text("Light Soil Storage"), QPoint(216, 80),
                         kBold12);
    LtSTO = resultLabel(page, "LtSTO", QPoint(368, 80), kBold11, "Light soil storage");
    Label5 = new TLabel(page, text("Label5"), text("Heavy Soil Storage"), QPoint(216, 104),
                        kBold12);
    Hv1STO = resultLabel(page, "Hv1STO", QPoint(368, 104), kBold11, "Heavy soil storage");
    ltStoWarn = new TLabel(page, text("ltStoWarn"), text("Too much water removed from soil 1"),
                           QRect(kStorageWarningLeft, 80, 0, 17), kRedBold11);
    widenToText(ltStoWarn);
    ltStoWarn->setAccessibleName(ltStoWarn->text());
    ltStoWarn->hide();
    HvSTOWarn = new TLabel(page, text("HvSTOWarn"), text("Too much water removed from soil 2"),
                           QRect(kStorageWarningLeft, 104, 0, 17), kRedBold11);
    HvSTOWarn->setBackgroundColour(colours::white);
    widenToText(HvSTOWarn);
    HvSTOWarn->setAccessibleName(HvSTOWarn->text());
    HvSTOWarn->hide();

    Label25 = new TLabel(page, text("Label25"), text("Shallow Detector"), QPoint(440, 8),
                         kBold11);
    LtSD = resultLabel(page, "LtSD", QPoint(544, 8), kBold11,
                       "Light soil shallow detector depth (mm)");
    Label8 = new TLabel(page, text("Label8"), text("mm"), QPoint(576, 8), kBold11);
    Label26 = new TLabel(page, text("Label26"), text("Deep Detector"), QPoint(440, 40), kBold11);
    LtDD = resultLabel(page, "LtDD", QPoint(544, 40), kBold11,
                       "Light soil deep detector depth (mm)");
    Label9 = new TLabel(page, text("Label9"), text("mm"), QPoint(576, 40), kBold11);

    LtTAW = resultLabel(page, "LtTAW", QPoint(368, 56), kPlain11,
                        "Light soil total available water (mm)");
    LtTAW->hide();
    LtAW = resultLabel(page, "LtAW", QPoint(368, 80), kPlain11,
                       "Light soil available water (mm)");
    LtAW->hide();
}

void TForm1::createHeavyPage(QWidget* page)
{
    Hvsdepth = new TLabeledEdit(page, text("Hvsdepth"), QRect(8, 16, 129, 19),
                                text("Active Root Zone (mm)"), kBold12,
                                localisedNumberText(text("400")));
    HvCWU = new TLabeledEdit(page, text("HvCWU"), QRect(8, 56, 129, 19),
                             text("Daily Crop Water Use(mm)"), kBold12,
                             localisedNumberText(text("5")));
    HvDIrrig = new TLabeledEdit(page, text("HvDIrrig"), QRect(8, 96, 129, 19),
                                text("Days Since Last irrigation"), kBold12,
                                localisedNumberText(text("5")));

    Label10 = new TLabel(page, text("Label10"), text("Soil Water Deficit(mm)"), QPoint(216, 8),
                         kBold12);
    HvSWD = resultLabel(page, "HvSWD", QPoint(368, 8), kBold12,
                        "Heavy soil water deficit (mm)");
    HvTAW = resultLabel(page, "HvTAW", QPoint(368, 56), kPlain11,
                        "Heavy soil total available water (mm)");
    HvAW = resultLabel(page, "HvAW", QPoint(368, 80), kPlain11,
                       "Heavy soil available water (mm)");
    Label11 = new TLabel(page, text("Label11"), text("Shallow Detector:"), QPoint(440, 8),
                         kBold11);
    HvSD = resultLabel(page, "HvSD", QPoint(544, 8), kBold11,
                       "Heavy soil shallow detector depth (mm)");
    Label12 = new TLabel(page, text("Label12"), text("Deep Detector:"), QPoint(440, 40),
                         kBold11);
    HvDD = resultLabel(page, "HvDD", QPoint(544, 40), kBold11,
                       "Heavy soil deep detector depth (mm)");
}

void TForm1::createProfileArea()
{
    Label6 = new TLabel(Panel1, text("Label6"), text("Light textured soil"), QPoint(80, 176),
                        kBold13);
    Label7 = new TLabel(Panel1, text("Label7"), text("Heavy textured soil"), QPoint(264, 176),
                        kBold13);
    createSoilCharts();
    warn24h = new TLabel(Panel1, text("warn24h"), text("24h is beyond 600 mm"),
                         QRect(80, 592, 0, 13), kRed11);
    widenToText(warn24h);
    warn24h->hide();
    warn24h2 = new TLabel(Panel1, text("warn24h2"), text("24h is beyond 600 mm"),
                          QRect(272, 592, 0, 13), kRed11);
    widenToText(warn24h2);
    warn24h2->hide();

    Image1 = new TImage(Panel1, text("Image1"), QRect(424, 224, 289, 353));
    Image2 = new TImage(Panel1, text("Image2"), QRect(728, 184, 97, 417));
    Image2->setAccessibleName(text("A wetting-front detector held upright"));
    Image2->setPictureSource(detectorPicture);
}

// Drawn once; later runs leave the legend as it is.
void TForm1::createLegend() { Image1->setPictureSource(legendPicture); }

void TForm1::setKeyboardOrder()
{
    QWidget* const order[] = {Ltsdepth, LtCWU, LtDIrrig, BitBtn1, Duration, AppRate};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// ---------------------------------------------------------------- event handlers

void TForm1::runCreationHandler()
{
    TApplication::reportFailures([this] { FormCreate(); });
}

void TForm1::FormCreate()
{
    TabSet1->setCurrentIndex(1);
    TabSet1->setCurrentIndex(0);
    Panel1->setColor(colours::cream);
    recalculate();
    createLegend();
}

void TForm1::FormShow() {}
void TForm1::FormActivate() {}
void TForm1::FormResize() {}
void TForm1::LtsdepthChange() {}
void TForm1::Chart2AfterDraw() {}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::BitBtn1Click()
{
    TApplication::reportFailures([this] { recalculate(); });
}

void TForm1::TabSet1Change(int NewTab)
{
    showNotebookPage(NewTab == 1 ? text("HeavyPage") : text("LightPage"));
}

void TForm1::TabSet1Click()
{
    showNotebookPage(TabSet1->currentIndex() == 0 ? text("lightPage") : text("HeavyPage"));
}

void TForm1::showNotebookPage(const QString& pageName)
{
    for (int i = 0; i < Notebook1->count(); ++i) {
        QWidget* page = Notebook1->widget(i);
        if (page->objectName().compare(pageName, Qt::CaseInsensitive) == 0) {
            Notebook1->setCurrentWidget(page);
            return;
        }
    }
}

// ---------------------------------------------------------------- recalculation cycle

void TForm1::recalculate()
{
    runModel();
    rebuildSeries();
    colourMarkers();
    showDeepDetectors();
    setLinesAndWarnings();
}

void TForm1::runModel()
{
    const ModelInputs inputs{AppRate->text().toStdString(), Duration->text().toStdString(),
                             LtDIrrig->text().toStdString(), LtCWU->text().toStdString(),
                             Ltsdepth->text().toStdString()};
    try {
        runWettingFrontModel(inputs, results_);
    } catch (...) {
        // What the run wrote before it failed is shown all the same.
        showModelResults();
        throw;
    }
    showModelResults();
}

void TForm1::showModelResults()
{
    const ModelTexts& texts = results_.texts;
    const std::pair<const std::optional<std::string>&, TLabel*> labels[] = {
        {texts.AppAmount, AppAmount}, {texts.LtSWD, LtSWD}, {texts.HvSWD, HvSWD},
        {texts.LtTAW, LtTAW},         {texts.LtAW, LtAW},   {texts.LtSTO, LtSTO},
        {texts.LtSD, LtSD},           {texts.LtDD, LtDD},   {texts.HvTAW, HvTAW},
        {texts.HvAW, HvAW},           {texts.HvSD, HvSD},   {texts.HvDD, HvDD},
        {texts.Hv1STO, Hv1STO},
    };
    for (const auto& [modelText, label] : labels) {
        if (modelText)
            label->setText(QString::fromStdString(*modelText));
    }
    showStorageWarning(results_.ltStoWarn, LtSTO, ltStoWarn);
    showStorageWarning(results_.HvSTOWarn, Hv1STO, HvSTOWarn);
}

void TForm1::showDeepDetectors()
{
    const bool deep = results_.rootZone.value() >= kDeepDetectorMinimumRootZone;
    for (QWidget* control : {static_cast<QWidget*>(Label26), static_cast<QWidget*>(LtDD),
                             static_cast<QWidget*>(Label12), static_cast<QWidget*>(HvDD),
                             static_cast<QWidget*>(Shape2), static_cast<QWidget*>(Shape4)})
        control->setVisible(deep);
}
