#include "irrigation_panel.h"

#include "colours.h"
#include "focus_ring_button.h"
#include "label_row.h"
#include "label_styles.h"
#include "labeled_edit.h"
#include "localised_number_text.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

IrrigationPanel::IrrigationPanel(QWidget* parent)
    : Panel(parent, u"Panel2"_s, QRect(1, 1, 860, 176), colours::teal)
{
    rate_ = new LabeledEdit(this, u"AppRate"_s, QRect(664, 24, 161, 19),
                            u"Sprinkler Application Rate (mm/h)"_s, labelStyles::aquaBold,
                            localisedNumberText(u"10"_s));
    duration_ = new LabeledEdit(this, u"Duration"_s, QRect(664, 80, 161, 19),
                                u"Specify duration of irrigation (h)"_s, labelStyles::aquaBold,
                                localisedNumberText(u"2.5"_s));
    auto* caption = new TextLabel(this, u"Label3"_s, u"You have applied:"_s,
                                  QRect(664, 112, 121, 17), labelStyles::aquaBold13);
    // Shows its design text until the first run writes the depth.
    auto* appliedDepth = new TextLabel(this, u"AppAmount"_s, u"AppAmount"_s,
                                       QRect(792, 112, 25, 17), labelStyles::whiteBold13);
    appliedDepth->setBackgroundColour(colours::teal);
    appliedDepth->setAccessibleDescription(
        u"The depth of water this irrigation applies: the application rate times the "
        "duration, rounded to a whole millimetre."_s);
    auto* unit = new TextLabel(this, u"Label4"_s, u"mm"_s, QPoint(824, 112),
                               labelStyles::aquaBold13);
    // A long depth takes the line to the panel's right margin and then moves
    // it left, into the free teal right of the soil inputs page.
    new LabelRow(this, {caption, appliedDepth, unit}, width() - LabelRow::kGap);

    recalculate_ = new FocusRingButton(u"Recalculate"_s, this);
    recalculate_->setObjectName(u"BitBtn1"_s);
    recalculate_->setGeometry(664, 144, 161, 25);
    recalculate_->setFont(windowFont(11));
    recalculate_->setAccessibleName(u"Recalculate"_s);
    // Not a default button: Enter in an edit does not recalculate.
    recalculate_->setAutoDefault(false);
    recalculate_->setDefault(false);
}

QString IrrigationPanel::rateText() const { return rate_->text(); }

QString IrrigationPanel::durationText() const { return duration_->text(); }
}  // namespace morvane
