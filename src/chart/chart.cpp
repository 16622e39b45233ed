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
        axes_[static_cast<std::size_t>(i)]->onChange = [this] { invalidate(); };
    }
    title_.onChange = [this] { invalidate(); };
    backWall_.onChange = [this] { invalidate(); };
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

void Chart::setColor(QColor color) { setProperty(color_, color); }
void Chart::setBevelOuter(PanelBevel bevel) { setProperty(bevelOuter_, bevel); }
void Chart::setBevelInner(PanelBevel bevel) { setProperty(bevelInner_, bevel); }
void Chart::setMarginTop(int percent) { setProperty(margins_.top, percent); }
void Chart::setAxisVisible(bool visible) { setProperty(axisVisible_, visible); }

bool Chart::hasActiveSeries() const
{
    return std::any_of(series_.begin(), series_.end(),
                       [](const ChartSeries* s) { return s->isActive(); });
}

bool Chart::isAxisVisible(const ChartAxis& axis) const
{
    if (!axisVisible_ || !axis.isVisible() || axis.isDepthAxis())
        return false;
    if (!hasActiveSeries())
        return true;
    return std::any_of(series_.begin(), series_.end(), [&](const ChartSeries* s) {
        return s->isActive() && s->usesAxis(axis);
    });
}

// --- series ---

QColor Chart::freePaletteColor() const
{
    for (QColor candidate : colours::seriesPalette) {
        const bool used = std::any_of(series_.begin(), series_.end(), [&](const ChartSeries* s) {
            return s->seriesColor() == candidate;
        });
        if (!used)
            return candidate;
    }
    return colours::seriesPalette[series_.size() % colours::seriesPalette.size()];
}

void Chart::addSeries(ChartSeries* series)
{
    if (!series || series->parentChart_ == this)
        return;
    if (series->parentChart_)
        series->parentChart_->removeSeries(series);
    if (series->seriesColor() == QColor())
        series->setSeriesColor(freePaletteColor());
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
    removeAllSeriesWhere([](const ChartSeries*) { return true; });
}

void Chart::removeAllSeriesWhere(const std::function<bool(const ChartSeries*)>& matches)
{
    const std::vector<ChartSeries*> snapshot = series_;
    for (ChartSeries* series : snapshot) {
        if (!matches(series))
            continue;
        detach(series);
        delete series;
    }
    invalidate();
}

// --- tools ---

ColorLine& Chart::addColorLine()
{
    auto tool = std::make_unique<ColorLine>(*this);
    tool->onChange = [this] { invalidate(); };
    ColorLine& added = *tool;
    tools_.push_back(std::move(tool));
    invalidate();
    return added;
}

void Chart::notifyTools(ChartToolEvent event, QPainter& painter)
{
    for (const auto& tool : tools_)
        if (tool->isActive())
            tool->chartEvent(event, painter, plot_);
}

// --- layout ---

void Chart::applyAxisRanges()
{
    for (auto& axis : axes_) {
        double minimum = axis->minimum();
        double maximum = axis->maximum();
        const bool autoMin = axis->automatic() || axis->automaticMinimum();
        const bool autoMax = axis->automatic() || axis->automaticMaximum();
        if (autoMin || autoMax) {
            bool found = false;
            double low = 0;
            double high = 0;
            for (const ChartSeries* series : series_) {
                double seriesLow = 0;
                double seriesHigh = 0;
                if (!series->isActive() || !series->usesAxis(*axis))
                    continue;
                const bool has = axis->horizontal() ? series->xExtent(seriesLow, seriesHigh)
                                                    : series->yExtent(seriesLow, seriesHigh);
                if (!has)
                    continue;
                low = found ? std::min(low, seriesLow) : seriesLow;
                high = found ? std::max(high, seriesHigh) : seriesHigh;
                found = true;
            }
            if (found && std::isfinite(low) && std::isfinite(high)) {
                if (autoMin)
                    minimum = low;
                if (autoMax)
                    maximum = high;
            }
        }
        axis->applyRange(minimum, std::max(minimum, maximum));
        axis->applyPixelEnds(plot_);
    }
}

ChartRect Chart::reduceByAxes(const ChartRect& plot)
{
    ChartRect working = plot;
    for (auto& axis : axes_) {
        if (!isAxisVisible(*axis))
            continue;
        const ChartRect reduced = axis->reduceRect(working);
        if (rectsOverlap(reduced, working))
            working = reduced;
    }
    return normalizePlotRect(working, width(), height());
}

void Chart::computeLayout(QPainter* painter)
{
    bounds_ = {0, 0, width(), height()};
    plot_ = plotRectFromMargins(width(), height(), borderWidth_, margins_);
    if (painter) {
        drawPanel(*painter);
        notifyTools(ChartToolEvent::BeforeDraw, *painter);
    }
    plot_ = normalizePlotRect(title_.drawAbove(painter, plot_), width(), height());
    applyAxisRanges();
    plot_ = reduceByAxes(plot_);
    for (auto& axis : axes_)
        axis->applyPixelEnds(plot_);
}

void Chart::calculateLayout() { computeLayout(nullptr); }

// --- painting ---

void Chart::drawPanel(QPainter& painter) const
{
    painter.fillRect(rect(), color_);
    auto drawBevel = [&](PanelBevel bevel, int inset) {
        if (bevel == PanelBevel::None)
            return;
        const QColor light = bevel == PanelBevel::Raised ? colours::white : colours::gray;
        const QColor dark = bevel == PanelBevel::Raised ? colours::gray : colours::white;
        const int right = width() - 1 - inset;
        const int bottom = height() - 1 - inset;
        painter.fillRect(QRect(QPoint(inset, inset), QPoint(right, inset)), light);
        painter.fillRect(QRect(QPoint(inset, inset), QPoint(inset, bottom)), light);
        painter.fillRect(QRect(QPoint(inset, bottom), QPoint(right, bottom)), dark);
        painter.fillRect(QRect(QPoint(right, inset), QPoint(right, bottom)), dark);
    };
    drawBevel(bevelOuter_, 0);
    drawBevel(bevelInner_, (bevelOuter_ == PanelBevel::None ? 0 : 1) + borderWidth_);
}

void Chart::drawAxes(QPainter& painter)
{
    for (auto& axis : axes_)
        if (isAxisVisible(*axis))
            drawAxis(painter, *axis, plot_);
}

void Chart::drawSeries(QPainter& painter) const
{
    for (const ChartSeries* series : series_) {
        if (!series->isActive())
            continue;
        if (clipPoints_)
            painter.setClipRect(QRect(plot_.left + 1, plot_.top + 1, plot_.width() - 1,
                                      plot_.height() - 1));
        series->draw(painter, plot_);
        painter.setClipping(false);
    }
}

void Chart::draw(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);

    computeLayout(&painter);
    backWall_.draw(painter, plot_);
    if (axisBehind_)
        drawAxes(painter);
    notifyTools(ChartToolEvent::BeforeSeries, painter);
    drawSeries(painter);
    if (!axisBehind_)
        drawAxes(painter);
    title_.drawAtPosition(painter);
    notifyTools(ChartToolEvent::AfterDraw, painter);

    painter.restore();
    emit redrawn();
}

void Chart::invalidate()
{
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
    if (cache_.size() != physical)
        cache_ = QPixmap(physical);
    cache_.setDevicePixelRatio(ratio);
    QPainter painter(&cache_);
    draw(painter);
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
