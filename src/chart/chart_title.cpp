#include "chart_title.h"

#include "text_metrics.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane {

ChartTitle::ChartTitle()
{
    font_.onChange = [this] { changed(); };
}

void ChartTitle::drawLines(QPainter& painter, int boxLeft, int boxWidth, int top) const
{
    const QFont font = font_.toQFont();
    const int height = textHeight(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(font_.color());
    for (const QString& line : text_) {
        const int left = boxLeft + (boxWidth - textWidth(font, line)) / 2;
        painter.drawText(QPoint(left, top + textAscent(font)), line);
        top += height;
    }
    painter.restore();
}

ChartRect ChartTitle::drawAbove(QPainter* painter, const ChartRect& room) const
{
    if (!hasText() || customPosition_)
        return room;
    if (painter)
        drawLines(*painter, room.left, room.width(), room.top);
    ChartRect rest = room;
    rest.top += textHeight(font_.toQFont()) * static_cast<int>(text_.size());
    return rest;
}

void ChartTitle::drawAtPosition(QPainter& painter) const
{
    if (!hasText() || !customPosition_)
        return;
    const QFont font = font_.toQFont();
    int widest = 0;
    for (const QString& line : text_)
        widest = std::max(widest, textWidth(font, line));
    drawLines(painter, left_, widest + textWidth(font, u"W"_s), top_);
}

}  // namespace morvane
