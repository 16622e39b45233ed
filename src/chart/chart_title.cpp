#include "chart_title.h"

#include "text_metrics.h"

#include <algorithm>

namespace morvane {

TChartTitle::TChartTitle()
{
    font_.OnChange = [this] { Changed(); };
}

void TChartTitle::DrawLines(QPainter& painter, int boxLeft, int boxWidth, int top) const
{
    const QFont font = font_.ToQFont();
    const int height = TextHeight(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(ToQColor(font_.Color()));
    for (const QString& line : text_) {
        const int left = boxLeft + (boxWidth - TextWidth(font, line)) / 2;
        painter.drawText(QPoint(left, top + TextAscent(font)), line);
        top += height;
    }
    painter.restore();
}

TChartRect TChartTitle::DrawAbove(QPainter* painter, const TChartRect& room) const
{
    if (!HasText() || customPosition_)
        return room;
    if (painter)
        DrawLines(*painter, room.Left, room.Width(), room.Top);
    TChartRect rest = room;
    rest.Top += TextHeight(font_.ToQFont()) * static_cast<int>(text_.size());
    return rest;
}

void TChartTitle::DrawAtPosition(QPainter& painter) const
{
    if (!HasText() || !customPosition_)
        return;
    const QFont font = font_.ToQFont();
    int widest = 0;
    for (const QString& line : text_)
        widest = std::max(widest, TextWidth(font, line));
    DrawLines(painter, left_, widest + TextWidth(font, QStringLiteral("W")), top_);
}

}  // namespace morvane
