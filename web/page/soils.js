// The Soils section: each slot's name and four water contents, checked by
// the module as they are typed (morvane_check_soil), with what is wrong told
// beside its field; the soils a run uses; their part of a link, the values
// with "." whatever the language and the name as plain text:
//   lightSoil=0.2:0.1:0.23:0.3&lightSoilName=Loam%2C%20north%20block
// and the soils' titles over the charts, the results' columns and the plan.
// A slot with the built-in values and no name holds the built-in soil, which
// a link leaves out.
"use strict";

const Soils = (() => {
  const byId = (id) => document.getElementById(id);
  const slots = [
    { key: "lightSoil", title: "light", slotName: "Light slot",
      builtInTitle: "Light textured soil", unnamedTitle: "Light slot: own soil" },
    { key: "heavySoil", title: "heavy", slotName: "Heavy slot",
      builtInTitle: "Heavy textured soil", unnamedTitle: "Heavy slot: own soil" },
  ];
  // A slot's fields, the name first, then the values in a soil text's order
  // under the module's keys for them.
  const nameField = { key: "name", caption: "Name",
                      meaning: "Optional; shown above the soil's chart, at most 24 characters." };
  const valueFields = [
    { key: "fieldCapacity", caption: "Field capacity (m³/m³)",
      meaning: "The water content once the soil has drained freely." },
    { key: "wiltingPoint", caption: "Wilting point (m³/m³)",
      meaning: "The water content at which plants can take up no more." },
    { key: "detectionContent", caption: "Detection water content (m³/m³)",
      meaning: "The water content at which a buried detector responds." },
    { key: "upperContent", caption: "Upper water content (m³/m³)",
      meaning: "The wettest the soil gets after an irrigation." },
  ];
  const fields = [nameField, ...valueFields];
  const fieldId = (slot, field) => `${slot.key}-${field.key}`;

  let page;           // the Page, for the module and the decimal separator
  const builtIn = {}; // slot key -> the built-in values' texts
  const checks = {};  // slot key -> the module's last check of its fields

  function addField(fieldset, slot, field, builtInText) {
    const id = fieldId(slot, field);
    const box = document.createElement("div");
    box.className = "field";
    const label = document.createElement("label");
    label.htmlFor = id;
    label.textContent = field.caption;
    const input = document.createElement("input");
    Object.assign(input, { id, type: "text", autocomplete: "off", spellcheck: false });
    if (field === nameField) input.maxLength = 24;
    else input.inputMode = "decimal";
    const hint = document.createElement("p");
    hint.id = `${id}-hint`;
    hint.className = "hint";
    hint.textContent = builtInText === undefined ? field.meaning : `${field.meaning} Built-in: ${builtInText}.`;
    input.setAttribute("aria-describedby", hint.id);
    const error = document.createElement("p");
    error.id = `${id}-error`;
    error.className = "field-error";
    error.hidden = true;
    box.append(label, input, hint, error);
    fieldset.append(box);
    input.addEventListener("input", () => check(slot));
  }

  // Builds the fields; `defaults` holds the module's default texts, the
  // built-in soils among them with the page's separator.
  function build(thePage, defaults) {
    page = thePage;
    byId("soil-example").textContent = page.fromLink("0.2");
    for (const slot of slots) {
      builtIn[slot.key] = defaults[slot.key].split(":");
      const fieldset = byId(slot.key);
      addField(fieldset, slot, nameField);
      valueFields.forEach((field, i) => addField(fieldset, slot, field, builtIn[slot.key][i]));
    }
    byId("built-in-soils").addEventListener("click", showBuiltIn);
  }

  const valueTexts = (slot) => valueFields.map((field) => byId(fieldId(slot, field)).value);

  function showValues(slot, values, name) {
    // The attribute too, so that a saved or dumped page shows the texts.
    valueFields.forEach((field, i) => { byId(fieldId(slot, field)).defaultValue = values[i] ?? ""; });
    byId(fieldId(slot, nameField)).defaultValue = name;
    check(slot);
  }

  // A link's soil text in the four fields: a text of fewer values leaves the
  // last fields empty, one of more keeps the rest in the last, so that the
  // fields say what is wrong with it.
  function linkValues(text) {
    const parts = page.fromLink(text).split(":");
    return [...parts.slice(0, 3), ...(parts.length > 3 ? [parts.slice(3).join(":")] : [])];
  }

  // The soils of a link, or the built-in ones. A soil that is not valid
  // opens the section.
  function fill(params) {
    for (const slot of slots) {
      const text = params.get(slot.key);
      showValues(slot, text === null ? builtIn[slot.key] : linkValues(text),
                 params.get(`${slot.key}Name`) ?? "");
    }
    if (slots.some((slot) => checks[slot.key].message !== null)) byId("soils").open = true;
  }

  function showBuiltIn() {
    for (const slot of slots) {
      valueFields.forEach((field, i) => { byId(fieldId(slot, field)).value = builtIn[slot.key][i]; });
      byId(fieldId(slot, nameField)).value = "";
      check(slot);
    }
  }

  // Marks the field as at fault with the module's sentence, or clears it.
  function showProblem(input, problem) {
    const error = byId(`${input.id}-error`);
    const hint = input.inputMode === "decimal" ? Feedback.separatorHint(input.value, page.separator) : "";
    error.textContent = problem === undefined ? "" : hint ? `${problem} ${hint}` : problem;
    error.hidden = problem === undefined;
    if (problem === undefined) input.removeAttribute("aria-invalid");
    else input.setAttribute("aria-invalid", "true");
    input.setAttribute("aria-describedby", problem === undefined ? `${input.id}-hint`
                                                                  : `${input.id}-error ${input.id}-hint`);
  }

  function check(slot) {
    const name = byId(fieldId(slot, nameField)).value.trim();
    const answer = page.checkSoil(slot.key, valueTexts(slot), name);
    for (const field of fields) showProblem(byId(fieldId(slot, field)), answer.problems[field.key]);
    checks[slot.key] = answer;
    return answer;
  }

  // Why Recalculate cannot run, with the first field at fault and its name
  // for the error box, or null when both soils are valid.
  function refusal() {
    for (const slot of slots) {
      const answer = check(slot);
      if (answer.message === null) continue;
      const field = fields.find((candidate) => answer.problems[candidate.key] !== undefined);
      byId("soils").open = true;
      return { message: answer.message, boxName: `${slot.slotName}, ${field.caption}` };
    }
    return null;
  }

  const ownSoils = () => slots.filter((slot) => !checks[slot.key].builtIn);

  // The run's soil texts, as morvane-calc's --light-soil and --heavy-soil
  // take them: the own soils only.
  function runTexts() {
    return Object.fromEntries(ownSoils().map((slot) => [slot.key, valueTexts(slot).join(":")]));
  }

  function linkParams() {
    const params = [];
    for (const slot of ownSoils()) {
      params.push([slot.key, page.toLink(valueTexts(slot).join(":"))]);
      const name = checks[slot.key].name;
      if (name !== "") params.push([`${slot.key}Name`, name]);
    }
    return params;
  }

  // After a run that worked: its soils' titles, and for print the values of
  // each own soil.
  function showInUse() {
    for (const slot of slots) {
      const answer = checks[slot.key];
      const title = answer.builtIn ? slot.builtInTitle : answer.name || slot.unnamedTitle;
      for (const element of document.querySelectorAll(`[data-soil-title=${slot.title}]`))
        Feedback.showText(element, title);
      const used = byId(`${slot.key}-used`);
      used.textContent = answer.description ?? "";
      used.hidden = answer.builtIn;
    }
  }

  return { build, fill, refusal, runTexts, linkParams, showInUse };
})();
