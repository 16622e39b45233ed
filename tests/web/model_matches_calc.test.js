// The page's WebAssembly model against the native morvane-calc: the same
// texts, warnings, held depths, detectors' answer and failure message, byte
// for byte, for the worked examples, every kind of failure, soils of one's
// own (and the message for one that is not valid), what the detectors
// showed, and 1,000 seeded random inputs with random soils and detectors
// among them, with "." and "," as the decimal separator.
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

// The module's input names and morvane-calc's options for them.
const calcOptions = { rate: "--rate", duration: "--duration", days: "--days", cwu: "--cwu",
                      rootZone: "--root-zone", lightSoil: "--light-soil", heavySoil: "--heavy-soil",
                      shallowShowed: "--shallow-showed", deepShowed: "--deep-showed" };

// morvane-calc's answer for the texts: its --json line with the error line
// of standard error, and its plain output. The JSON run works out the
// irrigation plan too, whose failure fails the run.
function calc(texts, separator) {
  const args = Object.entries(texts).flatMap(([name, text]) => [`${calcOptions[name]}=${text}`]);
  args.push("--decimal-separator", separator);
  const options = { encoding: "utf8", env: { LC_ALL: "C" } };
  const json = spawnSync(calcPath, [...args, "--json"], options);
  const plain = spawnSync(calcPath, args, options);
  return { json: json.stdout, plain: plain.stdout, stderr: json.stderr,
           usageError: json.status === 2 && plain.status === 2 };
}

function expectSameAsCalc(model, texts, separator) {
  const ours = model.run(texts, separator);
  const theirs = calc(texts, separator);
  const label = `${JSON.stringify(texts)} with "${separator}"`;
  // A soil that is not valid: morvane-calc's usage error, and its message.
  const refused = ours.answer.refused;
  assert.equal(theirs.usageError, refused !== null, `${label}: ${theirs.stderr}`);
  if (refused !== null) {
    assert.equal(theirs.json + theirs.plain, "", label);
    assert.equal(theirs.stderr.split("\n")[0], `morvane-calc: ${refused}`, label);
    return ours.answer;
  }
  assert.equal(`${ours.report}\n`, theirs.json, label);
  assert.equal(ours.answer.plain, theirs.plain, label);
  const error = ours.answer.report.error;
  assert.equal(error === null ? "" : `${error}\n`, theirs.stderr, label);
  return ours.answer;
}

const defaults = { rate: "10", duration: "2.5", days: "5", cwu: "5", rootZone: "500" };
const withDefaults = (given) => ({ ...defaults, ...given });
const builtInSoils = { lightSoil: "0.14:0.07:0.18:0.25", heavySoil: "0.32:0.22:0.34:0.38" };

// Four water contents of three decimals in the order of a soil text, mostly
// a valid soil (0 < WP < FC < DETECT < UPPER < 1); ties and 0 make some not.
function randomSoil(next, separator) {
  const [wp, fc, detect, upper] = [next(), next(), next(), next()]
    .map((value) => Math.round(value * 1000) / 1000).sort((a, b) => a - b);
  return [fc, wp, detect, upper].map((value) => String(value).replace(".", separator)).join(":");
}

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

  it("with a soil of one's own, worked by hand", () => {
    // Light 0.2:0.1:0.23:0.3 and the default inputs: 25 mm applied onto a
    // deficit of 5 x 5 = 25 mm. Available water (0.2 - 0.1) x 500 = 50.0 mm,
    // 50 - 25 = 25.0 mm left, 25 / 50 = 50%; the soil starts at 0.2 - 25 / 500
    // = 0.15 and is wetted to 0.23 down to 25 / (0.23 - 0.15) = 312.5 mm; the
    // shallow detector at 165 mm needs 165 x 0.08 = 13.2 mm, 1.32 h at 10 mm/h,
    // 1 h 20 min once rounded up to the minute.
    const light = expectSameAsCalc(model, { lightSoil: "0.2:0.1:0.23:0.3" }, ".");
    assert.deepEqual([light.report.texts.LtTAW, light.report.texts.LtAW, light.report.texts.LtSTO],
                     ["50.0", "25.0", "50%"]);
    assert.ok(Math.abs(light.report.light.maxDetectionDepth - 312.5) < 1e-9);
    assert.match(light.sentences.light, /^Shallow detector \(165 mm\) responds once 13\.2 mm is applied: 1 h 20 min/);
    assert.deepEqual(light.report.soils, {
      light: { fieldCapacity: 0.2, wiltingPoint: 0.1, detectionContent: 0.23, upperContent: 0.3 },
      heavy: { fieldCapacity: 0.32, wiltingPoint: 0.22, detectionContent: 0.34, upperContent: 0.38 } });
    // Heavy 0,36:0,2:0,4:0,45 with the comma: 0.16 x 500 = 80.0 mm, 55.0 mm
    // left, 55 / 80 = 68.75, 69%; the light soil is the built-in one still.
    const heavy = expectSameAsCalc(model, { heavySoil: "0,36:0,2:0,4:0,45" }, ",");
    assert.deepEqual([heavy.report.texts.HvTAW, heavy.report.texts.HvAW, heavy.report.texts.Hv1STO,
                      heavy.report.texts.LtSTO], ["80,0", "55,0", "69%", "29%"]);
    // The built-in values as soils, spelt otherwise too, change no byte.
    assert.equal(model.run({ ...builtInSoils, heavySoil: "0.320:0.22:0.34:.38" }, ".").raw,
                 model.run({}, ".").raw);
  });

  it("refuses a soil that is not valid with morvane-calc's message", () => {
    const cases = [
      [{ lightSoil: "0.2:0.25:0.23:0.3" }, ".",
       "Light soil: the wilting point must be below the field capacity (0.25 is not below 0.2)."],
      [{ heavySoil: "0,3:0,2:0,25:0,4" }, ",",
       "Heavy soil: the detection water content must be above the field capacity (0,25 is not above 0,3)."],
      [{ lightSoil: "0.2:0.1:0.23:1" }, ".",
       "Light soil: the upper water content must be below 1 (1 is not below 1)."],
      [{ heavySoil: "0,2:0,1:0,23" }, ",",
       "Heavy soil: a soil is four values separated by colons, FC:WP:DETECT:UPPER ('0,2:0,1:0,23' has 3)."],
      [{ heavySoil: "0.2:0,1:0.23:0.3" }, ".", "Heavy soil: the wilting point '0,1' is not a number."],
      // The light soil is read first; a bad soil refuses even inputs that would fail.
      [{ lightSoil: "0.2::0.23:0.3", heavySoil: "", days: "abc" }, ".",
       "Light soil: the wilting point is missing."],
    ];
    for (const [given, separator, message] of cases)
      assert.equal(expectSameAsCalc(model, given, separator).refused, message, JSON.stringify(given));
  });

  it("on 1,000 seeded random inputs, a third of them with random soils, most with detectors", () => {
    const next = random(20261208);
    const nextSoil = random(20260420);
    const nextShowed = random(20260521);
    let failures = 0;
    let ownSoils = 0;
    let answers = 0;
    for (let i = 0; i < 1000; ++i) {
      const separator = next() < 0.3 ? "," : ".";
      const localised = (text) => (separator === "," && next() < 0.9 ? text.replace(".", ",") : text);
      const texts = {
        rate: localised(randomText(next, 40)), duration: localised(randomText(next, 12)),
        days: localised(randomText(next, 20)), cwu: localised(randomText(next, 12)),
        rootZone: localised(randomText(next, 1200)),
      };
      for (const slot of ["lightSoil", "heavySoil"])
        if (nextSoil() < 0.2) texts[slot] = randomSoil(nextSoil, separator);
      for (const detector of ["shallowShowed", "deepShowed"]) {
        const word = ["up", "down", undefined][Math.floor(nextShowed() * 3)];
        if (word) texts[detector] = word;
      }
      const answer = expectSameAsCalc(model, texts, separator);
      if (answer.refused !== null || answer.report.error !== null) ++failures;
      if (answer.report?.soils) ++ownSoils;
      if (answer.answerSentences) ++answers;
    }
    // Both outcomes are well represented, so neither path goes untested.
    assert.ok(failures > 100 && failures < 900, `${failures} of 1000 runs failed`);
    assert.ok(ownSoils > 200, `${ownSoils} runs with an own soil`);
    assert.ok(answers > 200, `${answers} runs with the detectors' answer`);
  });

  it("answers what the detectors showed in the window's words, worked by hand", () => {
    // Default inputs: 25 mm applied, estimate 5 x 5 = 25 mm, root zone 500 mm,
    // detectors at 165 and 335 mm. A detector at x responds while the deficit
    // is at most (25 / x - (DETECT - FC)) x 500: light (0.04) 55.76 at 165 and
    // 17.31 at 335, heavy (0.02) 65.76 and 27.31; a day is a fifth of that.
    const contradiction = "What your detectors showed contradicts the model: no deficit before " +
                          "this irrigation gives that answer. A detector may be faulty or badly installed.";
    const says = (range, estimate, use) =>
      `Your detectors say the deficit before this irrigation was ${range} mm (you estimated ${estimate}): ` +
      `the crop used ${use} mm a day.`;
    const cases = [
      [{ shallowShowed: "up", deepShowed: "down" }, ".",
       says("between 17.3 and 55.8", "25 mm", "3.5 to 11.2"),
       says("between 27.3 and 65.8", "25 mm, less than that", "5.5 to 13.2")],
      [{ duration: "2,5", shallowShowed: "up", deepShowed: "down" }, ",",
       says("between 17,3 and 55,8", "25 mm", "3,5 to 11,2"),
       says("between 27,3 and 65,8", "25 mm, less than that", "5,5 to 13,2")],
      [{ shallowShowed: "up", deepShowed: "up" }, ".",
       says("at most 17.3", "25 mm, more than that", "at most 3.5"), says("at most 27.3", "25 mm", "at most 5.5")],
      [{ shallowShowed: "down", deepShowed: "up" }, ".", contradiction, contradiction],
      // Root zone 299: one detector at 150 mm, light (25 / 150 - 0.04) x 299 =
      // 37.87, heavy (25 / 150 - 0.02) x 299 = 43.85; the deep one does not count.
      [{ rootZone: "299", shallowShowed: "down", deepShowed: "up" }, ".",
       says("at least 37.9", "25 mm, less than that", "at least 7.6"),
       says("at least 43.9", "25 mm, less than that", "at least 8.8")],
      // Only a detector the run does not show: no answer, as in the window.
      [{ rootZone: "299", deepShowed: "down" }, ".", undefined, undefined],
    ];
    for (const [given, separator, light, heavy] of cases) {
      const answer = expectSameAsCalc(model, withDefaults(given), separator);
      assert.deepEqual(answer.answerSentences ?? undefined, light && { light, heavy }, JSON.stringify(given));
    }
    // Another word in a link refuses the run, naming the parameter.
    for (const [given, message] of [[{ deepShowed: "UP" }, "deepShowed takes up or down, not 'UP'."],
                                    [{ shallowShowed: "" }, "shallowShowed takes up or down, not ''."]]) {
      const { answer } = model.run(given, ".");
      assert.deepEqual([answer.refused, answer.failedInput, answer.report],
                       [message, Object.keys(given)[0], null]);
    }
  });

  it("writes the default inputs with the separator", () => {
    assert.deepEqual(model.defaultInputs("."), { ...defaults, ...builtInSoils });
    assert.deepEqual(model.defaultInputs(","),
                     withDefaults({ duration: "2,5", lightSoil: "0,14:0,07:0,18:0,25",
                                    heavySoil: "0,32:0,22:0,34:0,38" }));
    // Not a usable separator: the page falls back to ".", as morvane-calc would refuse it.
    assert.deepEqual(model.defaultInputs("5"), { ...defaults, ...builtInSoils });
  });

  it("checks a slot's fields as the window's Soils dialog does, and as a run reads them", () => {
    const cases = [
      // The built-in values in any spelling and no name are the built-in soil.
      { slot: "lightSoil", values: ["0.14", "0.070", " 0.18", "0.25"], builtIn: true },
      { slot: "lightSoil", values: ["0.14", "0.07", "0.18", "0.25"], name: "Sand",
        description: "Own soil in the light slot: field capacity 0.14, wilting point 0.07, " +
                     "detection water content 0.18, upper water content 0.25 (m³/m³)" },
      { slot: "heavySoil", values: ["0,2", "0,25", "0,23", "0,3"], separator: ",",
        problems: { wiltingPoint: "The wilting point must be below the field capacity (0,25 is not below 0,2)." },
        message: "Heavy soil: the wilting point must be below the field capacity (0,25 is not below 0,2)." },
      // Each field at fault is told; the message is the first.
      { slot: "lightSoil", values: ["", "0.1", "0.2.3", "0.3"],
        problems: { fieldCapacity: "The field capacity is missing.",
                    detectionContent: "The detection water content '0.2.3' is not a number." },
        message: "Light soil: the field capacity is missing." },
      // The name is the slot's first field, so its problem comes first.
      { slot: "lightSoil", values: ["0.2", "x", "0.23", "0.3"], name: "Loam, north block, east end",
        problems: { name: "The name is longer than 24 characters (it has 27).",
                    wiltingPoint: "The wilting point 'x' is not a number." },
        message: "Light soil: the name is longer than 24 characters (it has 27)." },
      { slot: "heavySoil", values: ["0.36", "0.2", "0.4", "0.45"], name: "Clay\tloam",
        problems: { name: "The name cannot hold a control character such as a tab or a line break." },
        message: "Heavy soil: the name cannot hold a control character such as a tab or a line break." },
    ];
    for (const { slot, values, name = "", separator = ".", problems = {}, message = null,
                 builtIn = false, description = null } of cases) {
      const label = `${slot} ${values.join(":")} "${name}"`;
      assert.deepEqual(model.checkSoil(slot, values, name, separator),
                       { name, builtIn, problems, message, description }, label);
      // A run reads the same fields as the same soil, or refuses it for the same reason.
      if (problems.name === undefined)
        assert.equal(model.run({ [slot]: values.join(":") }, separator).answer.refused, message, label);
    }
  });
});
