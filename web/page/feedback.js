// What the page shows around a run: old values marked as old, a failure
// named with its input box, and where focus and the view go after
// Recalculate, so that a phone shows the outcome at once.
"use strict";

const Feedback = (() => {
  const byId = (id) => document.getElementById(id);
  const boxOf = (name) => MorvanePage.inputs.find((input) => input.param === name);

  // A live region announces what is written into it: a text that has not
  // changed is left as it is, so that only what changed is heard.
  function showText(element, text) {
    if (element.textContent !== text) element.textContent = text;
  }

  // Old values stay readable but are grey, italic and explained by a note.
  function markOld(element, old) {
    element.classList.toggle("stale", old);
    byId("stale-note").hidden = document.querySelector(".stale") === null;
  }

  // "2.5" in a comma language: say that the comma is expected, with the text
  // as it should have been typed; likewise the other way round.
  function separatorHint(text, separator) {
    const other = separator === "," ? "." : ",";
    if (separator !== "," && separator !== ".") return "";
    if (!text.includes(other) || text.includes(separator)) return "";
    const name = separator === "," ? "a comma" : "a point";
    return `This page expects ${name} as the decimal separator: type ` +
           `${text.trim().split(other).join(separator)}.`;
  }

  function clearInvalidBoxes() {
    for (const { id } of MorvanePage.inputs) {
      const input = byId(id);
      input.removeAttribute("aria-invalid");
      input.removeAttribute("aria-describedby");
      byId(`${id}-error`).hidden = true;
    }
  }

  // The message in the error box, with the name of the box it came from
  // when it came from one.
  function showError(error, boxName, hint) {
    byId("error").textContent = error ?? "";
    byId("error-box").hidden = error === null;
    byId("error-input").hidden = boxName === undefined;
    if (boxName !== undefined)
      byId("error-input").textContent = `From the box “${boxName}”.${hint ? ` ${hint}` : ""}`;
  }

  // The failure's message (morvane-calc's text) in the error box; when it
  // came from one box, that box's name there too, and the box marked with
  // the message beside it.
  function showFailure(error, failedInput, texts, separator) {
    clearInvalidBoxes();
    const box = error === null ? undefined : boxOf(failedInput);
    const input = box && byId(box.id);
    const hint = box ? separatorHint(texts[box.param], separator) : "";
    showError(error, input?.labels[0].textContent, hint);
    if (box === undefined) return;
    const beside = byId(`${box.id}-error`);
    beside.textContent = hint ? `${error} ${hint}` : error;
    beside.hidden = false;
    input.setAttribute("aria-invalid", "true");
    input.setAttribute("aria-describedby", beside.id);
  }

  // A soil that refuses the run: its message and its box, which soils.js
  // has marked already.
  function showRefusal(message, boxName) {
    clearInvalidBoxes();
    showError(message, boxName, "");
  }

  // After a run that worked: the results come into view and take the focus
  // (which also closes a phone's keyboard). After a failure: the box at
  // fault, with its message beside it, or else the error box.
  function afterRecalculate(worked) {
    const invalid = document.querySelector("input[aria-invalid=true]");
    const target = worked ? byId("results-heading") : invalid ?? byId("error-box");
    target.focus({ preventScroll: true });
    const shown = worked ? byId("results") : invalid ? invalid.closest(".field") : target;
    shown.scrollIntoView({ block: worked ? "start" : "center" });
  }

  return { showText, markOld, showFailure, showRefusal, afterRecalculate, separatorHint };
})();

if (typeof module !== "undefined") module.exports = Feedback;
