// What the detectors showed: under the charts, for the shallow and (where
// the run shows it) the deep detector, whether its float was found UP or
// DOWN after the irrigation, and for each soil what that says of the deficit
// before it, in the module's words. A choice is an input of the run, so
// choosing recalculates at once; a link carries the choices as
//   shallowShowed=up&deepShowed=down
// and leaves out a detector that was not checked. A link's other word goes
// to the module as it is, which refuses the run with a message naming the
// parameter, until a choice in that group replaces the word.
"use strict";

const Detectors = (() => {
  const byId = (id) => document.getElementById(id);
  const groups = [
    { param: "shallowShowed", depth: "LtSD" },
    { param: "deepShowed", depth: "LtDD" },
  ];
  const answers = [
    { key: "light", id: "light-answer" },
    { key: "heavy", id: "heavy-answer" },
  ];
  // Each group's choices: the word a run takes, and its text.
  const choiceTexts = [["", "Not checked"], ["up", "UP: it responded"], ["down", "DOWN: it did not respond"]];
  const linkWords = {}; // param -> a link's word that no choice stands for

  const choices = (param) => [...document.getElementsByName(param)];

  function addChoice(param, word, text, recalculate) {
    const label = document.createElement("label");
    label.className = "choice";
    const choice = document.createElement("input");
    Object.assign(choice, { type: "radio", name: param, value: word, defaultChecked: word === "" });
    choice.addEventListener("change", () => {
      delete linkWords[param];
      recalculate();
    });
    label.append(choice, text);
    byId(`${param}-error`).before(label);
  }

  // Adds the choices; `recalculate` runs the page's inputs, at once on a choice.
  function build(recalculate) {
    for (const { param } of groups)
      for (const [word, text] of choiceTexts) addChoice(param, word, text, recalculate);
  }

  // The link's choices; "Not checked" where it names none.
  function fill(params) {
    for (const { param } of groups) {
      const word = params.get(param);
      const chosen = choices(param).find((choice) =>
        word === null ? choice.value === "" : word !== "" && choice.value === word);
      // The attribute too, so that a saved or dumped page shows the choice.
      for (const choice of choices(param)) choice.defaultChecked = choice.checked = choice === chosen;
      if (chosen === undefined) linkWords[param] = word;
    }
  }

  // What the run takes under the module's names: "up" or "down", a link's
  // other word, or nothing for a detector not checked. A link made of a run
  // that worked carries the same.
  function runTexts() {
    const texts = {};
    for (const { param } of groups) {
      const word = linkWords[param] ?? choices(param).find((choice) => choice.checked)?.value ?? "";
      if (param in linkWords || word !== "") texts[param] = word;
    }
    return texts;
  }

  // The message beside the group the module refused, or none.
  function showRefusal(message, failedInput) {
    for (const { param } of groups) {
      const error = byId(`${param}-error`);
      const refused = param === failedInput;
      error.textContent = refused ? message : "";
      error.hidden = !refused;
      if (refused) byId(param).setAttribute("aria-describedby", error.id);
      else byId(param).removeAttribute("aria-describedby");
    }
  }

  // After a run that worked: the detectors' depths in the question, and
  // each soil's answer, hidden while no detector the run shows is checked.
  // (A failed run leaves the last answer, marked as old by the page.)
  function showAnswer(answer) {
    for (const { param, depth } of groups) {
      Feedback.showText(byId(`${param}-depth`), answer.report.texts[depth]);
      byId(`${param}-depth`).parentElement.hidden = false;
    }
    for (const { key, id } of answers) {
      const sentence = answer.answerSentences?.[key];
      if (sentence !== undefined) Feedback.showText(byId(id), sentence);
      byId(id).parentElement.hidden = sentence === undefined;
    }
  }

  return { build, fill, runTexts, showRefusal, showAnswer };
})();
