// The built page in headless Chromium: links with the worked examples, a
// comma language, failing inputs, typing and recalculating in a phone-wide
// frame, no request besides the page itself, and screenshots at phone and
// desktop width (written to MORVANE_WEB_SHOTS, default a scratch folder).
//   MORVANE_PAGE=OUT/index.html MORVANE_CALC=.../morvane-calc node --test tests/web/
"use strict";

const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { spawn, spawnSync } = require("node:child_process");
const { describe, it, before, after } = require("node:test");

const pagePath = path.resolve(process.env.MORVANE_PAGE || "");
const calcPath = process.env.MORVANE_CALC;
if (!process.env.MORVANE_PAGE || !calcPath) throw new Error("set MORVANE_PAGE and MORVANE_CALC");
const pageUrl = `file://${pagePath}`;

function chromium(args) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "morvane-chromium-"));
  try {
    const run = spawnSync("chromium", [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run",
      `--user-data-dir=${profile}`, "--virtual-time-budget=10000", ...args,
    ], { encoding: "utf8", timeout: 60000, maxBuffer: 64 * 1024 * 1024 });
    if (run.status !== 0) throw new Error(`chromium failed: ${run.stderr}`);
    return run.stdout;
  } finally {
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

// The page's DOM once it has run its first calculation. Headless Chromium's
// virtual time does not wait for the WebAssembly module, which compiles in
// real time: on a busy machine the DOM can be dumped before the module is
// ready, so a page that has not finished is loaded again, up to three times.
function dumpDom(url, extra = []) {
  let html = "";
  for (let attempt = 0; attempt < 3; ++attempt) {
    html = chromium([...extra, "--dump-dom", url]);
    if (/<body[^>]*data-ready="true"/.test(html)) return html;
  }
  assert.match(html, /<body[^>]*data-ready="true"/, `${url} did not finish loading`);
  return html;
}
const german = ["--lang=de-DE", "--accept-lang=de-DE"];

// The opening tag and text of the element with that id.
function element(html, id) {
  const match = html.match(new RegExp(`<([a-z]+) ([^>]*\\bid="${id}"[^>]*)>([^<]*)<`));
  assert.ok(match, `no element ${id}`);
  return { attributes: match[2], text: match[3], hidden: /\bhidden=""/.test(match[2]) };
}

function inputValue(html, id) {
  return element(html, id).attributes.match(/\bvalue="([^"]*)"/)[1];
}

// data-* attributes of each element of a class inside one chart's <svg>.
function chartItems(html, chartId, className) {
  const svg = html.match(new RegExp(`<svg id="${chartId}"[\\s\\S]*?</svg>`))[0];
  const items = [];
  for (const tag of svg.matchAll(new RegExp(`<[a-z]+ class="${className}"[^>]*>`, "g")))
    items.push(Object.fromEntries([...tag[0].matchAll(/data-([a-z]+)="([^"]*)"/g)]
      .map((m) => [m[1], m[2]])));
  return items;
}

const resultNames = ["AppAmount", "LtSWD", "HvSWD", "LtTAW", "LtAW", "LtSTO", "LtSD", "LtDD",
                     "HvTAW", "HvAW", "HvSD", "HvDD", "Hv1STO"];

// morvane-calc's "Name=text" lines as an object.
function calcTexts(args) {
  const run = spawnSync(calcPath, args, { encoding: "utf8", env: { LC_ALL: "C" } });
  return Object.fromEntries(run.stdout.trim().split("\n").map((line) => line.split("=")));
}

function pageTexts(html) {
  const texts = {};
  for (const name of resultNames) texts[name] = element(html, name).text;
  for (const name of ["ltStoWarn", "HvSTOWarn"]) texts[name] = element(html, name).hidden ? "hidden" : "shown";
  return texts;
}

function chartRows(html, chartId) {
  const one = (className) => chartItems(html, chartId, className)[0];
  const marker = (kind) => one(`marker ${kind}`);
  const deep = marker("deep");
  return {
    band: Number(one("band").row), rootZone: Number(one("root-zone-line").row),
    line24h: Number(one("line-24h").row),
    bar: [Number(one("applied-bar").row), Number(one("applied-bar").width)],
    shallow: [Number(marker("shallow").top), marker("shallow").colour],
    deep: deep ? [Number(deep.top), deep.colour] : "hidden",
  };
}

const secondExample = "?rate=12&duration=1.75&days=3&cwu=6.5&rootZone=450";

describe("the page opened from a link", () => {
  it("computes the default inputs at once, with the window's chart rows", () => {
    const html = dumpDom(`${pageUrl}?rate=10&duration=2.5&days=5&cwu=5&rootZone=500`);
    assert.deepEqual(pageTexts(html), calcTexts([]));
    assert.deepEqual(chartRows(html, "light-chart"),
                     { band: 200, rootZone: 328, line24h: 270, bar: [33, 14],
                       shallow: [127, "red"], deep: [225, "yellow"] });
    assert.deepEqual(chartRows(html, "heavy-chart"),
                     { band: 245, rootZone: 328, line24h: 270, bar: [33, 14],
                       shallow: [127, "red"], deep: [225, "red"] });
    assert.equal(element(html, "warn24h").hidden, true);
    assert.match(element(html, "light-plan").text, /^Shallow detector \(165 mm\) responds once 14\.8 mm/);
  });

  it("opens with the link's texts and computes the second example", () => {
    const html = dumpDom(`${pageUrl}${secondExample}`);
    assert.deepEqual(["AppRate", "Duration", "LtDIrrig", "LtCWU", "Ltsdepth"].map((id) => inputValue(html, id)),
                     ["12", "1.75", "3", "6.5", "450"]);
    assert.deepEqual(pageTexts(html), calcTexts(["--rate", "12", "--duration", "1.75", "--days", "3",
                                                 "--cwu", "6.5", "--root-zone", "450"]));
    assert.deepEqual(chartRows(html, "light-chart"),
                     { band: 185, rootZone: 299, line24h: 232, bar: [34, 12],
                       shallow: [118, "red"], deep: [204, "yellow"] });
    assert.deepEqual(chartRows(html, "heavy-chart"),
                     { band: 231, rootZone: 299, line24h: 232, bar: [34, 12],
                       shallow: [118, "red"], deep: [204, "red"] });
  });

  it("shows a 24-hour front beyond 600 mm with its warning", () => {
    const html = dumpDom(`${pageUrl}?rate=50&duration=5`);
    assert.equal(element(html, "warn24h").hidden, false);
    assert.equal(element(html, "warn24h2").hidden, false);
    assert.equal(chartItems(html, "light-chart", "band-edge").length, 0, "the band fills the plot");
  });

  it("uses the comma in a German browser, in the default texts and the results", () => {
    const linked = dumpDom(`${pageUrl}${secondExample}`, german);
    assert.deepEqual(["Duration", "LtCWU"].map((id) => inputValue(linked, id)), ["1,75", "6,5"]);
    assert.deepEqual(pageTexts(linked),
                     calcTexts(["--decimal-separator", ",", "--rate", "12", "--duration", "1,75",
                                "--days", "3", "--cwu", "6,5", "--root-zone", "450"]));
    const plain = dumpDom(pageUrl, german);
    assert.equal(inputValue(plain, "Duration"), "2,5");
    assert.equal(element(plain, "LtTAW").text, "35,0");
    assert.match(element(plain, "light-plan").text, /once 14,8 mm is applied/);
  });

  it("computes a link's own soil, and refuses one that is not valid", () => {
    // Light 0.2:0.1:0.23:0.3: 50.0 mm available, 25.0 left, 50%; wetted to
    // 0.23 down to 25 / (0.23 - 0.15) = 312.5 mm, row 40 + 312.5 x 345 / 600
    // = 219.7; the shallow detector needs 165 x 0.08 = 13.2 mm.
    const own = dumpDom(`${pageUrl}?lightSoil=0.2:0.1:0.23:0.3&lightSoilName=Loam%2C%20north%20block`);
    assert.deepEqual(pageTexts(own), calcTexts(["--light-soil", "0.2:0.1:0.23:0.3"]));
    assert.deepEqual(["LtTAW", "LtAW", "LtSTO"].map((id) => element(own, id).text), ["50.0", "25.0", "50%"]);
    assert.equal(chartRows(own, "light-chart").band, 220);
    assert.deepEqual(["light-caption", "heavy-caption"].map((id) => element(own, id).text),
                     ["Loam, north block", "Heavy textured soil"]);
    assert.match(element(own, "light-plan").text, /^Shallow detector \(165 mm\) responds once 13\.2 mm/);

    // In German the fields and the message have the comma; nothing is computed.
    const bad = dumpDom(`${pageUrl}?heavySoil=0.2:0.25:0.23:0.3`, german);
    assert.equal(element(bad, "error").text,
                 "Heavy soil: the wilting point must be below the field capacity (0,25 is not below 0,2).");
    assert.equal(inputValue(bad, "heavySoil-wiltingPoint"), "0,25");
    assert.match(element(bad, "heavySoil-wiltingPoint").attributes, /aria-invalid="true"/);
    assert.equal(element(bad, "heavySoil-wiltingPoint-error").hidden, false);
    assert.match(bad, /<details id="soils" open="">/);
    assert.equal(element(bad, "AppAmount").text, "");
  });

  it("answers a link's detectors in the model's words, and names a word it does not take", () => {
    const detectors = "?shallowShowed=up&deepShowed=down";
    // The light soil with the default inputs: the deficit is at most
    // (25 / 165 - 0.04) x 500 = 55.76 mm (shallow UP) and more than
    // (25 / 335 - 0.04) x 500 = 17.31 mm (deep DOWN); a day is a fifth of that.
    for (const [extra, numbers] of [[[], ["17.3", "55.8", "3.5", "11.2"]],
                                    [german, ["17,3", "55,8", "3,5", "11,2"]]]) {
      const html = dumpDom(`${pageUrl}${detectors}`, extra);
      const [low, high, lowUse, highUse] = numbers;
      assert.equal(element(html, "light-answer").text,
                   `Your detectors say the deficit before this irrigation was between ${low} and ` +
                   `${high} mm (you estimated 25 mm): the crop used ${lowUse} to ${highUse} mm a day.`);
      assert.match(html, /<input type="radio" name="shallowShowed" value="up" checked="">/);
      assert.match(html, /<input type="radio" name="deepShowed" value="down" checked="">/);
    }
    const wrongWord = dumpDom(`${pageUrl}?deepShowed=UP`);
    assert.equal(element(wrongWord, "error").text, "deepShowed takes up or down, not 'UP'.");
    assert.equal(element(wrongWord, "deepShowed-error").hidden, false);
    assert.doesNotMatch(wrongWord, /name="deepShowed" value="[a-z]*" checked/, "no choice is guessed");
    assert.equal(element(wrongWord, "AppAmount").text, "");
  });

  it("shows a failure as plain text with the texts written before it", () => {
    const zeroDays = dumpDom(`${pageUrl}?days=0`);
    assert.equal(element(zeroDays, "error").text, "Floating point division by zero.");
    assert.equal(element(zeroDays, "error-box").hidden, false);
    assert.deepEqual(resultNames.map((name) => element(zeroDays, name).text),
                     ["25", "0", "0", "", "", "", "", "", "", "", "", "", ""]);

    const markup = dumpDom(`${pageUrl}?duration=${encodeURIComponent("<b>2</b>")}`);
    assert.equal(element(markup, "error").text, "'&lt;b&gt;2&lt;/b&gt;' is not a valid floating point value.");
    assert.equal(element(markup, "AppAmount").text, "");
    assert.doesNotMatch(markup, /<b>2<\/b>/, "typed text never becomes markup");
  });
});

describe("the page served over HTTP", () => {
  let folder, server, port, log = "";
  before(async () => {
    folder = fs.mkdtempSync(path.join(os.tmpdir(), "morvane-page-"));
    fs.cpSync(path.dirname(pagePath), folder, { recursive: true });
    fs.copyFileSync(path.join(__dirname, "interaction_harness.html"), path.join(folder, "harness.html"));
    server = spawn("python3", ["-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder],
                   { stdio: ["ignore", "pipe", "pipe"] });
    server.stderr.on("data", (chunk) => { log += chunk; });
    port = await new Promise((resolve, reject) => {
      server.stdout.on("data", (chunk) => {
        const match = String(chunk).match(/port (\d+)/);
        if (match) resolve(Number(match[1]));
      });
      server.on("exit", () => reject(new Error("the HTTP server stopped")));
    });
  });
  after(() => {
    server.kill();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  it("asks the server for nothing but the site's own files", async () => {
    const html = dumpDom(`http://127.0.0.1:${port}/index.html${secondExample}`);
    assert.equal(element(html, "AppAmount").text, "21");
    // The server's log lines arrive once the event loop runs again; wait a
    // moment more for any late request.
    for (let i = 0; i < 50 && !log.includes('"GET'); ++i)
      await new Promise((resolve) => setTimeout(resolve, 100));
    await new Promise((resolve) => setTimeout(resolve, 300));
    const requests = log.split("\n").filter((line) => line.includes('"GET'))
      .map((line) => line.match(/"GET (\S+)/)[1]);
    assert.equal(requests[0], `/index.html${secondExample}`);
    const site = fs.readdirSync(path.dirname(pagePath)).map((name) => `/${name}`);
    assert.deepEqual(requests.slice(1).filter((request) => !site.includes(request)), []);
  });

  it("recalculates what is typed, updates the address and keeps a failure's earlier texts", () => {
    const html = dumpDom(`http://127.0.0.1:${port}/harness.html`);
    const outcome = JSON.parse(element(html, "outcome").text.replace(/&quot;/g, '"').replace(/&amp;/g, "&"));
    assert.equal(outcome.failure, undefined);
    assert.equal(outcome.opened.AppAmount, "21");
    assert.ok(outcome.pageWidth <= 360, `the page is ${outcome.pageWidth} px wide in a 360 px frame`);
    assert.deepEqual(outcome.cutTexts, []);
    assert.deepEqual(outcome.requests, []);
    assert.equal(outcome.labelled, true);
    // The applied depth, a failure and the detectors' answer are announced,
    // not the whole results.
    assert.deepEqual(outcome.liveRegions, ["error-box", "applied", "detector-answer"]);

    const typed = calcTexts(["--rate", "10", "--duration", "2.25", "--root-zone", "500", "--cwu", "5",
                             "--days", "10"]);
    assert.deepEqual(outcome.afterRecalculate.texts,
                     Object.fromEntries(resultNames.map((name) => [name, typed[name]])));
    assert.equal(outcome.afterRecalculate.address, "?rate=10&duration=2.25&rootZone=500&cwu=5&days=10");
    assert.equal(outcome.afterRecalculate.ltStoWarnShown, true);
    assert.equal(outcome.afterRecalculate.storageNegative, true);

    // Days 0 writes the applied depth and the deficits, then fails; the rest
    // keeps the previous run's texts and charts, marked as old.
    const failed = outcome.afterFailure;
    assert.equal(failed.error, "Floating point division by zero.");
    assert.equal(failed.errorShown, true);
    assert.equal(failed.errorInput, "From the box “Days Since Last irrigation”.");
    assert.deepEqual(failed.invalid, ["LtDIrrig"]);
    assert.equal(failed.focused, "LtDIrrig");
    // A link made now carries the inputs of the last run that worked.
    assert.equal(failed.address, outcome.afterRecalculate.address);
    assert.deepEqual([failed.texts.AppAmount, failed.texts.LtSWD, failed.texts.LtSTO], ["23", "0", "-43%"]);
    assert.deepEqual(failed.staleIds.sort(),
                     [...resultNames.slice(3), "FIGURE", "FIGURE", "heavy-plan", "light-plan",
                      "detector-answer"].sort());
    assert.equal(failed.bandRow, outcome.afterRecalculate.bandRow);

    assert.equal(outcome.afterCorrection.errorShown, false);
    assert.deepEqual(outcome.afterCorrection.invalid, []);
    assert.deepEqual(outcome.afterCorrection.staleIds, []);
    assert.equal(outcome.afterCorrection.texts.LtSTO, calcTexts(["--duration", "2.25"]).LtSTO);

    // 22.5 mm applied, shown and counted as 23 mm: the shallow detector
    // (165 mm) UP leaves a light soil deficit of at most (23 / 165 - 0.04) x
    // 500 = 49.70 mm, 9.94 mm a day.
    assert.deepEqual(outcome.afterChoice, {
      answer: "Your detectors say the deficit before this irrigation was at most 49.7 mm " +
              "(you estimated 25 mm): the crop used at most 9.9 mm a day.",
      address: "?rate=10&duration=2.25&rootZone=500&cwu=5&days=5&shallowShowed=up",
      focused: true,
    });
  });
});

describe("screenshots", () => {
  const shots = process.env.MORVANE_WEB_SHOTS || fs.mkdtempSync(path.join(os.tmpdir(), "morvane-shots-"));
  // The width and height recorded in a PNG file's header.
  function pngSize(file) {
    const bytes = fs.readFileSync(file);
    assert.equal(bytes.toString("latin1", 1, 4), "PNG");
    return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
  }
  for (const [width, height] of [[360, 1900], [1280, 900]])
    it(`draws the page ${width} px wide`, () => {
      const file = path.join(shots, `morvane-web-${width}.png`);
      chromium(["--hide-scrollbars", `--window-size=${width},${height}`, `--screenshot=${file}`,
                `${pageUrl}${secondExample}`]);
      assert.deepEqual(pngSize(file), [width, height]);
    });
});
