// The page: reads the five input texts, runs the model in the WebAssembly
// module on Recalculate (or Enter), and shows its texts, warnings, plan and
// charts. The decimal separator follows the browser's language; the address
// carries the inputs, so a link opens with them and computes at once:
//   index.html?rate=12&duration=1.75&days=3&cwu=6.5&rootZone=450
// Numbers in a link are written with "."; a page whose separator is ","
// shows them with "," (duration=1.75 appears as 1,75).
"use strict";

const MorvanePage = (() => {
  // Input boxes: link parameter -> element id (the window's control names).
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
    { key: "light", chart: "light-chart", title: "Soil Depth (mm)", shallow: "LtSD", deep: "LtDD",
      warn24h: "warn24h", plan: "light-plan", storage: "LtSTO", warning: "ltStoWarn" },
    { key: "heavy", chart: "heavy-chart", title: "Soil depth (mm)", shallow: "HvSD", deep: "HvDD",
      warn24h: "warn24h2", plan: "heavy-plan", storage: "Hv1STO", warning: "HvSTOWarn" },
  ];
  const deepDetectorMinimumRootZone = 300;

  const byId = (id) => document.getElementById(id);

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

    run(texts) {
      const separatorCode = this.separator.charCodeAt(0);
      return this.callModel("morvane_run",
                            ["string", "string", "string", "string", "string", "number"],
                            [texts.rate, texts.duration, texts.days, texts.cwu, texts.rootZone,
                             separatorCode]);
    }

    defaultTexts() {
      return this.callModel("morvane_default_inputs", ["number"], [this.separator.charCodeAt(0)]);
    }

    // Link texts use "."; the boxes show the page's separator.
    fromLink(text) { return this.separator === "." ? text : text.split(".").join(this.separator); }
    toLink(text) { return this.separator === "." ? text : text.split(this.separator).join("."); }

    fillInputsFromAddress() {
      const defaults = this.defaultTexts();
      const params = new URLSearchParams(window.location.search);
      for (const { param, id } of inputs) {
        const given = params.get(param);
        // The attribute too, so that a saved or dumped page shows the texts.
        byId(id).defaultValue = given === null ? defaults[param] : this.fromLink(given);
      }
    }

    inputTexts() {
      const texts = {};
      for (const { param, id } of inputs) texts[param] = byId(id).value;
      return texts;
    }

    updateAddress(texts) {
      const params = new URLSearchParams();
      for (const { param } of inputs) params.set(param, this.toLink(texts[param]));
      try {
        window.history.replaceState(null, "", `?${params}`);
      } catch (notAllowedHere) {
        // Some browsers refuse to change a file:// address; the page still works.
      }
    }

    recalculate() {
      const answer = this.run(this.inputTexts());
      this.showResults(answer);
    }

    showResults(answer) {
      const report = answer.report;
      // Texts the run wrote replace the old ones; after a failure the rest
      // keep the previous run's values, marked as such.
      for (const name of resultNames) {
        const cell = byId(name);
        const text = report.texts[name];
        if (text !== undefined) cell.textContent = text;
        cell.classList.toggle("stale", text === undefined && report.error !== null);
      }
      for (const soil of soils) {
        const shown = report.warnings[soil.warning];
        if (shown !== undefined) {
          byId(soil.warning).hidden = !shown;
          byId(soil.storage).classList.toggle("negative", shown);
        }
      }
      const error = byId("error");
      error.textContent = report.error === null ? "" : report.error;
      error.hidden = report.error === null;
      document.body.classList.toggle("failed", report.error !== null);
      if (report.error === null) this.showCharts(answer);
    }

    showCharts(answer) {
      const report = answer.report;
      const held = { appliedDepth: answer.appliedDepth, rootZone: answer.rootZone };
      const deepShown = held.rootZone >= deepDetectorMinimumRootZone;
      for (const row of document.querySelectorAll(".deep-detector")) row.hidden = !deepShown;
      for (const soil of soils) {
        const texts = { shallow: report.texts[soil.shallow], deep: report.texts[soil.deep] };
        const geometry = ChartGeometry.soilChartGeometry(report[soil.key], texts, held);
        SoilChart.draw(byId(soil.chart), soil.title, geometry);
        byId(soil.warn24h).hidden = !geometry.beyond600;
        byId(soil.plan).textContent = answer.sentences[soil.key];
      }
    }
  }

  async function start() {
    const separator = decimalSeparatorFor(navigator.language);
    for (const soil of soils) SoilChart.draw(byId(soil.chart), soil.title, null);
    const page = new Page(await createMorvaneModel(), separator);
    page.fillInputsFromAddress();
    page.recalculate();
    byId("inputs").addEventListener("submit", (event) => {
      event.preventDefault();
      page.updateAddress(page.inputTexts());
      page.recalculate();
    });
    document.body.dataset.ready = "true";
  }

  return { start, decimalSeparatorFor };
})();

MorvanePage.start().catch((failure) => {
  // Only a browser without WebAssembly gets here: say so instead of showing nothing.
  const error = document.getElementById("error");
  error.textContent = `The calculation cannot run in this browser: ${failure}`;
  error.hidden = false;
});
