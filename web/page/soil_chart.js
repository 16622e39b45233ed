// Draws one soil profile chart into an <svg> from the module's layout
// (morvane_depth_axis and a run's "charts"): the sand panel, the blue
// detection band, the framed plot, the depth axis with its labels, ticks and
// grid, the colour lines (root zone, 24 hours, applied water) and the two
// detector markers. Every row and length is the module's; this file only
// turns its pixel boxes into SVG. Each drawn element carries its row in data
// attributes, so tests can read the geometry back.
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
  // Pale elements get this edge so they stand out on sand, blue and in sun.
  const edge = { stroke: "rgb(0, 0, 0)", "stroke-width": 2, "paint-order": "stroke" };

  function element(parent, name, attributes, text) {
    const node = document.createElementNS(svgNamespace, name);
    for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
    if (text !== undefined) node.textContent = text;
    parent.appendChild(node);
    return node;
  }

  // A filled box of whole pixels; `top` replaces the box's own top when given.
  function fill(svg, className, box, colour, extra = {}, top = box.top) {
    return element(svg, "rect", {
      class: className, x: box.left, y: top, width: box.width, height: box.height,
      fill: colour, ...extra,
    });
  }

  // A one-pixel outline along the outer pixels of a box: the stroke runs
  // through the middle of those pixels.
  function outline(svg, className, box, colour) {
    return element(svg, "rect", {
      class: className, x: box.left + 0.5, y: box.top + 0.5, width: box.width - 1,
      height: box.height - 1, fill: "none", stroke: colour,
    });
  }

  function drawAxis(svg, axis, title) {
    const dots = `${svg.id}-dots`;
    const pattern = element(element(svg, "defs", {}), "pattern", {
      id: dots, width: 2, height: 1, patternUnits: "userSpaceOnUse",
    });
    element(pattern, "rect", { width: 1, height: 1, fill: colours.gray });
    for (const row of axis.gridRows)
      fill(svg, "grid", axis.grid, `url(#${dots})`, { "data-row": row }, row);
    for (const { text, row } of axis.labels) {
      fill(svg, "tick", axis.tick, colours.gray, { "data-row": row }, row);
      element(svg, "text", {
        class: "axis-label", x: axis.labelRightEdge, y: row, "text-anchor": "end",
        "dominant-baseline": "central", "data-row": row,
      }, text);
    }
    for (const row of axis.minorTickRows)
      fill(svg, "minor-tick", axis.minorTick, colours.gray, { "data-row": row }, row);
    fill(svg, "axis-line", axis.axisLine, colours.black);
    element(svg, "text", {
      class: "axis-title", x: 0, y: 0, "text-anchor": "middle",
      transform: `translate(${axis.titleColumn} ${axis.titleCentreRow}) rotate(-90)`,
    }, title);
  }

  function drawBand(svg, band) {
    if (!band.drawn) return;
    fill(svg, "band", band.box, colours.blue, { "data-row": band.row });
    if (band.edgeShown) fill(svg, "band-edge", band.edge, colours.black);
  }

  function drawLine(svg, className, line, colour, extra = {}) {
    if (!line.shown) return;
    fill(svg, className, line.box, colour,
         { "data-row": line.row, "data-width": line.width, ...extra });
  }

  // The window's 17-pixel circle with its yellow rim, ringed in black.
  function drawMarker(svg, className, marker) {
    if (!marker.shown) return;
    const colour = marker.responds ? "red" : "yellow";
    const centre = { cx: marker.centreX, cy: marker.centreY };
    element(svg, "circle", { class: "marker-edge", ...centre, r: 9, fill: "none",
                             stroke: colours.black });
    element(svg, "circle", {
      class: `marker ${className}`, ...centre, r: 8, fill: colours[colour],
      stroke: colours.yellow, "data-top": marker.box.top, "data-colour": colour,
      "data-depth": marker.depth,
    });
  }

  // The legend's swatches, 18 x 18 canvases, each painted as the charts
  // draw its element: a list of [shape, colour, geometry] painted in order.
  // Canvases, because a browser's forced dark mode recolours small pictures
  // and backgrounds but leaves canvases as painted, as it leaves the charts.
  const swatches = {
    applied: [["box", "black", [1, 1, 16, 16]], ["box", "fuchsia", [2, 2, 14, 14]]],
    band: [["box", "blue", [1, 1, 16, 16]]],
    "marker-red": [["disc", "black", 9], ["disc", "yellow", 8.5], ["disc", "red", 7.5]],
    "marker-yellow": [["disc", "black", 9], ["disc", "yellow", 8.5]],
    "root-zone": [["box", "black", [0, 7, 18, 5]], ["box", "yellow", [1, 8, 16, 3]]],
    "front-24h": [["box", "green", [0, 8, 18, 3]]],
  };

  function drawSwatches() {
    const scale = window.devicePixelRatio || 1;
    for (const canvas of document.querySelectorAll("canvas.swatch")) {
      canvas.width = canvas.height = Math.round(18 * scale);
      const context = canvas.getContext("2d");
      context.scale(scale, scale);
      for (const [shape, colour, geometry] of swatches[canvas.dataset.shows]) {
        context.fillStyle = colours[colour];
        if (shape === "box") {
          context.fillRect(...geometry);
        } else {
          context.beginPath();
          context.arc(9, 9, geometry, 0, 2 * Math.PI);
          context.fill();
        }
      }
    }
  }

  // Redraws `svg` for one soil: `axis` is the module's depth axis, `chart`
  // one soil's layout of a complete run, or null before the first one (axis
  // only).
  function draw(svg, title, axis, chart) {
    svg.replaceChildren();
    svg.setAttribute("viewBox", `0 0 ${axis.panelWidth} ${axis.panelHeight}`);
    element(svg, "rect", { class: "panel", x: 0, y: 0, width: axis.panelWidth,
                           height: axis.panelHeight, fill: colours.sand });
    if (chart) drawBand(svg, chart.band);
    outline(svg, "frame", axis.plot, colours.black);
    drawAxis(svg, axis, title);
    if (!chart) return;
    drawLine(svg, "root-zone-line", chart.rootZoneLine, colours.yellow, edge);
    drawLine(svg, "line-24h", chart.front24hLine, colours.green);
    drawLine(svg, "applied-bar", chart.appliedBar, colours.fuchsia, edge);
    drawMarker(svg, "shallow", chart.shallowMarker);
    drawMarker(svg, "deep", chart.deepMarker);
  }

  return { draw, drawSwatches };
})();

if (typeof module !== "undefined") module.exports = SoilChart;
