#include "legend_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>

#include "colours.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

namespace {

constexpr int kSymbolLeft = 5;
constexpr int kTextLeft = 20;

// Top to bottom. The texts beside the two lines begin with a space.
const QString kEntryTexts[] = {
    u"Irrigation Amount"_s,
    u"Sentrel float DOWN"_s,
    u"Sentrel float UP"_s,
    u"Zone where Sentrel will be tripped"_s,
    u" Position of wetting front at 24 hr after irrigation"_s,
    u" Limit of active root zone"_s,
};

// Each symbol fills the 10 x 10 box centred on (10, centreY).
QRect symbolBox(int centreY) { return QRect(kSymbolLeft, centreY - 5, 10, 10); }

// The frame's left edge is column 0, kSymbolLeft columns left of the
// symbols; its right edge stands as far right of the longest text's last
// pixel.
int frameRight(const QFontMetrics& metrics)
{
    int textRight = 0;
    for (const QString& text : kEntryTexts)
        textRight = std::max(textRight, kTextLeft + metrics.tightBoundingRect(text).right());
    return textRight + kSymbolLeft;
}

// Text with its top-left corner at `topLeft`, on a cream background.
void drawEntryText(QPainter& painter, QPoint topLeft, const QString& text)
{
    painter.setPen(colours::windowText);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(colours::cream);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
    painter.setBackgroundMode(Qt::TransparentMode);
}

// A 3-pixel line along row y from column x0 up to, not including, x1: rows
// y - 1 .. y + 1 with square-cut ends. Wide lines are solid whatever the
// pen's dash style.
void drawThickLine(QPainter& painter, QColor colour, int x0, int x1, int y)
{
    painter.fillRect(QRect(x0, y - 1, x1 - x0, 3), colour);
}

// A dotted 1-pixel frame through (0, 0), (0, bottom), (right, bottom),
// (right, 0): every other pixel of the way round, starting at (0, 0).
// Each dot fills its whole pixel square, so on a screen with several device
// pixels per pixel the dots grow with the lines around them.
void drawDottedFrame(QPainter& painter, int right, int bottom)
{
    int step = 0;
    auto dot = [&](int x, int y) {
        if (step++ % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), colours::black);
    };
    for (int y = 0; y < bottom; ++y)
        dot(0, y);
    for (int x = 0; x < right; ++x)
        dot(x, bottom);
    for (int y = bottom; y > 0; --y)
        dot(right, y);
    for (int x = right; x > 0; --x)
        dot(x, 0);
}

}  // namespace

void paintLegend(QPainter& painter, QSize size)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(windowFont(11));
    painter.fillRect(QRect(QPoint(0, 0), size), colours::cream);

    painter.fillRect(symbolBox(30), colours::fuchsia);
    drawEntryText(painter, QPoint(kTextLeft, 25), kEntryTexts[0]);

    // The detector dots have no outline of their own.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::yellow);
    painter.drawEllipse(symbolBox(50));
    drawEntryText(painter, QPoint(kTextLeft, 45), kEntryTexts[1]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::red);
    painter.drawEllipse(symbolBox(70));
    drawEntryText(painter, QPoint(kTextLeft, 65), kEntryTexts[2]);

    painter.fillRect(symbolBox(90), colours::blue);
    drawEntryText(painter, QPoint(kTextLeft, 85), kEntryTexts[3]);

    drawThickLine(painter, colours::green, 0, 18, 110);
    drawEntryText(painter, QPoint(kTextLeft, 105), kEntryTexts[4]);
    drawThickLine(painter, colours::yellow, 2, 15, 130);
    drawEntryText(painter, QPoint(kTextLeft, 125), kEntryTexts[5]);

    drawDottedFrame(painter, frameRight(painter.fontMetrics()), 180);
}

QString legendInWords()
{
    QStringList texts;
    for (const QString& text : kEntryTexts)
        texts << text.trimmed();
    return texts.join(u"; "_s);
}

QImage legendPicture(QSize size, qreal devicePixelRatio)
{
    QImage picture(size * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    paintLegend(painter, size);
    return picture;
}

}  // namespace morvane
