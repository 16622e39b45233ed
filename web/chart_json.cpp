#include "chart_json.h"

#include "json_text.h"

namespace morvane::web {

namespace {

using calc::appendJsonNumber;
using calc::JsonObject;

void appendInteger(std::string& out, int value) { out += std::to_string(value); }
void appendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

void appendBox(std::string& out, const PixelBox& box)
{
    JsonObject object(out);
    appendInteger(object.key("left"), box.left);
    appendInteger(object.key("top"), box.top);
    appendInteger(object.key("width"), box.width);
    appendInteger(object.key("height"), box.height);
}

void appendLine(std::string& out, const ColourLine& line)
{
    JsonObject object(out);
    appendJsonNumber(object.key("depth"), line.depth);
    appendInteger(object.key("row"), line.row);
    appendInteger(object.key("width"), line.width);
    appendBool(object.key("shown"), line.shown);
    appendBox(object.key("box"), line.box);
}

void appendBand(std::string& out, const DetectionBand& band)
{
    JsonObject object(out);
    appendInteger(object.key("row"), band.row);
    appendBool(object.key("drawn"), band.drawn);
    appendBox(object.key("box"), band.box);
    appendBool(object.key("edgeShown"), band.edgeShown);
    appendBox(object.key("edge"), band.edge);
}

void appendMarker(std::string& out, const DetectorMarker& marker)
{
    JsonObject object(out);
    appendJsonNumber(object.key("depth"), marker.depth);
    appendInteger(object.key("row"), marker.row);
    appendBool(object.key("responds"), marker.responds);
    appendBool(object.key("shown"), marker.shown);
    appendJsonNumber(object.key("centreX"), marker.centreX);
    appendJsonNumber(object.key("centreY"), marker.centreY);
    appendBox(object.key("box"), marker.box);
}

void appendRows(std::string& out, const std::vector<int>& rows)
{
    out += '[';
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) out += ", ";
        appendInteger(out, rows[i]);
    }
    out += ']';
}

void appendLabels(std::string& out, const std::vector<AxisLabel>& labels)
{
    out += '[';
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (i > 0) out += ", ";
        JsonObject label(out);
        calc::appendJsonString(label.key("text"), labels[i].text);
        appendInteger(label.key("row"), labels[i].row);
    }
    out += ']';
}

}  // namespace

void appendSoilChartJson(std::string& out, const SoilChartLayout& chart)
{
    JsonObject object(out);
    appendBand(object.key("band"), chart.band);
    appendLine(object.key("rootZoneLine"), chart.rootZoneLine);
    appendLine(object.key("front24hLine"), chart.front24hLine);
    appendLine(object.key("appliedBar"), chart.appliedBar);
    appendMarker(object.key("shallowMarker"), chart.shallowMarker);
    appendMarker(object.key("deepMarker"), chart.deepMarker);
    appendBool(object.key("frontBeyondChart"), chart.frontBeyondChart);
}

void appendDepthAxisJson(std::string& out, const DepthAxisLayout& axis)
{
    JsonObject object(out);
    appendInteger(object.key("panelWidth"), axis.panelWidth);
    appendInteger(object.key("panelHeight"), axis.panelHeight);
    appendBox(object.key("plot"), axis.plot);
    appendBox(object.key("axisLine"), axis.axisLine);
    appendInteger(object.key("titleColumn"), axis.titleColumn);
    appendInteger(object.key("titleCentreRow"), axis.titleCentreRow);
    appendInteger(object.key("labelRightEdge"), axis.labelRightEdge);
    appendLabels(object.key("labels"), axis.labels);
    appendRows(object.key("gridRows"), axis.gridRows);
    appendRows(object.key("minorTickRows"), axis.minorTickRows);
    appendBox(object.key("tick"), axis.tick);
    appendBox(object.key("minorTick"), axis.minorTick);
    appendBox(object.key("grid"), axis.grid);
}

}  // namespace morvane::web
