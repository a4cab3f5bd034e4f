"use strict";
// Several saves dropped together: each is read, summarised by the core and let go, then the
// panel shows what `orv5 check` says of them (games, lines of play, the save each continues,
// findings, the saves not comparable) as the window's saves panel rows, with the check's text
// beside them. Any save opens in the tabs, read again from the file the page still holds; two
// saves of one game are compared as `orv5 diff` compares them.
const Orv5SavesPanel = (() => {
  const el = Orv5Layouts.el;
  const $ = (id) => document.getElementById(id);
  const state = {
    run: 0,        // drops so far; a new drop ends the summarising of the last
    checked: 0,    // checks shown (the page tests wait on it)
    files: new Map(), // file name -> File, as the core names its entries
    panel: null,   // the core's last answer {columns, rows, entries, findings, check}
    shown: "",     // the file name on show in the tabs
  };
  let host = { open: () => {}, read: async () => new Uint8Array(0), copy: async () => false };

  // open(file), read(file) -> Uint8Array, copy(text, what) come from the page.
  function setHost(functions) {
    host = functions;
  }

  function progress(text, fraction) {
    $("SavesProgress").hidden = text === null;
    $("SavesProgressText").textContent = text || "";
    if (fraction === null || fraction === undefined) $("SavesProgressBar").removeAttribute("value");
    else $("SavesProgressBar").value = Math.round(fraction * 100);
  }

  // --- summarising -----------------------------------------------------------------------------

  // {ok} or {ok: false, error}; null when a later drop took over while the file was read.
  async function addFile(file, shownName, run) {
    if (file.name === shownName && Orv5Core.saves.addShown(file.name)) return { ok: true };
    let bytes;
    try {
      bytes = await host.read(file);
    } catch (error) {
      if (run !== state.run) return null;
      const why = "the browser could not read it (" + error.message + ")";
      Orv5Core.saves.refuse(file.name, why);
      return { ok: false, error: why };
    }
    return run === state.run ? Orv5Core.saves.add(bytes, file.name) : null;
  }

  // Every file summarised once; a file that stopped the core is listed with why, and the files
  // before it are summarised again in the restarted core.
  async function summarise(files, shownName, run) {
    const faults = new Map();
    for (;;) {
      const generation = Orv5Core.generation();
      Orv5Core.saves.clear();
      let restarted = false;
      for (let i = 0; i < files.length && !restarted; i += 1) {
        const file = files[i];
        progress("Reading " + (i + 1) + " of " + files.length + ": " + file.name + "…", i / files.length);
        await new Promise((resolve) => setTimeout(resolve, 0)); // lets the progress line paint
        if (run !== state.run) return false;
        if (faults.has(file.name)) {
          Orv5Core.saves.refuse(file.name, faults.get(file.name));
          continue;
        }
        const answer = await addFile(file, shownName, run);
        if (!answer) return false;
        restarted = generation !== Orv5Core.generation();
        if (restarted) faults.set(file.name, answer.error);
      }
      if (!restarted) return run === state.run;
    }
  }

  // --- the rows ----------------------------------------------------------------------------------

  // The panel's columns by the core's titles, what the check says first (the save, its turn,
  // line, the save it continues, findings), then the facts of the save; "Continues" is the
  // page's own.
  const shownColumns = ["File", "Turn", "Date", "Line", "Continues", "Findings", "Civilization", "Leader", "Game type",
                        "Score", "Play time", "Sessions", "Reload records"];

  function columnText(panel, row, title) {
    return title === "Continues" ? entryFile(row.continues) : row.texts[panel.columns.indexOf(title)];
  }

  function entryFile(entry) {
    return entry >= 0 ? state.panel.entries[entry].file : "";
  }

  function chooser(row) {
    const file = entryFile(row.entry);
    const box = el("input", { type: "checkbox", "data-entry": String(row.entry), "aria-label": "Choose " + file + " for comparing" });
    box.disabled = row.kind !== "save";
    box.addEventListener("change", updateCompare);
    return box;
  }

  // The file's name is the button that opens it.
  function fileCell(row, depth) {
    const file = entryFile(row.entry);
    const open = el("button", { type: "button", className: "open", text: file, "aria-label": "Open " + file, title: "Open " + file + " in the tabs" });
    open.addEventListener("click", () => host.open(state.files.get(file)));
    open.disabled = !state.files.has(file);
    return el("td", { className: "file", style: "padding-left: " + (4 + 16 * depth) + "px" }, [open]);
  }

  function saveRow(panel, row, depth) {
    const cells = shownColumns.map((title) => (title === "File" ? fileCell(row, depth)
      : el("td", { text: columnText(panel, row, title), className: title === "Findings" ? "findings" : null })));
    const line = el("tr", { className: row.kind + (row.marked ? " marked" : ""), "data-entry": String(row.entry) },
                    [el("td", {}, [chooser(row)]), ...cells]);
    line.title = row.tip.join("\n");
    const rows = [line];
    // The findings' sentences under the save they are about.
    if (row.kind === "save" && row.tip.length) {
      rows.push(el("tr", { className: "finding-lines" }, [el("td"), el("td", { colspan: String(shownColumns.length) },
        [el("ul", {}, row.tip.map((text) => el("li", { text })))])]));
    }
    return rows;
  }

  // A game's title (with its turns and findings) or the head of the saves apart, across the
  // row and kept in view when the table scrolls sideways.
  function groupRow(panel, row) {
    const parts = [columnText(panel, row, "File")];
    if (row.kind === "game") parts.push("turns " + columnText(panel, row, "Turn"), columnText(panel, row, "Findings") || "no findings");
    return el("tr", { className: row.kind + "-head" }, [el("th", { colspan: String(shownColumns.length + 1), scope: "rowgroup" },
      [el("div", { text: parts.join(" · ") })])]);
  }

  // The rows in the order of the tree: each save under the one it hangs under, as the window's
  // panel nests them.
  function tableRows(panel) {
    const children = panel.rows.map(() => []);
    const top = [];
    panel.rows.forEach((row, i) => (row.parent >= 0 ? children[row.parent].push(i) : top.push(i)));
    const out = [];
    const walk = (i, depth) => {
      const row = panel.rows[i];
      if (row.entry < 0) out.push(groupRow(panel, row));
      else out.push(...saveRow(panel, row, depth));
      for (const child of children[i]) walk(child, row.entry < 0 ? 0 : depth + 1);
    };
    top.forEach((i) => walk(i, 0));
    return out;
  }

  function table(panel) {
    const titles = ["Compare", ...shownColumns];
    return el("div", { className: "grid-box saves-box" }, [
      el("table", { id: "SavesTable", className: "grid saves" }, [
        el("caption", { className: "visually-hidden", text: "The saves by game, along their lines of play" }),
        el("thead", {}, [el("tr", {}, titles.map((text) => el("th", { scope: "col", text })))]),
        el("tbody", {}, tableRows(panel)),
      ]),
    ]);
  }

  // --- comparing ---------------------------------------------------------------------------------

  function chosen() {
    return Array.from(document.querySelectorAll("#SavesTable input[type=checkbox]:checked")).map((box) => Number(box.dataset.entry));
  }

  function updateCompare() {
    const entries = chosen();
    const button = $("CompareSaves");
    const alone = entries.length === 1;
    const previous = alone ? Orv5Core.saves.previous(entries[0]) : -1;
    button.textContent = alone ? "Compare with previous" : "Compare";
    button.disabled = !(entries.length === 2 || previous >= 0);
    $("CompareHint").textContent = entries.length > 2 ? "Choose at most two saves."
      : alone && previous < 0 ? entryFile(entries[0]) + " follows no earlier save of its game."
      : entries.length === 0 ? "Choose two saves of one game, or one to compare with the save it continues." : "";
  }

  function compare() {
    const entries = chosen();
    const answer = Orv5Core.saves.compare(entries[0], entries.length === 2 ? entries[1] : -1);
    $("CompareTitle").textContent = answer.earlier < 0 ? "Cannot compare" : entryFile(answer.earlier) + " → " + entryFile(answer.later);
    $("CompareText").textContent = answer.lines.join("\n");
    $("CompareResult").hidden = false;
  }

  function textBlock(id, title, copyWhat) {
    const copy = el("button", { type: "button", id: id + "Copy", text: "Copy", "aria-label": "Copy " + copyWhat });
    copy.addEventListener("click", () => host.copy($(id).textContent, copyWhat));
    return [el("pre", { id, className: "series-text", tabindex: "0", "aria-label": title }), copy];
  }

  // --- the panel ---------------------------------------------------------------------------------

  function frame(count) {
    const compareButton = el("button", { type: "button", id: "CompareSaves", text: "Compare", disabled: true });
    compareButton.addEventListener("click", compare);
    return [
      el("h2", { id: "SavesTitle", text: count + " saves dropped" }),
      el("div", { id: "SavesProgress", className: "progress", role: "status", "aria-live": "polite" }, [
        el("progress", { id: "SavesProgressBar", max: "100", "aria-label": "Saves read" }), " ", el("span", { id: "SavesProgressText" }),
      ]),
      el("p", { id: "SavesSummary", role: "status" }),
      el("div", { id: "SavesRows" }),
      el("div", { className: "saves-actions" }, [compareButton, " ", el("span", { id: "CompareHint" })]),
      el("div", { id: "CompareResult", className: "series-block", hidden: true }, [
        el("h3", { id: "CompareTitle" }), ...textBlock("CompareText", "What changed between the two saves", "the comparison"),
      ]),
      el("details", { id: "CheckDetails", className: "series-block" }, [
        el("summary", { text: "The check as text (orv5 check)" }), ...textBlock("CheckText", "The check of the saves", "the check"),
      ]),
    ];
  }

  function render(panel) {
    state.panel = panel;
    $("SavesSummary").textContent = panel.check[panel.check.length - 1]; // "2 saves: 1 game, 0 not comparable, 0 findings."
    $("SavesRows").replaceChildren(table(panel));
    $("CheckText").textContent = panel.check.join("\n");
    $("CompareResult").hidden = true;
    markShown(state.shown);
    updateCompare();
  }

  // files: File objects; shownName: the file already on show in the tabs ("" when none).
  async function show(files, shownName) {
    const run = ++state.run;
    state.files = new Map(files.map((file) => [file.name, file])); // a later file of the same name wins, as in the core
    state.shown = shownName;
    const panel = $("SavesPanel");
    panel.replaceChildren(...frame(files.length));
    panel.hidden = false;
    if (!(await summarise(files, shownName, run))) return;
    render(Orv5Core.saves.check());
    progress(null);
    state.checked += 1;
  }

  function hide() {
    state.run += 1;
    $("SavesPanel").hidden = true;
  }

  // The row of the save on show is marked as the current one.
  function markShown(name) {
    state.shown = name;
    for (const row of document.querySelectorAll("#SavesTable tr[data-entry]")) {
      const current = entryFile(Number(row.dataset.entry)) === name;
      if (current) row.setAttribute("aria-current", "true");
      else row.removeAttribute("aria-current");
    }
  }

  return { setHost, show, hide, markShown, state };
})();
