#pragma once
// Labels side by side on one line: a caption, a value and what follows the
// value ("mm", a warning). The line keeps its design places while its texts
// fit them. When a value outgrows its place, the labels after it move right,
// each starting kGap pixels after the one before; when the line would then
// pass `rightLimit`, the whole line moves left as far as it must, at the
// most to the parent's left edge. So no text runs out of its parent, and a
// value overlaps nothing as long as the room left of the line allows: the
// window leaves room for an applied depth of nine digits, storages such as
// "-100829%" and detector depths of six digits.
//
// "You have applied:" at 664 (121 wide), the depth at 792, "mm" at 824
// (24 wide), right limit 856:
//   depth "25" (25 wide, its box)   -> 664, 792, 824   the design places
//   depth "14850" (35 wide)         -> 664, 792, 831   "mm" moved right
//   depth "1000000" (49 wide)       -> 651, 779, 832   the line moved left

#include <QObject>

#include <initializer_list>
#include <vector>

namespace morvane {

class TextLabel;

class LabelRow : public QObject {
public:
    static constexpr int kGap = 4;

    // `labels` from left to right, at their design places. The line is laid
    // out again whenever one of their texts changes.
    LabelRow(QObject* owner, std::initializer_list<TextLabel*> labels, int rightLimit);

    void layOut();

private:
    struct Place {
        TextLabel* label;
        int designLeft;
    };
    std::vector<Place> places_;
    int rightLimit_;
};

}  // namespace morvane
