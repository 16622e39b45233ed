#include "soil_inputs_page.h"

#include <optional>
#include <string>

#include "label_row.h"
#include "label_styles.h"
#include "labeled_edit.h"
#include "localised_number_text.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// The storage warnings start here: far enough left that their bold text
// ends inside the page.
constexpr int kStorageWarningLeft = 405;

// A result label: shows its own name until the first run writes its value.
// `explanation` tells a screen reader what the value means.
TextLabel* resultLabel(QWidget* page, const QString& name, QPoint position, LabelStyle style,
                       const QString& explanation)
{
    auto* label = new TextLabel(page, name, name, position, style);
    label->setAccessibleDescription(explanation);
    return label;
}

TextLabel* storageWarning(QWidget* page, const QString& name, int top, const QString& text)
{
    auto* warning = new TextLabel(page, name, text, QRect(kStorageWarningLeft, top, 0, 17),
                                  labelStyles::redBold);
    warning->setAccessibleName(text);
    warning->hide();
    return warning;
}

QString storageExplanation(const QString& soil)
{
    return u"How much of the water the "_s + soil +
           u" soil holds for the crop is left in the root zone; below 0 the crop has "
           "taken more than the soil held."_s;
}

// A negative storage is shown in red, with its warning.
void showStorageWarning(const std::optional<bool>& storageNegative, TextLabel* storage,
                        TextLabel* warning)
{
    if (!storageNegative)
        return;
    // A new palette costs more than the rest of the run's texts together.
    const QColor colour = *storageNegative ? colours::red : colours::black;
    if (storage->fontColour() != colour)
        storage->setFontColour(colour);
    warning->setVisible(*storageNegative);
}

}  // namespace

SoilInputsPage::SoilInputsPage(QWidget* parent)
    : Panel(parent, u"Panel3"_s, QRect(24, 8, 601, 161), colours::white)
{
    // The controls sit on a page inside the panel's bevel.
    auto* page = new QWidget(this);
    page->setObjectName(u"LightPage"_s);
    page->setGeometry(1, 1, 599, 135);

    rootZone_ = new LabeledEdit(page, u"Ltsdepth"_s, QRect(8, 16, 129, 19),
                                u"Active Root Zone (mm)"_s, labelStyles::bold12,
                                localisedNumberText(u"500"_s));
    cropWaterUse_ = new LabeledEdit(page, u"LtCWU"_s, QRect(8, 56, 129, 19),
                                    u"Daily Crop Water Use(mm)"_s, labelStyles::bold12,
                                    localisedNumberText(u"5"_s));
    days_ = new LabeledEdit(page, u"LtDIrrig"_s, QRect(8, 96, 129, 19),
                            u"Days Since Last irrigation"_s, labelStyles::bold12,
                            localisedNumberText(u"5"_s));

    auto* deficitCaption = new TextLabel(page, u"Label15"_s, u"Soil Water Deficit(mm)"_s,
                                         QPoint(216, 8), labelStyles::bold12);
    auto* deficit = resultLabel(
        page, u"LtSWD"_s, QPoint(368, 8), labelStyles::bold12,
        u"The water the crop has used since the soil was last at field capacity: "
        "the days since the last irrigation times the daily crop water use."_s);
    auto* lightStorageCaption = new TextLabel(page, u"Label19"_s, u"Light Soil Storage"_s,
                                              QPoint(216, 80), labelStyles::bold12);
    lightStorage_ = resultLabel(page, u"LtSTO"_s, QPoint(368, 80), labelStyles::bold,
                                storageExplanation(u"light"_s));
    auto* heavyStorageCaption = new TextLabel(page, u"Label5"_s, u"Heavy Soil Storage"_s,
                                              QPoint(216, 104), labelStyles::bold12);
    heavyStorage_ = resultLabel(page, u"Hv1STO"_s, QPoint(368, 104), labelStyles::bold,
                                storageExplanation(u"heavy"_s));
    lightStorageWarning_ =
        storageWarning(page, u"ltStoWarn"_s, 80, u"Too much water removed from soil 1"_s);
    heavyStorageWarning_ =
        storageWarning(page, u"HvSTOWarn"_s, 104, u"Too much water removed from soil 2"_s);
    heavyStorageWarning_->setBackgroundColour(colours::white);

    auto* shallowCaption = new TextLabel(page, u"Label25"_s, u"Shallow Detector"_s,
                                         QPoint(440, 8), labelStyles::bold);
    auto* shallowDepth = resultLabel(
        page, u"LtSD"_s, QPoint(544, 8), labelStyles::bold,
        u"Where to bury the shallow detector: about a third of the root zone deep."_s);
    auto* shallowUnit = new TextLabel(page, u"Label8"_s, u"mm"_s, QPoint(576, 8),
                                      labelStyles::bold);
    deepCaption_ = new TextLabel(page, u"Label26"_s, u"Deep Detector"_s, QPoint(440, 40),
                                 labelStyles::bold);
    deepDepth_ = resultLabel(
        page, u"LtDD"_s, QPoint(544, 40), labelStyles::bold,
        u"Where to bury the deep detector: about two thirds of the root zone deep."_s);
    auto* deepUnit = new TextLabel(page, u"Label9"_s, u"mm"_s, QPoint(576, 40),
                                   labelStyles::bold);

    // Long values move what follows them right, and their line left into
    // the free page right of the inputs.
    const int right = page->width();
    new LabelRow(page, {deficitCaption, deficit, shallowCaption, shallowDepth, shallowUnit},
                 right);
    new LabelRow(page, {deepCaption_, deepDepth_, deepUnit}, right);
    new LabelRow(page, {lightStorageCaption, lightStorage_, lightStorageWarning_}, right);
    new LabelRow(page, {heavyStorageCaption, heavyStorage_, heavyStorageWarning_}, right);

    // The water amounts behind the storage percentage; never shown.
    resultLabel(page, u"LtTAW"_s, QPoint(368, 56), labelStyles::plain,
                u"The water the light soil holds for the crop over the root zone."_s)
        ->hide();
    resultLabel(page, u"LtAW"_s, QPoint(368, 80), labelStyles::plain,
                u"The water left for the crop in the light soil's root zone."_s)
        ->hide();
}

QString SoilInputsPage::rootZoneText() const { return rootZone_->text(); }

QString SoilInputsPage::cropWaterUseText() const { return cropWaterUse_->text(); }

QString SoilInputsPage::daysText() const { return days_->text(); }

void SoilInputsPage::showStorageWarnings(const ModelResults& results)
{
    showStorageWarning(results.light.storageWarning, lightStorage_, lightStorageWarning_);
    showStorageWarning(results.heavy.storageWarning, heavyStorage_, heavyStorageWarning_);
}

void SoilInputsPage::showDeepDetector(bool shown)
{
    deepCaption_->setVisible(shown);
    deepDepth_->setVisible(shown);
}

}  // namespace morvane
