"use strict";
// The analyser's core, compiled to wasm (web/WebApi.cpp): load a save, then ask for the model
// of a sheet for the selections on the page. Answers are JSON texts of views/ModelJson.
const Orv5Core = (() => {
  let module = null;
  let lastBytes = null; // the save on screen, to load again into a restarted core
  let lastName = "";

  async function start() {
    module = await createOrv5Core();
  }

  function withText(text, use) {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    try {
      return use(pointer);
    } finally {
      module._free(pointer);
    }
  }

  function loadInto(bytes, name) {
    const pointer = module._malloc(Math.max(bytes.length, 1));
    module.HEAPU8.set(bytes, pointer);
    try {
      return JSON.parse(withText(name, (namePointer) => module.UTF8ToString(module._orv5_load(pointer, bytes.length, namePointer))));
    } finally {
      module._free(pointer);
    }
  }

  // A core that stopped (out of memory, a fault) cannot be used again: a new one takes its
  // place, with the save that was on screen loaded into it again.
  async function restart() {
    await start();
    if (lastBytes) loadInto(lastBytes, lastName);
  }

  // {ok, notice, diagnostics, tabs, times} or {ok: false, error}.
  async function load(bytes, name) {
    let answer;
    try {
      answer = loadInto(bytes, name);
    } catch (fault) {
      await restart();
      return { ok: false, error: "the analyser stopped while reading it (" + fault.message + ")" };
    }
    if (answer.ok) {
      lastBytes = bytes;
      lastName = name;
    }
    return answer;
  }

  // {sheet, visible, controls: [...]} for a sheet and its selections.
  function tab(sheet, selection) {
    return withText(sheet, (sheetPointer) =>
      withText(JSON.stringify(selection || {}), (selectionPointer) =>
        JSON.parse(module.UTF8ToString(module._orv5_tab(sheetPointer, selectionPointer)))));
  }

  // The sheets in order, {sheet, caption, visible, uses}, as before any load.
  function tabs() {
    return JSON.parse(module.UTF8ToString(module._orv5_tabs()));
  }

  function setPreSessions(count) {
    module._orv5_presessions(count);
  }

  return { start, load, tabs, tab, setPreSessions };
})();
