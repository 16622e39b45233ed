#pragma once
// Reading lines and bands off a grabbed picture: runs of consecutive pixels
// of one colour along a column or a row, as (first, last) pairs.

#include <QColor>
#include <QImage>
#include <QList>

#include <utility>

using Runs = QList<std::pair<int, int>>;

namespace pixel_runs_detail {
inline void extend(Runs& runs, int at)
{
    if (!runs.isEmpty() && runs.back().second == at - 1)
        runs.back().second = at;
    else
        runs.append({at, at});
}
}  // namespace pixel_runs_detail

// Runs of consecutive rows in column x whose colour is `colour`.
inline Runs rowRuns(const QImage& image, int x, QColor colour)
{
    Runs runs;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour)
            pixel_runs_detail::extend(runs, y);
    return runs;
}

// Runs of consecutive columns in row y whose colour is `colour`.
inline Runs columnRuns(const QImage& image, int y, QColor colour)
{
    Runs runs;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour)
            pixel_runs_detail::extend(runs, x);
    return runs;
}

// Text and frame pixels: dark whatever the anti-aliasing.
inline bool isDark(QColor colour) { return colour.lightness() < 96; }
