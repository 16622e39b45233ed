#include "chart.h"

#include "axis_painter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace morvane {

TChart::TChart(QWidget* parent) : QWidget(parent)
{
    const TAxisPlace places[AxisCount] = {TAxisPlace::Bottom, TAxisPlace::Top, TAxisPlace::Left,
                                          TAxisPlace::Right, TAxisPlace::Depth};
    for (int i = 0; i < AxisCount; ++i) {
        axes_[static_cast<std::size_t>(i)] = std::make_unique<TChartAxis>(places[i]);
        axes_[static_cast<std::size_t>(i)]->OnChange = [this] { Invalidate(); };
    }
    title_.OnChange = [this] { Invalidate(); };
    backWall_.OnChange = [this] { Invalidate(); };
    // The picture covers the whole panel, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 250);
}

TChart::~TChart()
{
    // The series belong to their owners; they only forget this chart.
    while (!series_.empty())
        Detach(series_.front());
}

void TChart::SetColor(TColor color) { SetProperty(color_, color); }
void TChart::SetBevelOuter(TPanelBevel bevel) { SetProperty(bevelOuter_, bevel); }
void TChart::SetBevelInner(TPanelBevel bevel) { SetProperty(bevelInner_, bevel); }
void TChart::SetBorderWidth(int width) { SetProperty(borderWidth_, std::max(width, 0)); }
void TChart::SetMarginLeft(int percent) { SetProperty(margins_.Left, percent); }
void TChart::SetMarginTop(int percent) { SetProperty(margins_.Top, percent); }
void TChart::SetMarginRight(int percent) { SetProperty(margins_.Right, percent); }
void TChart::SetMarginBottom(int percent) { SetProperty(margins_.Bottom, percent); }
void TChart::SetAxisVisible(bool visible) { SetProperty(axisVisible_, visible); }
void TChart::SetAxisBehind(bool behind) { SetProperty(axisBehind_, behind); }
void TChart::SetClipPoints(bool clip) { SetProperty(clipPoints_, clip); }

bool TChart::HasActiveSeries() const
{
    return std::any_of(series_.begin(), series_.end(),
                       [](const TChartSeries* s) { return s->Active(); });
}

bool TChart::IsAxisVisible(const TChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible() || axis.IsDepthAxis())
        return false;
    if (!HasActiveSeries())
        return true;
    return std::any_of(series_.begin(), series_.end(), [&](const TChartSeries* s) {
        return s->Active() && s->UsesAxis(axis);
    });
}

// --- series ---

TColor TChart::FreePaletteColor() const
{
    for (TColor candidate : DefaultSeriesPalette) {
        const bool used = std::any_of(series_.begin(), series_.end(), [&](const TChartSeries* s) {
            return s->SeriesColor() == candidate;
        });
        if (!used)
            return candidate;
    }
    return DefaultSeriesPalette[series_.size() % DefaultSeriesPalette.size()];
}

void TChart::AddSeries(TChartSeries* series)
{
    if (!series || series->parentChart_ == this)
        return;
    if (series->parentChart_)
        series->parentChart_->RemoveSeries(series);
    if (series->SeriesColor() == clDefault)
        series->SetSeriesColor(FreePaletteColor());
    series_.push_back(series);
    series->parentChart_ = this;
    series->OnChange = [this] { Invalidate(); };
    Invalidate();
}

void TChart::Detach(TChartSeries* series)
{
    series_.erase(std::remove(series_.begin(), series_.end(), series), series_.end());
    series->parentChart_ = nullptr;
    series->OnChange = nullptr;
}

void TChart::RemoveSeries(TChartSeries* series)
{
    if (!series || series->parentChart_ != this)
        return;
    Detach(series);
    Invalidate();
}

void TChart::RemoveAllSeries()
{
    RemoveAllSeriesWhere([](const TChartSeries*) { return true; });
}

void TChart::RemoveAllSeriesWhere(const std::function<bool(const TChartSeries*)>& matches)
{
    const std::vector<TChartSeries*> snapshot = series_;
    for (TChartSeries* series : snapshot) {
        if (!matches(series))
            continue;
        Detach(series);
        delete series;
    }
    Invalidate();
}

// --- tools ---

TColorLineTool& TChart::AddColorLineTool()
{
    auto tool = std::make_unique<TColorLineTool>(*this);
    tool->OnChange = [this] { Invalidate(); };
    TColorLineTool& added = *tool;
    tools_.push_back(std::move(tool));
    Invalidate();
    return added;
}

void TChart::NotifyTools(TChartToolEvent event, QPainter& painter)
{
    for (const auto& tool : tools_)
        if (tool->Active())
            tool->ChartEvent(event, painter, plot_);
}

// --- layout ---

void TChart::ApplyAxisRanges()
{
    for (auto& axis : axes_) {
        double minimum = axis->Minimum();
        double maximum = axis->Maximum();
        const bool autoMin = axis->Automatic() || axis->AutomaticMinimum();
        const bool autoMax = axis->Automatic() || axis->AutomaticMaximum();
        if (autoMin || autoMax) {
            bool found = false;
            double low = 0;
            double high = 0;
            for (const TChartSeries* series : series_) {
                double seriesLow = 0;
                double seriesHigh = 0;
                if (!series->Active() || !series->UsesAxis(*axis))
                    continue;
                const bool has = axis->Horizontal() ? series->XExtent(seriesLow, seriesHigh)
                                                    : series->YExtent(seriesLow, seriesHigh);
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
        axis->ApplyRange(minimum, std::max(minimum, maximum));
        axis->ApplyPixelEnds(plot_);
    }
}

TChartRect TChart::ReduceByAxes(const TChartRect& plot)
{
    TChartRect working = plot;
    for (auto& axis : axes_) {
        if (!IsAxisVisible(*axis))
            continue;
        const TChartRect reduced = axis->ReduceRect(working);
        if (RectsOverlap(reduced, working))
            working = reduced;
    }
    return NormalizePlotRect(working, width(), height());
}

void TChart::ComputeLayout(QPainter* painter)
{
    bounds_ = {0, 0, width(), height()};
    plot_ = PlotRectFromMargins(width(), height(), borderWidth_, margins_);
    if (painter) {
        DrawPanel(*painter);
        NotifyTools(TChartToolEvent::BeforeDraw, *painter);
    }
    plot_ = NormalizePlotRect(title_.DrawAbove(painter, plot_), width(), height());
    ApplyAxisRanges();
    plot_ = ReduceByAxes(plot_);
    for (auto& axis : axes_)
        axis->ApplyPixelEnds(plot_);
}

void TChart::CalculateLayout() { ComputeLayout(nullptr); }

// --- painting ---

void TChart::DrawPanel(QPainter& painter) const
{
    painter.fillRect(rect(), ToQColor(color_));
    auto drawBevel = [&](TPanelBevel bevel, int inset) {
        if (bevel == bvNone)
            return;
        const QColor light = ToQColor(bevel == bvRaised ? clWhite : clGray);
        const QColor dark = ToQColor(bevel == bvRaised ? clGray : clWhite);
        const int right = width() - 1 - inset;
        const int bottom = height() - 1 - inset;
        painter.fillRect(QRect(QPoint(inset, inset), QPoint(right, inset)), light);
        painter.fillRect(QRect(QPoint(inset, inset), QPoint(inset, bottom)), light);
        painter.fillRect(QRect(QPoint(inset, bottom), QPoint(right, bottom)), dark);
        painter.fillRect(QRect(QPoint(right, inset), QPoint(right, bottom)), dark);
    };
    drawBevel(bevelOuter_, 0);
    drawBevel(bevelInner_, (bevelOuter_ == bvNone ? 0 : 1) + borderWidth_);
}

void TChart::DrawAxes(QPainter& painter)
{
    for (auto& axis : axes_)
        if (IsAxisVisible(*axis))
            DrawAxis(painter, *axis, plot_);
}

void TChart::DrawSeries(QPainter& painter) const
{
    for (const TChartSeries* series : series_) {
        if (!series->Active())
            continue;
        if (clipPoints_)
            painter.setClipRect(QRect(plot_.Left + 1, plot_.Top + 1, plot_.Width() - 1,
                                      plot_.Height() - 1));
        series->Draw(painter, plot_);
        painter.setClipping(false);
    }
}

void TChart::Draw(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);

    ComputeLayout(&painter);
    backWall_.Draw(painter, plot_);
    if (axisBehind_)
        DrawAxes(painter);
    NotifyTools(TChartToolEvent::BeforeSeries, painter);
    DrawSeries(painter);
    if (!axisBehind_)
        DrawAxes(painter);
    title_.DrawAtPosition(painter);
    NotifyTools(TChartToolEvent::AfterDraw, painter);

    painter.restore();
    if (OnAfterDraw)
        OnAfterDraw(this);
}

void TChart::Invalidate()
{
    needsFullRedraw_ = true;
    update();
}

void TChart::RedrawCache()
{
    // Cleared first: a change made while drawing (or by OnAfterDraw) asks
    // for another full redraw instead of being lost.
    needsFullRedraw_ = false;
    const qreal ratio = devicePixelRatioF();
    const QSize physical(qRound(width() * ratio), qRound(height() * ratio));
    if (cache_.size() != physical)
        cache_ = QPixmap(physical);
    cache_.setDevicePixelRatio(ratio);
    QPainter painter(&cache_);
    Draw(painter);
}

QImage TChart::RenderToImage()
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    Draw(painter);
    return image;
}

void TChart::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize physical(qRound(width() * ratio), qRound(height() * ratio));
    if (needsFullRedraw_ || cache_.isNull() || cache_.size() != physical ||
        cache_.devicePixelRatio() != ratio)
        RedrawCache();
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
}

void TChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Invalidate();
}

}  // namespace morvane
