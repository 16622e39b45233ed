#include "label_row.h"

#include <algorithm>

#include "text_label.h"

namespace morvane {

LabelRow::LabelRow(QObject* owner, std::initializer_list<TextLabel*> labels, int rightLimit)
    : QObject(owner), rightLimit_(rightLimit)
{
    for (TextLabel* label : labels) {
        places_.push_back({label, label->x()});
        connect(label, &TextLabel::textChanged, this, &LabelRow::layOut);
    }
    layOut();
}

void LabelRow::layOut()
{
    std::vector<int> lefts;
    int right = 0;
    for (const Place& place : places_) {
        const int left =
            lefts.empty() ? place.designLeft : std::max(place.designLeft, right + kGap);
        lefts.push_back(left);
        right = left + place.label->width();
    }
    const int shift = std::clamp(right - rightLimit_, 0, lefts.front());
    for (std::size_t i = 0; i < places_.size(); ++i)
        places_[i].label->move(lefts[i] - shift, places_[i].label->y());
}

}  // namespace morvane
