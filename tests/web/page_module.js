// Loads the WebAssembly model out of a built index.html, exactly as the page
// carries it, and runs it in node.
"use strict";

const fs = require("fs");

// The inline <script> that defines createMorvaneModel.
function modelScript(pagePath) {
  const html = fs.readFileSync(pagePath, "utf8");
  for (const match of html.matchAll(/<script>\n([\s\S]*?)\n<\/script>/g))
    if (match[1].includes("var createMorvaneModel")) return match[1];
  throw new Error(`${pagePath} holds no model script`);
}

async function loadPageModel(pagePath) {
  // The script expects node's module-local require and __dirname.
  const createModel = new Function("require", "__dirname",
                                   `${modelScript(pagePath)}\nreturn createMorvaneModel;`);
  const model = await createModel(require, __dirname)();

  function call(name, types, args) {
    const pointer = model.ccall(name, "number", types, args);
    try {
      return model.UTF8ToString(pointer);
    } finally {
      model._free(pointer);
    }
  }

  return {
    // The raw JSON answer of one run of `texts` (the inputs under the
    // module's names) and its parsed form; `report` is the report's own
    // bytes, cut out of the answer.
    run(texts, separator) {
      for (const [name, text] of Object.entries(texts))
        if (!model.ccall("morvane_set_input", "number", ["string", "string"], [name, text]))
          throw new Error(`the model has no input ${name}`);
      const raw = call("morvane_run", ["number"], [separator.charCodeAt(0)]);
      const start = '{"report": ';
      const end = raw.indexOf(', "plain": ');
      if (!raw.startsWith(start) || end < 0) throw new Error(`unexpected answer ${raw}`);
      return { raw, report: raw.slice(start.length, end), answer: JSON.parse(raw) };
    },
    checkSoil(slot, values, name, separator) {
      return JSON.parse(call("morvane_check_soil", Array(6).fill("string").concat("number"),
                             [slot, ...values, name, separator.charCodeAt(0)]));
    },
    defaultInputs(separator) {
      return JSON.parse(call("morvane_default_inputs", ["number"], [separator.charCodeAt(0)]));
    },
    depthAxis() { return JSON.parse(call("morvane_depth_axis", [], [])); },
    depthRow: (depth) => model._morvane_depth_row(depth),
    depthLength: (extent) => model._morvane_depth_length(extent),
  };
}

module.exports = { loadPageModel };
