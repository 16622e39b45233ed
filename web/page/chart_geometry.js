// Where the soil profile charts put each element: the same rows as the
// window's charts. Every chart is 137 × 401 pixels; its depth axis runs from
// 0 mm at row 40 to 600 mm at row 385, inverted (0 at the top).
//
// soilChartGeometry(soil, held) for the light soil with the default inputs:
//   band bottom 200, root zone line 328, 24-hour line 270 (shown), applied bar
//   centred on row 33 with width 14, shallow marker top 127 red, deep marker
//   top 225 yellow.
"use strict";

const ChartGeometry = (() => {
  const panel = { width: 137, height: 401 };
  // The plot rectangle's left edge follows from the title and label widths
  // the window measures in its chart fonts; 48 is its value for the usual
  // Arial metrics. Only the rows below are fixed by the axis.
  const plot = { left: 48, top: 40, right: 133, bottom: 385 };
  const axis = { minimum: 0, maximum: 600, startPixel: 40, endPixel: 385 };
  const pixelsPerUnit = (axis.endPixel - axis.startPixel) / (axis.maximum - axis.minimum);
  const pixelClamp = 67108863;
  const markerSize = 17;
  const markerLeft = 80;
  const lineWidth = 3;  // root zone and 24-hour lines
  const deepDetectorMinimumRootZone = 300;

  // Nearest integer, halves to the even one: 327.5 -> 328, 212.5 -> 212.
  function roundHalfEven(x) {
    const floor = Math.floor(x);
    const fraction = x - floor;
    if (fraction < 0.5) return floor;
    if (fraction > 0.5) return floor + 1;
    return floor % 2 === 0 ? floor : floor + 1;
  }

  // The pixel row of a depth: 0 -> 40, 165 -> 135, 500 -> 328, -12.5 -> 33.
  function axisPixel(depth) {
    const distance = (depth - axis.minimum) * pixelsPerUnit;
    const row = Math.min(pixelClamp, Math.max(-pixelClamp, axis.startPixel + distance));
    return roundHalfEven(row);
  }

  // The pixel length of a depth extent: 25 -> 14, 20 -> 12, 0 or less -> 0.
  function axisPixelLength(extent) {
    return extent <= 0 ? 0 : roundHalfEven(extent * pixelsPerUnit);
  }

  // Label rows of the depth axis, 0 to 600 every 50 mm.
  function axisLabels() {
    const labels = [];
    for (let depth = axis.minimum; depth <= axis.maximum; depth += 50)
      labels.push({ depth, row: axisPixel(depth) });
    return labels;
  }

  // Three minor ticks between each pair of labelled rows, as the window
  // spaces them from the lower of the two.
  function minorTickRows() {
    const rows = axisLabels().map((label) => label.row).reverse();
    const minor = [];
    for (let k = 1; k < rows.length; ++k)
      for (let j = 1; j <= 3; ++j)
        minor.push(rows[k] - roundHalfEven((j * (rows[k] - rows[k - 1])) / 4));
    return minor.filter((row) => row > axis.startPixel && row < axis.endPixel);
  }

  function marker(depthText, maxDetectionDepth, visible) {
    const depth = Number(depthText);
    return {
      depth,
      top: axisPixel(depth) - (markerSize - 1) / 2,
      // A detector at the bottom of the wetted zone still responds.
      colour: depth > maxDetectionDepth ? "yellow" : "red",
      visible,
    };
  }

  // Everything one chart shows for one soil of a complete run.
  //   soil: the report's depths of the soil (maxDetectionDepth, front24h)
  //   texts: { shallow, deep } detector texts
  //   held: { appliedDepth, rootZone } of the run
  function soilChartGeometry(soil, texts, held) {
    const front24h = Math.max(0, soil.front24h);
    return {
      bandBottom: axisPixel(soil.maxDetectionDepth),
      rootZoneLine: { row: axisPixel(roundHalfEven(held.rootZone)), width: lineWidth },
      line24h: {
        row: axisPixel(front24h),
        width: lineWidth,
        // A front that stays inside the detection zone draws no line.
        visible: front24h >= soil.maxDetectionDepth,
      },
      beyond600: soil.front24h > axis.maximum,
      // Centred half the applied depth above the surface, as thick as the
      // applied depth on the depth scale.
      appliedBar: {
        row: axisPixel(-held.appliedDepth / 2),
        width: axisPixelLength(held.appliedDepth),
      },
      shallowMarker: marker(texts.shallow, soil.maxDetectionDepth, true),
      deepMarker: marker(texts.deep, soil.maxDetectionDepth,
                         held.rootZone >= deepDetectorMinimumRootZone),
    };
  }

  return {
    panel, plot, axis, markerSize, markerLeft,
    roundHalfEven, axisPixel, axisPixelLength, axisLabels, minorTickRows, soilChartGeometry,
  };
})();

if (typeof module !== "undefined") module.exports = ChartGeometry;
