"use strict";
// The analyser's core, compiled to wasm (web/WebApi.cpp, web/WebSaves.cpp): load a save, then
// ask for the model of a sheet for the selections on the page, or for one of its tables as CSV;
// keep summaries of several saves and check or compare them. Answers are JSON texts.
const Orv5Core = (() => {
  let module = null;
  let lastBytes = null; // the save on screen, to load again into a restarted core
  let lastName = "";
  let generation = 0;   // restarts so far: a restarted core has forgotten the saves' summaries

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

  // The bytes handed to one of the core's loading functions, fn(bytesPointer, length, namePointer).
  function withBytes(bytes, name, fn) {
    const pointer = module._malloc(Math.max(bytes.length, 1));
    module.HEAPU8.set(bytes, pointer);
    try {
      return JSON.parse(withText(name, (namePointer) => module.UTF8ToString(fn(pointer, bytes.length, namePointer))));
    } finally {
      module._free(pointer);
    }
  }

  function loadInto(bytes, name) {
    return withBytes(bytes, name, module._orv5_load);
  }

  // A core that stopped (out of memory, a fault) cannot be used again: a new one takes its
  // place, with the save that was on screen loaded into it again.
  async function restart() {
    generation += 1;
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

  // The tables a save gives as CSV: [{name, rows, file}], files named after the save's file name.
  function csvTables(saveName) {
    return JSON.parse(withText(saveName, (namePointer) => module.UTF8ToString(module._orv5_csv_tables(namePointer))));
  }

  // One table of the shown save as the bytes `orv5 csv` prints; empty when there is no save.
  function csv(table, saveName) {
    const text = withText(table, (tablePointer) => withText(saveName, (namePointer) => module._orv5_csv(tablePointer, namePointer)));
    return module.HEAPU8.slice(text, text + module._orv5_answer_length());
  }

  // Several saves: a summary of each is kept, then they are checked together and compared.
  const saves = {
    clear() {
      module._orv5_saves_clear();
    },
    // {ok} or {ok: false, error}; a core that stopped is restarted (its summaries are gone).
    async add(bytes, name) {
      try {
        return withBytes(bytes, name, module._orv5_saves_add);
      } catch (fault) {
        await restart();
        return { ok: false, error: "the analyser stopped while reading it (" + fault.message + ")" };
      }
    },
    // Keeps the summary of the save on show; false when none is shown.
    addShown(name) {
      return withText(name, (namePointer) => module._orv5_saves_add_shown(namePointer)) !== 0;
    },
    refuse(name, why) {
      withText(name, (namePointer) => withText(why, (whyPointer) => module._orv5_saves_refuse(namePointer, whyPointer)));
    },
    // {columns, rows, entries, findings, check}.
    check() {
      return JSON.parse(module.UTF8ToString(module._orv5_saves_check()));
    },
    // {earlier, later, lines}; second -1 compares an entry with the save before it.
    compare(first, second) {
      return JSON.parse(module.UTF8ToString(module._orv5_saves_compare(first, second)));
    },
    previous(entry) {
      return module._orv5_saves_previous(entry);
    },
  };

  // The core's memory in bytes: it grows to the largest need so far and never shrinks.
  function memoryBytes() {
    return module.HEAPU8.length;
  }

  return { start, load, tabs, tab, setPreSessions, csvTables, csv, saves, generation: () => generation, memoryBytes };
})();
