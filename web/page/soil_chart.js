// Draws one soil profile chart into an <svg> from ChartGeometry: the sand
// panel, the blue detection band, the framed plot, the depth axis with its
// labels, ticks and grid, the colour lines (root zone, 24 hours, applied
// water) and the two detector markers. Each drawn element carries its row
// in data attributes, so tests can read the geometry back.
"use strict";

const SoilChart = (() => {
  const svgNamespace = "http://www.w3.org/2000/svg";
  const colours = {
    sand: "rgb(240, 202, 166)",
    blue: "rgb(0, 0, 255)",
    yellow: "rgb(255, 255, 0)",
    green: "rgb(0, 128, 0)",
    fuchsia: "rgb(255, 0, 255)",
    red: "rgb(255, 0, 0)",
    gray: "rgb(128, 128, 128)",
    black: "rgb(0, 0, 0)",
  };

  function element(parent, name, attributes, text) {
    const node = document.createElementNS(svgNamespace, name);
    for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
    if (text !== undefined) node.textContent = text;
    parent.appendChild(node);
    return node;
  }

  // A horizontal line `width` pixel rows thick centred on `row` (at least
  // one row), across the plot from its left to its right edge.
  function colourLine(svg, className, row, width, colour, extra = {}) {
    const plot = ChartGeometry.plot;
    const rows = Math.max(1, width);
    return element(svg, "rect", {
      class: className, x: plot.left, y: row - Math.floor(rows / 2),
      width: plot.right - plot.left + 1, height: rows, fill: colour,
      "data-row": row, "data-width": width, ...extra,
    });
  }

  function drawAxis(svg, title) {
    const { plot, axis } = ChartGeometry;
    for (const { depth, row } of ChartGeometry.axisLabels()) {
      if (row > axis.startPixel && row < axis.endPixel)
        element(svg, "line", {
          class: "grid", x1: plot.left + 1, y1: row + 0.5, x2: plot.right, y2: row + 0.5,
          stroke: colours.gray, "stroke-dasharray": "1 1",
        });
      element(svg, "line", {
        class: "tick", x1: plot.left - 5, y1: row + 0.5, x2: plot.left - 1, y2: row + 0.5,
        stroke: colours.gray,
      });
      element(svg, "text", {
        class: "axis-label", x: plot.left - 8, y: row, "text-anchor": "end",
        "dominant-baseline": "central", "data-row": row,
      }, String(depth));
    }
    for (const row of ChartGeometry.minorTickRows())
      element(svg, "line", {
        class: "minor-tick", x1: plot.left - 3, y1: row + 0.5, x2: plot.left - 1, y2: row + 0.5,
        stroke: colours.gray,
      });
    element(svg, "line", {
      class: "axis-line", x1: plot.left, y1: axis.startPixel, x2: plot.left, y2: axis.endPixel,
      stroke: colours.black, "stroke-width": 2,
    });
    const centre = Math.trunc((axis.startPixel + axis.endPixel) / 2);
    element(svg, "text", {
      class: "axis-title", x: 0, y: 0, "text-anchor": "middle",
      transform: `translate(14 ${centre}) rotate(-90)`,
    }, title);
  }

  // The band from the surface down to the maximum detection depth, inside
  // the plot's frame, with a black edge when it ends above the plot bottom.
  function drawBand(svg, bottomRow) {
    const plot = ChartGeometry.plot;
    const lastRow = Math.min(bottomRow, plot.bottom - 1);
    if (lastRow <= plot.top) return;
    element(svg, "rect", {
      class: "band", x: plot.left + 1, y: plot.top + 1, width: plot.right - plot.left - 1,
      height: lastRow - plot.top, fill: colours.blue, "data-row": bottomRow,
    });
    if (bottomRow < plot.bottom)
      element(svg, "rect", {
        class: "band-edge", x: plot.left + 1, y: bottomRow, width: plot.right - plot.left - 1,
        height: 1, fill: colours.black,
      });
  }

  function drawMarker(svg, className, marker) {
    if (!marker.visible) return;
    const size = ChartGeometry.markerSize;
    element(svg, "circle", {
      class: `marker ${className}`, cx: ChartGeometry.markerLeft + size / 2,
      cy: marker.top + size / 2, r: size / 2 - 0.5, fill: colours[marker.colour],
      stroke: colours.yellow, "data-top": marker.top, "data-colour": marker.colour,
      "data-depth": marker.depth,
    });
  }

  // Redraws `svg` for one soil. geometry is ChartGeometry.soilChartGeometry's
  // answer, or null before the first complete run (axis only).
  function draw(svg, title, geometry) {
    const { panel, plot } = ChartGeometry;
    svg.replaceChildren();
    svg.setAttribute("viewBox", `0 0 ${panel.width} ${panel.height}`);
    element(svg, "rect", { class: "panel", x: 0, y: 0, width: panel.width, height: panel.height,
                           fill: colours.sand });
    if (geometry) drawBand(svg, geometry.bandBottom);
    element(svg, "rect", {
      class: "frame", x: plot.left + 0.5, y: plot.top + 0.5, width: plot.right - plot.left,
      height: plot.bottom - plot.top, fill: "none", stroke: colours.black,
    });
    drawAxis(svg, title);
    if (!geometry) return;
    colourLine(svg, "root-zone-line", geometry.rootZoneLine.row, geometry.rootZoneLine.width,
               colours.yellow);
    if (geometry.line24h.visible)
      colourLine(svg, "line-24h", geometry.line24h.row, geometry.line24h.width, colours.green);
    colourLine(svg, "applied-bar", geometry.appliedBar.row, geometry.appliedBar.width,
               colours.fuchsia);
    drawMarker(svg, "shallow", geometry.shallowMarker);
    drawMarker(svg, "deep", geometry.deepMarker);
  }

  return { draw };
})();

if (typeof module !== "undefined") module.exports = SoilChart;
