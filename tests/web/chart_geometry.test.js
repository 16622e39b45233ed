// The page's chart rows against the window's. The module's depth axis is
// compared with the window's own axis code built natively (x87 extended
// arithmetic) over every whole depth 0..2000 mm and 100,000 random depths;
// the worked examples and the depths where double arithmetic would part
// from the window's are checked row by row; and through the page's model,
// every element of both charts for the cases where lines, markers and
// warnings change.
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { execFileSync } = require("node:child_process");
const { describe, it, before } = require("node:test");
const { loadPageModel } = require("./page_module.js");
const { seededRandom: random } = require("./seeded_random.js");

const pagePath = process.env.MORVANE_PAGE;
if (!pagePath) throw new Error("set MORVANE_PAGE");
const root = path.resolve(__dirname, "../..");

// window_depth_rows.cpp, built from the window's axis sources.
function windowDepthAxis() {
  const program = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "morvane-axis-")), "rows");
  execFileSync(process.env.CXX || "c++", [
    "-std=c++20", "-O1", `-I${root}/src/model`, `-I${root}/src/chart`,
    path.join(__dirname, "window_depth_rows.cpp"), `${root}/src/chart/axis_scale.cpp`,
    `${root}/src/model/axis_map.cpp`, "-o", program]);
  return (depths) => execFileSync(program, { input: depths.map((d) => d.toPrecision(17)).join("\n"),
                                             maxBuffer: 64 * 1024 * 1024 })
    .toString().trim().split("\n").map((line) => line.split(" ").map(Number));
}

describe("depth axis", () => {
  let model;
  before(async () => { model = await loadPageModel(pagePath); });

  it("converts depths to the window's pixel rows", () => {
    // 345 / 600 pixels per mm: 340 mm is 195.5 exactly in extended
    // arithmetic (row 236 after rounding to even), 195.49999999999997 in
    // doubles (235); likewise 660, 740, 820 and 1300 mm.
    const rows = [[0, 40], [50, 69], [100, 98], [165, 135], [300, 212], [335, 233], [340, 236],
                  [500, 328], [600, 385], [660, 420], [740, 466], [820, 512], [1300, 788],
                  [-12.5, 33], [620, 396], [700, 442], [1e12, 67108863], [-1e12, -67108863]];
    for (const [depth, row] of rows) assert.equal(model.depthRow(depth), row, `${depth} mm`);
  });

  it("converts depth extents to the window's pixel lengths", () => {
    // 100 mm is 57.5 pixels in extended arithmetic (58), just below in doubles (57).
    const lengths = [[25, 14], [20, 12], [0, 0], [-5, 0], [600, 345], [100, 58], [180, 104],
                     [340, 196], [420, 242]];
    for (const [extent, length] of lengths)
      assert.equal(model.depthLength(extent), length, `${extent} mm`);
  });

  it("gives the window's row and length for every whole depth to 2000 mm and 100,000 random ones", () => {
    const next = random(20261209);
    const depths = Array.from({ length: 2001 }, (_, mm) => mm);
    for (let i = 0; i < 100000; ++i) {
      const r = next();
      // Whole and half millimetres near the rounding halves, tenths as the
      // model writes them, and any double over the axis and far beyond it.
      if (r < 0.3) depths.push(Math.round(next() * 8000) / 4 - 500);
      else if (r < 0.6) depths.push(Math.round(next() * 30000) / 10 - 500);
      else if (r < 0.9) depths.push(next() * 3000 - 500);
      else depths.push((next() - 0.5) * 10 ** Math.floor(next() * 40 - 10));
    }
    const expected = windowDepthAxis()(depths);
    const parted = depths.filter((depth, i) =>
      model.depthRow(depth) !== expected[i][0] || model.depthLength(depth) !== expected[i][1]);
    assert.deepEqual(parted.slice(0, 10), [], `${parted.length} depths part from the window`);
  });

  it("labels 0 to 600 every 50 mm on the window's rows, with its grid and minor ticks", () => {
    const axis = model.depthAxis();
    assert.deepEqual(axis.labels.map((label) => [label.text, label.row]),
                     [["600", 385], ["550", 356], ["500", 328], ["450", 299], ["400", 270],
                      ["350", 241], ["300", 212], ["250", 184], ["200", 155], ["150", 126],
                      ["100", 98], ["50", 69], ["0", 40]]);
    assert.deepEqual(axis.gridRows, [356, 328, 299, 270, 241, 212, 184, 155, 126, 98, 69]);
    // Three in each of the twelve gaps, spaced from the upper label: between
    // 356 and 385, 356 + Round(29 j / 4) for j = 1..3 gives 363, 370 (14.5
    // rounds to the even 14) and 378.
    assert.equal(axis.minorTickRows.length, 36);
    assert.deepEqual(axis.minorTickRows.slice(0, 3).sort(), [363, 370, 378]);
    assert.equal(axis.titleCentreRow, 212);
  });
});

describe("soil profile charts of a run", () => {
  let model;
  before(async () => { model = await loadPageModel(pagePath); });

  // The rows a chart shows, in one comparable object.
  function rows(chart) {
    const marker = (m) => (m.shown ? [m.box.top, m.responds ? "red" : "yellow"] : "hidden");
    return {
      band: chart.band.row, rootZone: chart.rootZoneLine.row,
      line24h: chart.front24hLine.shown ? chart.front24hLine.row : "hidden",
      bar: [chart.appliedBar.row, chart.appliedBar.width],
      shallow: marker(chart.shallowMarker), deep: marker(chart.deepMarker),
      beyond600: chart.frontBeyondChart,
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
    // Where double arithmetic parts from the window: the deep detector of a
    // 510 mm root zone lies at 340 mm (row 236, top 228; doubles give 235),
    // and 100 mm applied (rate 10 for 10 h) is a bar 58 pixels thick
    // (doubles: 57), centred on -50 mm (row 40 - 28.75 = 11). The band ends
    // at 100 / (0.18 - (0.14 - 25 / 510)) = 1123.4 mm (light, row 686) and
    // 1448.9 mm (heavy, row 873), the 24-hour front at 95 / (25 / 510) = 1938 mm.
    { name: "root zone 510 and 100 mm applied: the rows where doubles part",
      given: { rate: "10", duration: "10", rootZone: "510" },
      light: { band: 686, rootZone: 333, line24h: 1154, bar: [11, 58], shallow: [130, "red"],
               deep: [228, "red"], beyond600: true },
      heavy: { band: 873, rootZone: 333, line24h: 1154, bar: [11, 58], shallow: [130, "red"],
               deep: [228, "red"], beyond600: true } },
  ];

  for (const example of examples)
    it(example.name, () => {
      const texts = { rate: "10", duration: "2.5", days: "5", cwu: "5", rootZone: "500",
                      ...example.given };
      const { answer } = model.run(texts, ".");
      assert.equal(answer.report.error, null);
      assert.deepEqual(rows(answer.charts.light), example.light, "light soil");
      assert.deepEqual(rows(answer.charts.heavy), example.heavy, "heavy soil");
    });
});
