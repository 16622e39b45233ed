#pragma once
// What a soil chart shows, in words, for screen readers: the applied depth,
// how deep a detector can respond, each shown detector and whether it
// responds, the 24-hour front when its line is shown, the root zone, and the
// warning when the front lies beyond the chart.
//
//   "Light textured soil: 25 mm applied; the soil is wetted enough for a
//    detector to respond down to 278 mm; shallow detector at 165 mm
//    responds; deep detector at 335 mm does not respond; the wetting front
//    is at 400 mm after 24 hours; root zone 500 mm."
//
// Depths are whole millimetres in the window's number format. The facts are
// what the soil's view shows (SoilProfileView::shownFacts), so that the words
// tell what the picture draws.

#include <QString>

#include <optional>

namespace morvane {

struct DetectorFacts {
    double depth = 0;
    bool responds = false;  // its marker is red
};

struct ChartFacts {
    QString soilName;  // "Light textured soil"
    double appliedDepth = 0;
    double detectionDepth = 0;  // the band's bottom
    DetectorFacts shallow;
    std::optional<DetectorFacts> deep;  // only when its marker is shown
    std::optional<double> front24h;     // only when its line is shown
    double rootZone = 0;                // where its line is drawn
    bool frontBeyondChart = false;      // its warning is shown
};

// "shallow detector at 165 mm responds"; `position` is "shallow" or "deep".
QString detectorSentence(const QString& position, const DetectorFacts& detector);

QString chartDescription(const ChartFacts& facts);

// A depth in whole millimetres: 277.6 -> "278 mm".
QString depthInMillimetres(double depth);

}  // namespace morvane
