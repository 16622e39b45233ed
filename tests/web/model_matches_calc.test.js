// The page's WebAssembly model against the native morvane-calc: the same
// texts, warnings, held depths and failure message, byte for byte, for the
// worked examples, every kind of failure and 1,000 seeded random inputs,
// with "." and "," as the decimal separator.
//   node --test tests/web/  (MORVANE_PAGE=OUT/index.html MORVANE_CALC=.../morvane-calc)
"use strict";

const assert = require("node:assert/strict");
const { execFileSync, spawnSync } = require("node:child_process");
const { describe, it, before } = require("node:test");
const { loadPageModel } = require("./page_module.js");
const { seededRandom: random } = require("./seeded_random.js");

const pagePath = process.env.MORVANE_PAGE;
const calcPath = process.env.MORVANE_CALC;
if (!pagePath || !calcPath) throw new Error("set MORVANE_PAGE and MORVANE_CALC");

// morvane-calc's answer for the texts: its --json line with the error line
// of standard error, and its plain output. The JSON run works out the
// irrigation plan too, whose failure fails the run.
function calc(texts, separator) {
  const args = ["--rate", texts.rate, "--duration", texts.duration, "--days", texts.days,
                "--cwu", texts.cwu, "--root-zone", texts.rootZone,
                "--decimal-separator", separator];
  const options = { encoding: "utf8", env: { LC_ALL: "C" } };
  const json = spawnSync(calcPath, [...args, "--json"], options);
  const plain = spawnSync(calcPath, args, options);
  if (json.status === 2 || plain.status === 2) throw new Error(`usage error: ${json.stderr}`);
  return { json: json.stdout, plain: plain.stdout, stderr: json.stderr };
}

function expectSameAsCalc(model, texts, separator) {
  const ours = model.run(texts, separator);
  const theirs = calc(texts, separator);
  const label = `${JSON.stringify(texts)} with "${separator}"`;
  assert.equal(`${ours.report}\n`, theirs.json, label);
  assert.equal(ours.answer.plain, theirs.plain, label);
  const error = ours.answer.report.error;
  assert.equal(error === null ? "" : `${error}\n`, theirs.stderr, label);
  return ours.answer;
}

const defaults = { rate: "10", duration: "2.5", days: "5", cwu: "5", rootZone: "500" };
const withDefaults = (given) => ({ ...defaults, ...given });

// Mostly plausible numbers, with some zeros, negatives, exponents, blanks,
// the other separator, huge and tiny values and junk.
function randomText(next, typical) {
  const pick = (list) => list[Math.floor(next() * list.length)];
  const r = next();
  if (r < 0.55) return String(Math.round(next() * typical * 10) / 10);
  if (r < 0.70) return (next() * typical).toFixed(Math.floor(next() * 4));
  if (r < 0.78) return String(Math.floor(next() * typical));
  if (r < 0.83) return `-${(next() * typical).toFixed(1)}`;
  if (r < 0.88) return `${(1 + next() * 9).toFixed(2)}e${Math.floor(next() * 9) - 4}`;
  return pick(["0", "-0", "", " 5", "5 ", "+7", ".5", "5.", "1,5", "1.5", "1e308", "1e-308",
               "1e4999", "abc", "2.5.1", "0x10", "1e", "12345678901234567890", "0.00000001"]);
}

describe("the page's model gives morvane-calc's texts", () => {
  let model;
  before(async () => { model = await loadPageModel(pagePath); });

  it("on the worked examples, with both separators", () => {
    const first = expectSameAsCalc(model, defaults, ".");
    assert.equal(first.report.texts.LtSTO, "29%");
    assert.match(first.sentences.light, /^Shallow detector \(165 mm\) responds once 14\.8 mm is applied: 1 h 30 min/);
    const second = expectSameAsCalc(model,
      { rate: "12", duration: "1.75", days: "3", cwu: "6.5", rootZone: "450" }, ".");
    assert.equal(second.report.texts.LtSWD, "19.5");
    const comma = expectSameAsCalc(model,
      { rate: "12", duration: "1,75", days: "3", cwu: "6,5", rootZone: "450" }, ",");
    assert.equal(comma.report.texts.HvAW, "25,5");
  });

  it("on every kind of failure, keeping what was written before it", () => {
    const cases = [
      // [inputs, the message, the last text written before the failure, the
      //  input box the page names]
      [{ duration: "abc" }, "'abc' is not a valid floating point value.", undefined, "duration"],
      [{ rate: "1e4999" }, "'1e4999' is not a valid floating point value.", undefined, "rate"],
      [{ rootZone: "5OO" }, "'5OO' is not a valid floating point value.", "AppAmount", "rootZone"],
      [{ cwu: "2,5" }, "'2,5' is not a valid floating point value.", "AppAmount", "cwu"],
      [{ days: "0" }, "Floating point division by zero.", "HvSWD", "days"],
      [{ cwu: "0" }, "Floating point division by zero.", "HvSWD", "cwu"],
      [{ rootZone: "0" }, "Floating point division by zero.", "HvSWD", "rootZone"],
      // The light storage divides by a total of 0.0: no one box is zero.
      [{ rootZone: "0.1" }, "Floating point division by zero.", "LtAW", null],
      [{ days: "-11" }, "Floating point division by zero.", "HvSWD", null],
      [{ days: "-6" }, "Floating point division by zero.", "HvSWD", null],
      [{ rootZone: "0", days: "0" }, "Invalid floating point operation.", "HvSWD", "rootZone"],
      // The applied depth is written, then read back beyond the double range.
      [{ rate: "1e308", duration: "10" }, "Floating point overflow.", "AppAmount", null],
      [{ rootZone: "1e-320" }, "Floating point overflow.", "HvSWD", null],
      // Every text is written; the run time of the plan is beyond the double range.
      [{ rate: "1e-310" }, "Floating point overflow.", "Hv1STO", null],
      // The first box that does not convert stops the run, not a later one.
      [{ rate: "x", days: "y" }, "'x' is not a valid floating point value.", undefined, "rate"],
      [{ days: "1.5.", rootZone: "0" }, "'1.5.' is not a valid floating point value.", "AppAmount",
       "days"],
    ];
    for (const [given, message, lastWritten, box] of cases) {
      const answer = expectSameAsCalc(model, withDefaults(given), ".");
      assert.equal(answer.report.error, message, JSON.stringify(given));
      assert.equal(answer.failedInput, box, JSON.stringify(given));
      assert.equal(answer.charts, null);
      const written = Object.keys(answer.report.texts);
      assert.equal(written[written.length - 1], lastWritten, JSON.stringify(given));
      assert.equal(answer.report.plan, null);
      assert.equal(answer.sentences, null);
    }
  });

  it("on 1,000 seeded random inputs", () => {
    const next = random(20261208);
    let failures = 0;
    for (let i = 0; i < 1000; ++i) {
      const separator = next() < 0.3 ? "," : ".";
      const localised = (text) => (separator === "," && next() < 0.9 ? text.replace(".", ",") : text);
      const texts = {
        rate: localised(randomText(next, 40)), duration: localised(randomText(next, 12)),
        days: localised(randomText(next, 20)), cwu: localised(randomText(next, 12)),
        rootZone: localised(randomText(next, 1200)),
      };
      if (expectSameAsCalc(model, texts, separator).report.error !== null) ++failures;
    }
    // Both outcomes are well represented, so neither path goes untested.
    assert.ok(failures > 100 && failures < 900, `${failures} of 1000 runs failed`);
  });

  it("writes the default inputs with the separator", () => {
    assert.deepEqual(model.defaultInputs("."), defaults);
    assert.deepEqual(model.defaultInputs(","), withDefaults({ duration: "2,5" }));
    // Not a usable separator: the page falls back to ".", as morvane-calc would refuse it.
    assert.deepEqual(model.defaultInputs("5"), defaults);
  });
});
