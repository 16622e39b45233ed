#include "chart.h"

#include "axis_painter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace morvane {

Chart::Chart(QWidget* parent) : QWidget(parent)
{
    const AxisPlace places[AxisCount] = {AxisPlace::Bottom, AxisPlace::Top, AxisPlace::Left,
                                          AxisPlace::Right, AxisPlace::Depth};
    for (int i = 0; i < AxisCount; ++i) {
        axes_[static_cast<std::size_t>(i)] = std::make_unique<ChartAxis>(places[i]);
        axes_[static_cast<std::size_t>(i)]->onChange = [this] { invalidateBackground(); };
    }
    backWall_.onChange = [this] { invalidateBackground(); };
    // The picture covers the whole panel, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 250);
}

Chart::~Chart()
{
    // The series belong to their owners; they only forget this chart.
    while (!series_.empty())
        detach(series_.front());
}

void Chart::setColor(QColor color)
{
    if (color != color_)
        backgroundStale_ = true;
    setProperty(color_, color);
}

void Chart::setMarginTop(int percent)
{
    if (percent != margins_.top)
        backgroundStale_ = true;
    setProperty(margins_.top, percent);
}

bool Chart::hasActiveSeries() const
{
    return std::any_of(series_.begin(), series_.end(),
                       [](const ChartSeries* s) { return s->isActive(); });
}

bool Chart::isAxisVisible(const ChartAxis& axis) const
{
    if (!axis.isVisible() || axis.isDepthAxis())
        return false;
    if (!hasActiveSeries())
        return true;
    return std::any_of(series_.begin(), series_.end(), [&](const ChartSeries* s) {
        return s->isActive() && s->usesAxis(axis);
    });
}

// --- series ---

void Chart::addSeries(ChartSeries* series)
{
    if (!series || series->parentChart_ == this)
        return;
    if (series->parentChart_)
        series->parentChart_->removeSeries(series);
    series_.push_back(series);
    series->parentChart_ = this;
    series->onChange = [this] { invalidate(); };
    invalidate();
}

void Chart::detach(ChartSeries* series)
{
    series_.erase(std::remove(series_.begin(), series_.end(), series), series_.end());
    series->parentChart_ = nullptr;
    series->onChange = nullptr;
}

void Chart::removeSeries(ChartSeries* series)
{
    if (!series || series->parentChart_ != this)
        return;
    detach(series);
    invalidate();
}

void Chart::removeAllSeries()
{
    while (!series_.empty()) {
        ChartSeries* series = series_.front();
        detach(series);
        delete series;
    }
    invalidate();
}

// --- colour lines ---

ColorLine& Chart::addColorLine()
{
    auto line = std::make_unique<ColorLine>(*this);
    line->onChange = [this] { invalidate(); };
    ColorLine& added = *line;
    colorLines_.push_back(std::move(line));
    invalidate();
    return added;
}

// --- layout ---

const ChartLayout& Chart::layOut() const
{
    if (!currentLayout_ || currentLayoutSize_ != size()) {
        currentLayout_ = computeLayout();
        currentLayoutSize_ = size();
    }
    return *currentLayout_;
}

ChartLayout Chart::computeLayout() const
{
    ChartLayout layout;
    layout.bounds = {0, 0, width(), height()};
    const ChartRect margins = plotRectFromMargins(width(), height(), 0, margins_);

    // Each axis measures its labels on its scale over the plot rectangle
    // before any axis takes room, then takes its room in list order.
    ChartRect working = margins;
    for (std::size_t i = 0; i < axes_.size(); ++i)
        layout.axes[i].scale = axes_[i]->scaleOn(margins);
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        if (!isAxisVisible(*axes_[i]))
            continue;
        const ChartRect reduced =
            axes_[i]->reduceRect(working, layout.axes[i].scale, layout.axes[i].columns);
        if (rectsOverlap(reduced, working))
            working = reduced;
    }
    layout.plot = normalizePlotRect(working, width(), height());
    for (std::size_t i = 0; i < axes_.size(); ++i)
        layout.axes[i].scale = axes_[i]->scaleOn(layout.plot);
    return layout;
}

AxisMap Chart::axisMap(int index) const
{
    return layOut().axes.at(static_cast<std::size_t>(index)).scale.map;
}

void Chart::applyLayout(const ChartLayout& layout)
{
    bounds_ = layout.bounds;
    plot_ = layout.plot;
    for (std::size_t i = 0; i < axes_.size(); ++i)
        axes_[i]->applyLayout(layout.axes[i].scale, layout.axes[i].columns);
}

// --- painting ---

void Chart::drawAxes(QPainter& painter)
{
    for (auto& axis : axes_)
        if (isAxisVisible(*axis))
            drawAxis(painter, *axis, plot_);
}

void Chart::drawSeries(QPainter& painter) const
{
    // Clipped to the plot interior, inside the back wall's frame.
    for (const ChartSeries* series : series_) {
        if (!series->isActive())
            continue;
        painter.setClipRect(QRect(plot_.left + 1, plot_.top + 1, plot_.width() - 1,
                                  plot_.height() - 1));
        series->draw(painter, plot_);
        painter.setClipping(false);
    }
}

// The panel, the back wall and the axes: what lies under the series and
// the colour lines.
void Chart::drawBackground(QPainter& painter)
{
    painter.fillRect(rect(), color_);
    backWall_.draw(painter, plot_);
    drawAxes(painter);
}

void Chart::drawForeground(QPainter& painter) const
{
    drawSeries(painter);
    for (const auto& line : colorLines_)
        if (line->isActive())
            line->draw(painter, plot_);
}

namespace {

void beginPicture(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
}

}  // namespace

void Chart::draw(QPainter& painter)
{
    beginPicture(painter);
    applyLayout(layOut());
    drawBackground(painter);
    drawForeground(painter);
    painter.restore();
    emit redrawn();
}

Chart::BackgroundKey Chart::backgroundKey(QSize physical, qreal ratio) const
{
    BackgroundKey key{physical, ratio, plot_, {}};
    for (std::size_t i = 0; i < axes_.size(); ++i)
        key.visibleAxes[i] = isAxisVisible(*axes_[i]);
    return key;
}

void Chart::refreshBackground(QSize physical, qreal ratio)
{
    const BackgroundKey key = backgroundKey(physical, ratio);
    if (!backgroundStale_ && key == backgroundKey_ && !background_.isNull())
        return;
    background_ = QPixmap(physical);
    background_.setDevicePixelRatio(ratio);
    QPainter painter(&background_);
    beginPicture(painter);
    drawBackground(painter);
    painter.restore();
    backgroundKey_ = key;
    backgroundStale_ = false;
}

void Chart::invalidateBackground()
{
    backgroundStale_ = true;
    invalidate();
}

void Chart::invalidate()
{
    currentLayout_.reset();
    needsFullRedraw_ = true;
    update();
}

void Chart::redrawCache()
{
    // Cleared first: a change made while drawing (or by a handler of redrawn()) asks
    // for another full redraw instead of being lost.
    needsFullRedraw_ = false;
    const qreal ratio = devicePixelRatioF();
    const QSize physical(qRound(width() * ratio), qRound(height() * ratio));
    applyLayout(layOut());
    // The panel, wall and axes change far less often than the series and
    // lines over them: they are kept as a picture of their own, and a full
    // redraw starts from a copy of it (the same pixels draw() paints).
    refreshBackground(physical, ratio);
    cache_ = background_;
    QPainter painter(&cache_);
    beginPicture(painter);
    drawForeground(painter);
    painter.restore();
    painter.end();
    emit redrawn();
}

QImage Chart::renderToImage()
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void Chart::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize physical(qRound(width() * ratio), qRound(height() * ratio));
    if (needsFullRedraw_ || cache_.isNull() || cache_.size() != physical ||
        cache_.devicePixelRatio() != ratio)
        redrawCache();
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
}

void Chart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    invalidate();
}

}  // namespace morvane
