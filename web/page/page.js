"use strict";
// The page: loading a save (chosen, dropped, or named by #save=URL), the sheets as ARIA tabs,
// and the handlers of the sheets' controls. Like the window, each handler asks the core for
// its own sheet's model for the selections on the page and fills that sheet only.
const Orv5Page = (() => {
  const $ = (id) => document.getElementById(id);
  const state = {
    tabs: [],          // {sheet, caption, visible, uses}
    active: "BaseTab",
    stale: new Set(),  // sheets not filled since the last load
    loaded: false,
    fileName: "",      // the shown save's file name, as its tables and downloads name it
    loads: 0,          // loads finished, shown or refused (the page tests wait on it)
    bottomAxis: null,  // the chart's turns while zoomed
    zoomResetPending: true,
    timings: null,
  };

  // --- tabs ---------------------------------------------------------------------------------

  function buildSheets(tabs) {
    state.tabs = tabs.filter((tab) => Orv5Layouts.build(tab.sheet) !== null);
    const list = $("TabList");
    const sheets = $("Sheets");
    for (const tab of state.tabs) {
      const button = Orv5Layouts.el("button", {
        type: "button", role: "tab", id: "tab-" + tab.sheet, "aria-controls": tab.sheet,
        "aria-selected": "false", tabindex: "-1", text: tab.caption,
      });
      button.addEventListener("click", () => activate(tab.sheet, false));
      list.append(button);
      const panel = Orv5Layouts.el("section", { id: tab.sheet, role: "tabpanel", "aria-labelledby": "tab-" + tab.sheet, tabindex: "0", hidden: true },
                                   [Orv5Layouts.build(tab.sheet)]);
      // Every sheet has a place for its downloads (Orv5Downloads.register).
      if (!panel.querySelector("[data-downloads]")) panel.append(Orv5Layouts.el("div", { className: "downloads", "data-downloads": tab.sheet }));
      sheets.append(panel);
    }
    list.addEventListener("keydown", moveBetweenTabs);
    activate("BaseTab", false);
  }

  function visibleTabs() {
    return state.tabs.filter((tab) => !$("tab-" + tab.sheet).hidden);
  }

  function moveBetweenTabs(event) {
    const tabs = visibleTabs();
    const at = tabs.findIndex((tab) => tab.sheet === state.active);
    const moves = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: tabs.length - 1 };
    if (!(event.key in moves)) return;
    event.preventDefault();
    const next = tabs[(moves[event.key] + tabs.length) % tabs.length];
    activate(next.sheet, true);
  }

  function activate(sheet, focus) {
    state.active = sheet;
    for (const tab of state.tabs) {
      const on = tab.sheet === sheet;
      const button = $("tab-" + tab.sheet);
      button.setAttribute("aria-selected", on ? "true" : "false");
      button.tabIndex = on ? 0 : -1;
      $(tab.sheet).hidden = !on;
      if (on && focus) button.focus();
    }
    if (state.loaded && state.stale.has(sheet)) fillAfterLoad(sheet);
  }

  // --- filling sheets -------------------------------------------------------------------------

  function tabInfo(sheet) {
    return state.tabs.find((tab) => tab.sheet === sheet);
  }

  function selectedIndex(id) {
    const node = $(id);
    return node ? node.selectedIndex : -1;
  }

  const playerSelectors = {
    PlayerLogTab: "PlayerLogSelect", CityTab: "PlayerCitySelect", PolicyTab: "PlayerPolicySelect",
    PlayerTab: "PlayerTechSelect", StatsTab: "PlayerStatsSelect", EspiTab: "PlayerEspiSelect",
  };

  function graphChecks() {
    return Array.from($("CheckListBox1").querySelectorAll("input")).map((box) => box.checked);
  }

  // The selections on screen that a sheet's model depends on.
  function selectionFor(sheet) {
    const uses = tabInfo(sheet).uses;
    const selection = {};
    if (uses.player) selection.player = selectedIndex(playerSelectors[sheet]);
    if (uses.city) selection.city = selectedIndex("CityBox");
    if (uses.agent) selection.agent = selectedIndex("AgentSelect");
    if (uses.language) selection.lang = Math.max(0, selectedIndex("StatsLangSelect")) === 1 ? "ru" : "en";
    if (uses.dataset) {
      selection.dataset = Math.max(0, selectedIndex("GraphSelect"));
      selection.graphChecks = graphChecks();
      if (state.bottomAxis) selection.bottomAxis = state.bottomAxis;
      selection.zoomResetPending = state.zoomResetPending;
    }
    return selection;
  }

  function playerName(item) {
    const label = $("CheckListBox1").querySelectorAll("label span")[item];
    return label ? label.textContent : "";
  }

  function showChart(canvas, model) {
    Orv5HistoryChart.show(canvas, model, playerName);
    $("ZoomFrom").value = Math.round(model.bottom[0]);
    $("ZoomTo").value = Math.round(model.bottom[1]);
  }

  function refill(sheet, selection, skip) {
    const model = Orv5Core.tab(sheet, selection);
    if (!model) return;
    $("tab-" + sheet).hidden = !model.visible;
    const missing = Orv5Controls.bindTab(model, skip, showChart);
    if (missing.length) console.warn(sheet + ": the page has no control for " + missing.join(", "));
    state.stale.delete(sheet);
  }

  // A new load starts every list at its first entry; the statistics keep their language.
  function fillAfterLoad(sheet) {
    const selection = {};
    if (sheet === "StatsTab") selection.lang = Math.max(0, selectedIndex("StatsLangSelect")) === 1 ? "ru" : "en";
    if (sheet === "GraphTab") {
      state.bottomAxis = null;
      state.zoomResetPending = true;
    }
    refill(sheet, selection);
    if (sheet === "GraphTab") state.zoomResetPending = false;
  }

  // --- the graph ------------------------------------------------------------------------------

  function refillGraph(selection, keepLeftAxis) {
    const model = Orv5Core.tab("GraphTab", selection);
    if (!model) return;
    const chart = model.controls.find((control) => control.kind === "chart");
    const shown = Orv5HistoryChart.model();
    // Checking or unchecking a player redraws the lines in the range already shown.
    if (keepLeftAxis && chart && shown) chart.left = shown.left;
    Orv5Controls.bindTab(model, [], showChart);
    state.zoomResetPending = false;
  }

  function zoomTo(from, to) {
    if (!state.loaded || !(to > from)) return;
    state.bottomAxis = [from, to];
    refillGraph(selectionFor("GraphTab"), false);
  }

  function undoZoom() {
    if (!state.loaded) return;
    state.bottomAxis = null;
    state.zoomResetPending = true;
    refillGraph(selectionFor("GraphTab"), false);
  }

  function wireGraph() {
    Orv5HistoryChart.setHandlers(zoomTo, undoZoom);
    $("GraphSelect").addEventListener("change", () => refillGraph(selectionFor("GraphTab"), false));
    $("CheckListBox1").addEventListener("change", () => {
      const selection = selectionFor("GraphTab");
      let checked = 0; // at most 25 lines: every check after the 25th is taken back
      selection.graphChecks = selection.graphChecks.map((on) => on && ++checked <= 25);
      refillGraph(selection, true);
    });
    $("Button3").addEventListener("click", () => {
      const selection = selectionFor("GraphTab");
      selection.graphChecks = selection.graphChecks.map(() => false);
      refillGraph(selection, true);
    });
    $("ZoomApply").addEventListener("click", () => zoomTo(Number($("ZoomFrom").value), Number($("ZoomTo").value)));
    $("UndoZoom").addEventListener("click", undoZoom);
    Orv5Downloads.register({
      sheet: "GraphTab", name: "SaveChartPng", label: "Save chart as PNG",
      fileName: () => "history.png", make: () => Orv5HistoryChart.pngUrl(),
    });
  }

  // --- the tables as CSV ----------------------------------------------------------------------

  // Each table is offered under the sheet that shows its rows; a table no sheet shows, under Base.
  const csvSheets = {
    players: "LeadersTab", cities: "CityTab", buildings: "CityTab", history: "GraphTab", replay: "ReplayTab",
    notifications: "PlayerLogTab", policies: "PolicyTab", technologies: "PlayerTab", sessions: "ReloadsTab",
  };

  function csvFileName(table) {
    return Orv5Core.csvTables(state.fileName).find((t) => t.name === table).file;
  }

  function wireCsvDownloads() {
    for (const table of Orv5Core.csvTables("")) {
      Orv5Downloads.register({
        sheet: csvSheets[table.name] || "BaseTab",
        name: "SaveCsv-" + table.name, label: "Save " + table.name + " as CSV", title: "The " + table.name + " table, " + table.rows,
        fileName: () => csvFileName(table.name),
        make: () => new Blob([Orv5Core.csv(table.name, state.fileName)], { type: "text/csv" }),
      });
    }
  }

  // --- the other sheets' handlers -------------------------------------------------------------

  function onChange(id, handler) {
    $(id).addEventListener("change", () => {
      if (state.loaded) handler();
    });
  }

  // A whole number as typed, blanks around it allowed; anything else changes nothing.
  function wholeNumber(text) {
    const trimmed = text.trim();
    if (!/^[+-]?\d+$/.test(trimmed)) return null;
    const value = Number(trimmed);
    return value >= -2147483648 && value <= 2147483647 ? value : null;
  }

  function preSessionsTyped() {
    const field = $("Edit11");
    const count = wholeNumber(field.value);
    field.setAttribute("aria-invalid", count === null ? "true" : "false");
    field.title = count === null ? "Type a whole number of pre-sessions" : "Correct the number of pre-sessions; the figures below follow";
    if (count === null || !state.loaded) return;
    Orv5Core.setPreSessions(count);
    refill("ReloadsTab", {}, ["Edit11"]);
  }

  // Puts a text on the clipboard, through the older way where the browser allows no other.
  async function copyText(text, what) {
    let copied = false;
    try {
      if (navigator.clipboard && window.isSecureContext) {
        await navigator.clipboard.writeText(text);
        copied = true;
      }
    } catch (refused) {
      copied = false;
    }
    if (!copied) {
      const scratch = Orv5Layouts.el("textarea", { "aria-hidden": "true" });
      scratch.value = text;
      document.body.append(scratch);
      scratch.select();
      copied = document.execCommand("copy");
      scratch.remove();
    }
    $("StatusLine").textContent = copied ? "Copied: " + what : "The browser did not allow copying";
    return copied;
  }

  function copyLine(name) {
    return copyText(Array.from($(name).children).map((line) => line.textContent).join("\n"), $(name + "Caption").textContent);
  }

  function wireSheets() {
    onChange("PlayerLogSelect", () => refill("PlayerLogTab", selectionFor("PlayerLogTab")));
    onChange("PlayerCitySelect", () => refill("CityTab", Object.assign(selectionFor("CityTab"), { city: -1 })));
    onChange("CityBox", () => refill("CityTab", selectionFor("CityTab")));
    // The queue can be opened and read, but it always shows the current production.
    onChange("BuildingQueue", () => { $("BuildingQueue").selectedIndex = $("BuildingQueue").options.length ? 0 : -1; });
    onChange("PlayerPolicySelect", () => refill("PolicyTab", selectionFor("PolicyTab")));
    onChange("PlayerTechSelect", () => refill("PlayerTab", selectionFor("PlayerTab")));
    onChange("PlayerStatsSelect", () => refill("StatsTab", selectionFor("StatsTab")));
    onChange("StatsLangSelect", () => refill("StatsTab", selectionFor("StatsTab")));
    onChange("PlayerEspiSelect", () => refill("EspiTab", Object.assign(selectionFor("EspiTab"), { agent: -1 })));
    onChange("AgentSelect", () => refill("EspiTab", selectionFor("EspiTab")));
    $("Edit11").addEventListener("input", preSessionsTyped);
    for (const name of ["CitiesStats", "WondersStats", "PoliciesStats", "BeliefStats"]) {
      $(name + "Copy").addEventListener("click", () => copyLine(name));
    }
    wireGraph();
    wireCsvDownloads();
  }

  // --- loading --------------------------------------------------------------------------------

  function progress(text, fraction) {
    $("LoadProgress").hidden = text === null;
    $("LoadProgressText").textContent = text || "";
    const bar = $("LoadProgressBar");
    if (fraction === undefined || fraction === null) bar.removeAttribute("value");
    else bar.value = Math.round(fraction * 100);
  }

  function refuse(name, reason) {
    $("LoadError").textContent = "Could not load " + name + ": " + reason;
    $("LoadError").hidden = false;
    progress(null);
    document.body.dataset.state = state.loaded ? "shown" : "refused";
    state.loads += 1;
  }

  // Lets the browser paint the progress line before the core holds the page.
  function nextPaint() {
    return new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
  }

  function showDiagnostics(answer) {
    $("DiagnosticsLine").textContent = answer.notice;
    $("DiagnosticsLine").hidden = !answer.notice;
    $("DiagnosticsDetails").hidden = !answer.notice;
    $("DiagnosticsTable").tBodies[0].replaceChildren(...answer.diagnostics.map((step) =>
      Orv5Layouts.el("tr", {}, [step.step, step.found ? "yes" : "no", String(step.records), step.note]
        .map((text) => Orv5Layouts.el("td", { text })))));
  }

  // "qel-poland-t12.Orv5Save" of an address "saves/qel-poland-t12.Orv5Save?v=2".
  function fileNameOfAddress(url) {
    let path = url;
    try {
      path = decodeURIComponent(new URL(url, location.href).pathname);
    } catch (notAnAddress) {
      path = url;
    }
    return path.split("/").pop();
  }

  // name: as the path field shows it; fileName: the file's own name, which names its tables.
  function show(answer, name, fileName, date, started) {
    state.loaded = true;
    state.fileName = fileName;
    Orv5SavesPanel.markShown(state.fileName);
    state.stale = new Set(state.tabs.map((tab) => tab.sheet));
    for (const tab of answer.tabs) if ($("tab-" + tab.sheet)) $("tab-" + tab.sheet).hidden = !tab.visible;
    $("Edit1").value = name;
    $("Edit2").value = date ? date.toLocaleString() : "";
    $("LoadError").hidden = true;
    showDiagnostics(answer);
    activate("BaseTab", false); // fills the Base sheet, as the window's display pass starts there
    const shownAt = performance.now();
    state.timings = { readMs: answer.times.readMs, analyseMs: answer.times.analyseMs, firstTabMs: shownAt - started };
    progress(null);
    Orv5Downloads.enable(true);
    document.body.dataset.state = "shown";
    state.loads += 1;
    $("StatusLine").textContent = "Loaded " + name + " in " + Math.round(shownAt - started) + " ms";
    requestAnimationFrame(() => { state.timings.paintedMs = performance.now() - started; });
  }

  // bytes: Uint8Array; started: performance.now() when the user dropped or chose the file.
  async function load(bytes, name, fileName, date, started) {
    document.body.dataset.state = "loading";
    progress("Reading " + name + " (" + bytes.length.toLocaleString("en") + " bytes)…", null);
    await nextPaint();
    const answer = await Orv5Core.load(bytes, name);
    if (!answer.ok) {
      refuse(name, answer.error);
      return false;
    }
    show(answer, name, fileName, date, started);
    return true;
  }

  // The file's bytes; onProgress(fraction) follows the reading when given.
  function readFile(file, onProgress) {
    return new Promise((resolve, reject) => {
      const reader = new FileReader();
      reader.onprogress = (event) => onProgress && event.lengthComputable && onProgress(event.loaded / event.total);
      reader.onload = () => resolve(new Uint8Array(reader.result));
      reader.onerror = () => reject(reader.error);
      reader.readAsArrayBuffer(file);
    });
  }

  async function openFile(file, started) {
    const begin = started === undefined ? performance.now() : started;
    progress("Reading " + file.name + "…", 0);
    let bytes;
    try {
      bytes = await readFile(file, (fraction) => progress("Reading " + file.name + "…", fraction));
    } catch (error) {
      refuse(file.name, "the browser could not read it (" + error.message + ")");
      return false;
    }
    return load(bytes, file.name, file.name, new Date(file.lastModified), begin);
  }

  // One file opens in the tabs; several are checked together in the saves panel, the first
  // shown in the tabs while the others are read.
  async function openFiles(files, started) {
    if (!files.length) return;
    if (files.length === 1) {
      Orv5SavesPanel.hide();
      return openFile(files[0], started);
    }
    const shown = await openFile(files[0], started);
    await Orv5SavesPanel.show(files, shown ? files[0].name : "");
  }

  // #save=URL: the save at that address (a file: address needs a browser that allows it).
  function fetchBytes(url) {
    return new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.open("GET", url);
      request.responseType = "arraybuffer";
      request.onprogress = (event) => event.lengthComputable && progress("Fetching " + url + "…", event.loaded / event.total);
      request.onload = () => {
        const ok = request.status === 200 || (request.status === 0 && request.response);
        if (ok) resolve({ bytes: new Uint8Array(request.response), date: request.getResponseHeader("Last-Modified") });
        else reject(new Error("the address answered " + request.status + " " + request.statusText));
      };
      request.onerror = () => reject(new Error("the address could not be read"));
      request.send();
    });
  }

  async function openHash() {
    const match = /(?:^#|&)save=([^&]*)/.exec(location.hash);
    if (!match) return;
    const url = decodeURIComponent(match[1]);
    const started = performance.now();
    progress("Fetching " + url + "…", null);
    let fetched;
    try {
      fetched = await fetchBytes(url);
    } catch (error) {
      return refuse(url, error.message);
    }
    await load(fetched.bytes, url, fileNameOfAddress(url), fetched.date ? new Date(fetched.date) : null, started);
  }

  function wireLoading() {
    $("Button1").addEventListener("click", () => $("OpenDialog1").click());
    $("OpenDialog1").addEventListener("change", (event) => {
      openFiles(Array.from(event.target.files), performance.now());
      event.target.value = "";
    });
    let depth = 0;
    document.addEventListener("dragenter", (event) => {
      event.preventDefault();
      depth += 1;
      $("DropZone").hidden = false;
    });
    document.addEventListener("dragleave", () => {
      depth = Math.max(0, depth - 1);
      if (depth === 0) $("DropZone").hidden = true;
    });
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      const started = performance.now();
      depth = 0;
      $("DropZone").hidden = true;
      openFiles(Array.from(event.dataTransfer ? event.dataTransfer.files : []), started);
    });
    window.addEventListener("hashchange", openHash);
    $("DiagnosticsDetails").addEventListener("click", () => $("DiagnosticsDialog").showModal());
    Orv5SavesPanel.setHost({ open: (file) => openFile(file), read: (file) => readFile(file), copy: copyText });
  }

  async function start() {
    document.body.dataset.state = "starting";
    await Orv5Core.start();
    buildSheets(Orv5Core.tabs());
    wireSheets();
    wireLoading();
    document.body.dataset.state = "empty";
    await openHash();
  }

  const ready = start();
  return { ready, state, openFiles };
})();
