#pragma once
// What the window shows, as plain text: one item a line, a tab between its
// name and its value, ready to paste into a spreadsheet or a message.
//
// In order: the five inputs under their captions; each soil of the user's
// own under its caption, with its values ("Loam, north block<TAB>Own soil in
// the light slot: field capacity 0.2, ..."); every result the window shows,
// in the order of the table of result names and under its meaning and unit
// there (a hidden result, such as the deep detector under a root zone under
// 300 mm, is left out); each warning shown; each soil's irrigation plan, its
// chart's tooltip on one line; when the user said what the detectors showed,
// the detectors' answer ("What the detectors showed<TAB>Shallow detector
// (165 mm) UP, ...", "Light textured soil, detectors' answer<TAB>Your
// detectors say ..."). With the
// default inputs:
//   Sprinkler Application Rate (mm/h)<TAB>10
//   Specify duration of irrigation (h)<TAB>2.5
//   Active Root Zone (mm)<TAB>500
//   ...
//   Applied depth (mm)<TAB>25
//   Soil water deficit (mm)<TAB>25
//   Light soil storage<TAB>29%
//   ...
//   Light textured soil<TAB>Shallow detector (165 mm) responds once 14.8 mm ...
// A warning reads "Warning<TAB>Too much water removed from soil 1". Tabs and
// line breaks inside a text become spaces, so that every line keeps
// one name and one value. Every line ends with "\n".

#include <QString>

class QWidget;

namespace morvane {

// `window` is the main window; its controls are found by their object names.
QString resultsReport(const QWidget& window);

}  // namespace morvane
