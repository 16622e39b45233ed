// The page: reads the five input texts, the soils (soils.js) and what the
// detectors showed (detectors.js), runs the model in the WebAssembly module
// on Recalculate (or Enter), and shows its texts, warnings, plan, charts and
// the detectors' answer. The decimal separator follows the
// browser's language; the address carries the inputs of the last run that
// worked, so a link opens with them and computes at once:
//   index.html?rate=12&duration=1.75&days=3&cwu=6.5&rootZone=450
// Numbers in a link are written with "."; a page whose separator is ","
// shows them with "," (duration=1.75 appears as 1,75).
"use strict";

const MorvanePage = (() => {
  // Input boxes: link parameter (the module's name for the input) -> element
  // id (the window's control names).
  const inputs = [
    { param: "rate", id: "AppRate" },
    { param: "duration", id: "Duration" },
    { param: "rootZone", id: "Ltsdepth" },
    { param: "cwu", id: "LtCWU" },
    { param: "days", id: "LtDIrrig" },
  ];
  const resultNames = ["AppAmount", "LtSWD", "HvSWD", "LtTAW", "LtAW", "LtSTO", "LtSD", "LtDD",
                       "HvTAW", "HvAW", "HvSD", "HvDD", "Hv1STO"];
  const soils = [
    { key: "light", chart: "light-chart", title: "Soil Depth (mm)", warn24h: "warn24h",
      plan: "light-plan", storage: "LtSTO", warning: "ltStoWarn" },
    { key: "heavy", chart: "heavy-chart", title: "Soil depth (mm)", warn24h: "warn24h2",
      plan: "heavy-plan", storage: "Hv1STO", warning: "HvSTOWarn" },
  ];

  const byId = (id) => document.getElementById(id);
  // What a run that wrote nothing leaves.
  const nothingWritten = { texts: {}, warnings: {} };

  // The language's decimal separator when it is one ASCII character, else
  // ".": "de-DE" -> ",", "en-GB" -> ".", "ar-EG" (U+066B) -> ".".
  function decimalSeparatorFor(language) {
    let separator = ".";
    try {
      const part = new Intl.NumberFormat(language).formatToParts(1.5)
        .find((p) => p.type === "decimal");
      if (part && /^[\x21-\x7e]$/.test(part.value)) separator = part.value;
    } catch (unknownLanguage) {
      // Keep ".".
    }
    return separator;
  }

  class Page {
    constructor(model, separator) {
      this.model = model;
      this.separator = separator;
      this.depthAxis = this.callModel("morvane_depth_axis", [], []);
    }

    // Calls one of the module's functions that answer with JSON.
    callModel(name, types, args) {
      const pointer = this.model.ccall(name, "number", types, args);
      try {
        return JSON.parse(this.model.UTF8ToString(pointer));
      } finally {
        this.model._free(pointer);
      }
    }

    // `texts` holds the run's inputs under the module's names; one left out
    // takes its default.
    run(texts) {
      for (const [name, text] of Object.entries(texts))
        if (!this.model.ccall("morvane_set_input", "number", ["string", "string"], [name, text]))
          throw new Error(`the model has no input ${name}`);
      return this.callModel("morvane_run", ["number"], [this.separator.charCodeAt(0)]);
    }

    checkSoil(slot, values, name) {
      return this.callModel("morvane_check_soil", ["string", "string", "string", "string",
                                                   "string", "string", "number"],
                            [slot, ...values, name, this.separator.charCodeAt(0)]);
    }

    defaultTexts() {
      return this.callModel("morvane_default_inputs", ["number"], [this.separator.charCodeAt(0)]);
    }

    // Link texts use "."; the boxes show the page's separator.
    fromLink(text) { return this.separator === "." ? text : text.split(".").join(this.separator); }
    toLink(text) { return this.separator === "." ? text : text.split(this.separator).join("."); }

    fillInputsFromAddress(defaults) {
      const params = new URLSearchParams(window.location.search);
      for (const { param, id } of inputs) {
        const given = params.get(param);
        // The attribute too, so that a saved or dumped page shows the texts.
        byId(id).defaultValue = given === null ? defaults[param] : this.fromLink(given);
      }
      Soils.fill(params);
      Detectors.fill(params);
    }

    inputTexts() {
      const texts = {};
      for (const { param, id } of inputs) texts[param] = byId(id).value;
      return texts;
    }

    updateAddress(texts) {
      const params = new URLSearchParams();
      for (const { param } of inputs) params.set(param, this.toLink(texts[param]));
      for (const [name, value] of Soils.linkParams()) params.set(name, value);
      for (const [name, word] of Object.entries(Detectors.runTexts())) params.set(name, word);
      // A soil's colons may stand as they are in a query, and read better so.
      try {
        window.history.replaceState(null, "", `?${String(params).replaceAll("%3A", ":")}`);
      } catch (notAllowedHere) {
        // Some browsers refuse to change a file:// address; the page still works.
      }
    }

    drawEmptyCharts() {
      for (const soil of soils) SoilChart.draw(byId(soil.chart), soil.title, this.depthAxis, null);
      SoilChart.drawSwatches();
    }

    // One run of the texts in the boxes; true when it worked. A soil that is
    // not valid refuses it: nothing is computed.
    recalculate() {
      const refusal = Soils.refusal();
      if (refusal !== null) {
        this.showResults(nothingWritten, true);
        Detectors.showRefusal(null, null);
        Feedback.showRefusal(refusal.message, refusal.boxName);
        return false;
      }
      const texts = this.inputTexts();
      const answer = this.run({ ...texts, ...Soils.runTexts(), ...Detectors.runTexts() });
      const error = answer.refused ?? answer.report.error ?? answer.chartError;
      this.showResults(answer.report ?? nothingWritten, error !== null);
      Detectors.showRefusal(answer.refused, answer.failedInput);
      if (error === null) {
        this.showCharts(answer);
        Detectors.showAnswer(answer);
        Soils.showInUse();
        this.updateAddress(texts);
      }
      Feedback.showFailure(error, answer.failedInput, texts, this.separator);
      return error === null;
    }

    // Texts the run wrote replace the old ones; after a failure everything
    // else keeps the previous run's values, marked as old.
    showResults(report, failed) {
      for (const name of resultNames) {
        const text = report.texts[name];
        if (text !== undefined) Feedback.showText(byId(name), text);
        Feedback.markOld(byId(name), failed && text === undefined);
      }
      for (const soil of soils) {
        const shown = report.warnings[soil.warning];
        if (shown !== undefined) {
          byId(soil.warning).hidden = !shown;
          byId(soil.storage).classList.toggle("negative", shown);
        }
        Feedback.markOld(byId(soil.plan), failed);
        Feedback.markOld(byId(soil.chart).closest("figure"), failed);
      }
      Feedback.markOld(byId("detector-answer"), failed);
      document.body.classList.toggle("failed", failed);
    }

    showCharts(answer) {
      const deepShown = answer.charts.light.deepMarker.shown;
      for (const row of document.querySelectorAll(".deep-detector")) row.hidden = !deepShown;
      for (const soil of soils) {
        const chart = answer.charts[soil.key];
        SoilChart.draw(byId(soil.chart), soil.title, this.depthAxis, chart);
        byId(soil.warn24h).hidden = !chart.frontBeyondChart;
        byId(soil.plan).textContent = answer.sentences[soil.key];
      }
    }
  }

  async function start() {
    const separator = decimalSeparatorFor(navigator.language);
    const page = new Page(await createMorvaneModel(), separator);
    page.drawEmptyCharts();
    const defaults = page.defaultTexts();
    Soils.build(page, defaults);
    // A detector's choice is taken at once, without moving the focus.
    Detectors.build(() => page.recalculate());
    page.fillInputsFromAddress(defaults);
    page.recalculate();
    byId("inputs").addEventListener("submit", (event) => {
      event.preventDefault();
      Feedback.afterRecalculate(page.recalculate());
    });
    document.body.dataset.ready = "true";
  }

  return { start, decimalSeparatorFor, inputs };
})();

MorvanePage.start().catch((failure) => {
  // Only a browser without WebAssembly gets here: say so instead of showing nothing.
  const error = document.getElementById("error");
  error.textContent = `The calculation cannot run in this browser: ${failure}`;
  error.hidden = false;
});
