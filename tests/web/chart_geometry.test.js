// The page's chart rows against the window's: the depth axis conversions and,
// through the page's model, every element of both charts for the worked
// examples and the cases where lines, markers and warnings change.
"use strict";

const assert = require("node:assert/strict");
const { describe, it, before } = require("node:test");
const ChartGeometry = require("../../web/page/chart_geometry.js");
const { loadPageModel } = require("./page_module.js");

const pagePath = process.env.MORVANE_PAGE;
if (!pagePath) throw new Error("set MORVANE_PAGE");

describe("depth axis", () => {
  it("converts depths to the window's pixel rows", () => {
    const rows = [[0, 40], [50, 69], [100, 98], [165, 135], [300, 212], [335, 233],
                  [500, 328], [600, 385], [-12.5, 33], [620, 396], [700, 442], [1e12, 67108863]];
    for (const [depth, row] of rows) assert.equal(ChartGeometry.axisPixel(depth), row, `${depth} mm`);
  });

  it("converts depth extents to pixel lengths", () => {
    for (const [extent, length] of [[25, 14], [20, 12], [0, 0], [-5, 0], [600, 345]])
      assert.equal(ChartGeometry.axisPixelLength(extent), length, `${extent} mm`);
  });

  it("labels 0 to 600 every 50 mm on the window's rows", () => {
    assert.deepEqual(ChartGeometry.axisLabels().map((label) => label.row),
                     [40, 69, 98, 126, 155, 184, 212, 241, 270, 299, 328, 356, 385]);
    assert.deepEqual(ChartGeometry.axisLabels().map((label) => label.depth).slice(-2), [550, 600]);
    // Three minor ticks in each of the twelve gaps.
    assert.equal(ChartGeometry.minorTickRows().length, 36);
  });

  it("rounds halves to the even integer", () => {
    for (const [x, rounded] of [[327.5, 328], [212.5, 212], [0.5, 0], [1.5, 2], [-2.5, -2], [2.4999, 2]])
      assert.equal(ChartGeometry.roundHalfEven(x), rounded, String(x));
  });
});

describe("soil profile charts of a run", () => {
  let model;
  before(async () => { model = await loadPageModel(pagePath); });

  function charts(given) {
    const texts = { rate: "10", duration: "2.5", days: "5", cwu: "5", rootZone: "500", ...given };
    const { answer } = model.run(texts, ".");
    assert.equal(answer.report.error, null);
    const held = { appliedDepth: answer.appliedDepth, rootZone: answer.rootZone };
    const t = answer.report.texts;
    return {
      light: ChartGeometry.soilChartGeometry(answer.report.light, { shallow: t.LtSD, deep: t.LtDD }, held),
      heavy: ChartGeometry.soilChartGeometry(answer.report.heavy, { shallow: t.HvSD, deep: t.HvDD }, held),
    };
  }

  // The rows a chart shows, in one comparable object.
  function rows(chart) {
    return {
      band: chart.bandBottom, rootZone: chart.rootZoneLine.row,
      line24h: chart.line24h.visible ? chart.line24h.row : "hidden",
      bar: [chart.appliedBar.row, chart.appliedBar.width],
      shallow: [chart.shallowMarker.top, chart.shallowMarker.colour],
      deep: chart.deepMarker.visible ? [chart.deepMarker.top, chart.deepMarker.colour] : "hidden",
      beyond600: chart.beyond600,
    };
  }

  const examples = [
    { name: "default inputs", given: {},
      light: { band: 200, rootZone: 328, line24h: 270, bar: [33, 14], shallow: [127, "red"],
               deep: [225, "yellow"], beyond600: false },
      heavy: { band: 245, rootZone: 328, line24h: 270, bar: [33, 14], shallow: [127, "red"],
               deep: [225, "red"], beyond600: false } },
    { name: "rate 12, duration 1.75, days 3, crop water use 6.5, root zone 450",
      given: { rate: "12", duration: "1.75", days: "3", cwu: "6.5", rootZone: "450" },
      light: { band: 185, rootZone: 299, line24h: 232, bar: [34, 12], shallow: [118, "red"],
               deep: [204, "yellow"], beyond600: false },
      heavy: { band: 231, rootZone: 299, line24h: 232, bar: [34, 12], shallow: [118, "red"],
               deep: [204, "red"], beyond600: false } },
    { name: "root zone 299: no deep marker",
      given: { rootZone: "299", days: "1" },
      light: { band: 293, rootZone: 212, line24h: 728, bar: [33, 14], shallow: [118, "red"],
               deep: "hidden", beyond600: true },
      heavy: { band: 431, rootZone: 212, line24h: 728, bar: [33, 14], shallow: [118, "red"],
               deep: "hidden", beyond600: true } },
    { name: "a front that stays above the surface after a day: no 24-hour line",
      given: { rate: "2", duration: "1", days: "1" },
      light: { band: 63, rootZone: 328, line24h: "hidden", bar: [39, 1], shallow: [127, "yellow"],
               deep: [225, "yellow"], beyond600: false },
      heavy: { band: 78, rootZone: 328, line24h: "hidden", bar: [39, 1], shallow: [127, "yellow"],
               deep: [225, "yellow"], beyond600: false } },
    { name: "root zone 449.5 rounds to an even 450 for its line",
      given: { rootZone: "449.5" },
      light: { band: 190, rootZone: 299, line24h: 247, bar: [33, 14], shallow: [118, "red"],
               deep: [204, "yellow"], beyond600: false },
      heavy: { band: 230, rootZone: 299, line24h: 247, bar: [33, 14], shallow: [118, "red"],
               deep: [204, "red"], beyond600: false } },
  ];

  for (const example of examples)
    it(example.name, () => {
      const { light, heavy } = charts(example.given);
      assert.deepEqual(rows(light), example.light, "light soil");
      assert.deepEqual(rows(heavy), example.heavy, "heavy soil");
    });
});
