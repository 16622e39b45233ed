#include "soil_caption.h"

#include <QFontMetrics>

#include <algorithm>

#include "label_styles.h"
#include "own_soil.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// Where a caption stands with the built-in soil, and how far it may reach.
struct CaptionRoom {
    QPoint place;
    int left;
    int right;  // one past the last column it may cover
};

constexpr int kLargestSize = 13;
constexpr int kSmallestSize = 8;

CaptionRoom room(SoilSlot slot)
{
    // 8 pixels short of the heavy soil's caption, and of the photograph (at 728).
    return slot == SoilSlot::light ? CaptionRoom{{80, 176}, 8, 256} : CaptionRoom{{264, 176}, 264, 720};
}

QString objectName(SoilSlot slot) { return slot == SoilSlot::light ? u"Label6"_s : u"Label7"_s; }

}  // namespace

TextLabel* createSoilCaption(QWidget* parent, SoilSlot slot)
{
    return new TextLabel(parent, objectName(slot), soilCaption(slot, std::nullopt), room(slot).place,
                         labelStyles::bold13);
}

void showSoilCaption(TextLabel& caption, SoilSlot slot, const QString& text, bool ownSoil)
{
    const CaptionRoom where = room(slot);
    int size = kLargestSize;
    caption.setFont(windowFont(size, true));
    caption.setText(text);
    while (ownSoil && size > kSmallestSize && caption.width() > where.right - where.left) {
        caption.setFont(windowFont(--size, true));  // the label refits itself
    }
    QPoint place = where.place;
    if (place.x() + caption.width() > where.right)
        place.setX(std::max(where.left, where.right - caption.width()));
    // Smaller text keeps its middle where the built-in caption has it.
    const auto lineHeight = [](int pixels) { return QFontMetrics(windowFont(pixels, true)).height(); };
    place.ry() += (lineHeight(kLargestSize) - lineHeight(size)) / 2;
    caption.move(place);
}

}  // namespace morvane
