"use strict";
// The page in headless Chromium against `orv5 report`: for the demo save and every real save
// in ORV5_REAL_SAVES, every tab the report shows, in every view it walks (player, city, agent,
// statistic, language), shows the same text control by control; the diagnostics agree; a file
// that is not a save is refused with its reason and leaves the shown save in place; the chart
// zooms and gives a PNG; the tabs answer the keyboard; the pre-session field recomputes; the
// page works from a static host. Also measures how long a dropped save takes to show its
// first tab (printed, not asserted).
//   node PageTest.js --page index.html --chromium chromium --orv5 orv5 --demo demo.Orv5Save
const { execFileSync, spawnSync } = require("child_process");
const http = require("http");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { Browser } = require("./Browser.js");
const { readSheetText } = require("./PageText.js");

const results = { passed: 0, failed: 0, skipped: 0 };

function check(name, ok, detail) {
  if (ok) {
    results.passed += 1;
  } else {
    results.failed += 1;
    console.log("FAILED " + name + (detail ? "\n" + detail : ""));
  }
}

function options() {
  const named = {};
  const args = process.argv.slice(2);
  for (let i = 0; i + 1 < args.length; i += 2) named[args[i].replace(/^--/, "")] = args[i + 1];
  return named;
}

// `orv5 report SAVE` as {notice, tabs: {sheet: {visible, views: [{label, lines}]}}, diagnostics}.
function report(orv5, save) {
  const text = execFileSync(orv5, ["report", save], { encoding: "utf8", maxBuffer: 1 << 30 });
  const parsed = { notice: "", tabs: {}, order: [], diagnostics: [] };
  let tab = null;
  let view = null;
  let inDiagnostics = false;
  for (const line of text.split("\n")) {
    if (line === "") continue;
    if (line.startsWith("== FILE ")) continue;
    if (line.startsWith("== NOTICE\t")) parsed.notice = line.slice("== NOTICE\t".length);
    else if (line.startsWith("== TAB ")) {
      tab = { visible: false, views: [] };
      parsed.tabs[line.slice(7)] = tab;
      parsed.order.push(line.slice(7));
      view = null;
    } else if (line.startsWith("== VIEW ")) {
      view = { label: line.slice(8), lines: [] };
      tab.views.push(view);
    } else if (line === "== DIAGNOSTICS") inDiagnostics = true;
    else if (inDiagnostics) parsed.diagnostics.push(line);
    else if (/^\w+\.visible\t/.test(line) && !view && tab.views.length === 0) tab.visible = line.endsWith("\t1");
    else {
      if (!view) {
        view = { label: "", lines: [] };
        tab.views.push(view);
      }
      view.lines.push(line);
    }
  }
  return parsed;
}

// Lines grouped by the control they belong to ("LeadersGrid[1,2]" and "LeadersGrid#3" -> LeadersGrid).
function byControl(lines) {
  const groups = new Map();
  for (const line of lines) {
    const name = /^[A-Za-z0-9_]+/.exec(line)[0];
    if (!groups.has(name)) groups.set(name, []);
    groups.get(name).push(line);
  }
  return groups;
}

function compareView(what, expected, shown) {
  const want = byControl(expected);
  const have = byControl(shown);
  const wrong = [];
  for (const [name, lines] of want) {
    const got = have.get(name) || [];
    if (got.join("\n") !== lines.join("\n")) {
      const first = lines.findIndex((l, i) => got[i] !== l);
      wrong.push(name + ": report " + JSON.stringify(lines[first]) + ", page " + JSON.stringify(got[first]) +
                 " (" + lines.length + " lines against " + got.length + ")");
    }
  }
  check(what, wrong.length === 0, wrong.slice(0, 8).join("\n"));
}

// Puts the page into the view the report labels "player=1 city=2" and so on.
function applyView(sheet, label) {
  const values = Object.fromEntries(label.split(" ").filter(Boolean).map((pair) => pair.split("=")));
  const choose = (id, index) => {
    const select = document.getElementById(id);
    select.selectedIndex = index;
    select.dispatchEvent(new Event("change"));
  };
  const players = { PlayerLogTab: "PlayerLogSelect", CityTab: "PlayerCitySelect", PolicyTab: "PlayerPolicySelect",
                    PlayerTab: "PlayerTechSelect", StatsTab: "PlayerStatsSelect", EspiTab: "PlayerEspiSelect" };
  document.getElementById("tab-" + sheet).click();
  if ("player" in values) choose(players[sheet], Number(values.player));
  if ("city" in values) choose("CityBox", Number(values.city));
  if ("agent" in values) choose("AgentSelect", Number(values.agent));
  if ("lang" in values) choose("StatsLangSelect", values.lang === "ru" ? 1 : 0);
  if ("dataset" in values) {
    choose("GraphSelect", Number(values.dataset));
    document.getElementById("UndoZoom").click(); // the axes as after a load, as the report gives them
  }
  return true;
}

async function loadInto(page, save) {
  const loads = await page.evaluate("Orv5Page.state.loads");
  await page.evaluate("location.hash = ''"); // the same address again would not load
  await page.evaluate("location.hash = " + JSON.stringify("save=" + encodeURIComponent("file://" + save)));
  await page.waitFor("Orv5Page.state.loads > " + loads);
}

async function compareSave(page, orv5, save) {
  const name = path.basename(save);
  const expected = report(orv5, save);
  await loadInto(page, save);
  const state = await page.evaluate("document.body.dataset.state");
  check(name + " loads", state === "shown", await page.evaluate("document.getElementById('LoadError').textContent"));
  for (const sheet of expected.order) {
    const tab = expected.tabs[sheet];
    const shown = await page.evaluate("(function(){const t=document.getElementById('tab-" + sheet + "');return !!t && !t.hidden;})()");
    check(name + " " + sheet + " visible " + tab.visible, shown === tab.visible);
    if (!tab.visible) continue;
    for (const view of tab.views) {
      await page.call(applyView, sheet, view.label);
      const lines = await page.call(readSheetText, sheet);
      compareView(name + " " + sheet + (view.label ? " " + view.label : ""), view.lines, lines);
    }
  }
  const notice = await page.evaluate("document.getElementById('DiagnosticsLine').textContent");
  check(name + " notice", notice === expected.notice, "page " + JSON.stringify(notice) + ", report " + JSON.stringify(expected.notice));
  const steps = await page.evaluate(`Array.from(document.querySelectorAll('#DiagnosticsTable tbody tr')).map((r) => {
      const c = Array.from(r.cells).map((x) => x.textContent);
      return [c[0], c[1] === 'yes' ? 'found' : 'not found', c[2], c[3]].join('\\t'); })`);
  check(name + " diagnostics", steps.join("\n") === expected.diagnostics.join("\n"),
        "page:\n" + steps.join("\n") + "\nreport:\n" + expected.diagnostics.join("\n"));
}

async function checkRefusals(page, demo) {
  await loadInto(page, demo);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "orv5-page-"));
  const cases = [
    ["notes.txt", Buffer.from("These are notes, not a save.\n".repeat(40)), "not an Orv5 save: it does not start with ORV5"],
    ["short.Orv5Save", Buffer.from("ORV5" + "\0".repeat(100)), "not an Orv5 save: it is 104 bytes long, shorter than the smallest header (524 bytes)"],
  ];
  for (const [file, bytes, reason] of cases) {
    const where = path.join(folder, file);
    fs.writeFileSync(where, bytes);
    await loadInto(page, where);
    const error = await page.evaluate("document.getElementById('LoadError').textContent");
    check("refuses " + file, error === "Could not load file://" + where + ": " + reason, error);
    const shownPath = await page.evaluate("document.getElementById('Edit1').value");
    check("keeps the demo save after refusing " + file, shownPath === "file://" + demo, shownPath);
  }
  fs.rmSync(folder, { recursive: true, force: true });
}

async function checkChart(page, demo) {
  await loadInto(page, demo);
  await page.evaluate(`(function(){ document.getElementById('tab-GraphTab').click();
    document.getElementById('ZoomFrom').value = 10; document.getElementById('ZoomTo').value = 20;
    document.getElementById('ZoomApply').click(); })()`);
  const bottom = await page.evaluate("[Orv5HistoryChart.chart().options.scales.x.min, Orv5HistoryChart.chart().options.scales.x.max]");
  check("zoom shows turns 10 to 20", bottom[0] === 10 && bottom[1] === 20, JSON.stringify(bottom));
  const png = await page.evaluate("Orv5HistoryChart.pngUrl().slice(0, 22)");
  check("the chart saves as PNG", png === "data:image/png;base64,", png);
  await page.evaluate("document.getElementById('UndoZoom').click()");
  const undone = await page.evaluate("Orv5HistoryChart.chart().options.scales.x.min");
  check("undo zoom shows every turn", undone === 0, String(undone));
}

// The tabs follow the ARIA tabs pattern: arrow keys, Home and End move between the shown tabs.
async function checkKeyboard(page, demo) {
  await loadInto(page, demo);
  const press = async (key) => page.evaluate(`(function(){ document.getElementById('TabList').dispatchEvent(
      new KeyboardEvent('keydown', { key: ${JSON.stringify(key)}, bubbles: true }));
    return [Orv5Page.state.active, document.activeElement.id,
            document.getElementById('tab-' + Orv5Page.state.active).getAttribute('aria-selected'),
            document.getElementById(Orv5Page.state.active).hidden]; })()`);
  await page.evaluate("document.getElementById('tab-BaseTab').click()");
  const moves = [["ArrowRight", "LeadersTab"], ["End", "EspiTab"], ["ArrowRight", "BaseTab"], ["ArrowLeft", "EspiTab"], ["Home", "BaseTab"]];
  for (const [key, sheet] of moves) {
    const [active, focused, selected, hidden] = await press(key);
    check(key + " moves to " + sheet, active === sheet && focused === "tab-" + sheet && selected === "true" && hidden === false,
          [active, focused, selected, hidden].join(" "));
  }
  const unlabelled = await page.evaluate(`Array.from(document.querySelectorAll('[role=tabpanel] input, [role=tabpanel] select'))
      .filter((c) => !c.labels.length && !c.getAttribute('aria-label')).map((c) => c.id)`);
  check("every shown field has a label", unlabelled.length === 0, unlabelled.join(" "));
}

// A corrected pre-session count recomputes the figures beside it; a text that is not a whole
// number is marked and changes nothing; the field keeps what was typed.
async function checkPreSessions(page, demo) {
  await loadInto(page, demo);
  const type = (text) => page.evaluate(`(function(){ document.getElementById('tab-ReloadsTab').click();
    const field = document.getElementById('Edit11'); field.value = ${JSON.stringify(text)};
    field.dispatchEvent(new Event('input'));
    return [field.value, field.getAttribute('aria-invalid'), document.getElementById('Edit10').value]; })()`);
  const [, , before] = await type("2");
  const [kept, invalid, after] = await type("two");
  check("a pre-session count that is not a number is marked", kept === "two" && invalid === "true" && after === before,
        [kept, invalid, after, before].join(" | "));
  const [typed, valid, changed] = await type(" 0 ");
  check("a corrected pre-session count changes the play sessions", typed === " 0 " && valid === "false" && changed !== before,
        [typed, valid, changed, before].join(" | "));
}

// The same page served by a static host on this machine's loopback, with #save= naming a save
// on that host by a relative address.
async function checkStaticHost(browser, pageFile, demo) {
  const files = { "/index.html": ["text/html", fs.readFileSync(pageFile)], "/saves/demo.Orv5Save": ["application/octet-stream", fs.readFileSync(demo)] };
  const server = http.createServer((request, response) => {
    const file = files[request.url];
    response.writeHead(file ? 200 : 404, { "Content-Type": file ? file[0] : "text/plain" });
    response.end(file ? file[1] : "not here");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  try {
    const page = await browser.open("http://127.0.0.1:" + server.address().port + "/index.html#save=saves/demo.Orv5Save");
    await page.waitFor("typeof Orv5Page !== 'undefined' && Orv5Page.state.loads > 0");
    const shown = await page.evaluate("[document.body.dataset.state, document.getElementById('Edit1').value, document.getElementById('Edit3').value]");
    check("served from a static host, #save= loads a save of that host", shown[0] === "shown" && shown[1] === "saves/demo.Orv5Save" && shown[2] === "  60/500",
          shown.join(" | "));
    await page.evaluate("location.hash = 'save=saves/missing.Orv5Save'");
    await page.waitFor("Orv5Page.state.loads > 1");
    const error = await page.evaluate("document.getElementById('LoadError').textContent");
    check("an address that is not there is refused with its answer", error === "Could not load saves/missing.Orv5Save: the address answered 404 Not Found", error);
  } finally {
    server.close();
  }
}

// Drops the files and waits until the saves panel shows their check.
async function dropAndCheck(page, files) {
  const checked = await page.evaluate("Orv5SavesPanel.state.checked");
  await page.dropFiles(files);
  await page.waitFor("Orv5SavesPanel.state.checked > " + checked, 300000);
}

// The saves panel's table as a row each: {kind, file} for a game's or the apart group's head,
// else {kind, file, continues, findingsColumn, current, findings: [the sentences under it]}.
function readSavesTable() {
  const titles = Array.from(document.querySelectorAll("#SavesTable thead th")).map((th) => th.textContent);
  const rows = [];
  for (const tr of document.querySelectorAll("#SavesTable tbody tr")) {
    if (tr.classList.contains("finding-lines")) {
      rows[rows.length - 1].findings = Array.from(tr.querySelectorAll("li")).map((li) => li.textContent);
      continue;
    }
    const head = tr.querySelector("th");
    if (head) {
      rows.push({ kind: tr.className, file: head.textContent });
      continue;
    }
    const cell = (title) => tr.cells[titles.indexOf(title)].textContent;
    rows.push({ kind: tr.className, file: cell("File"), continues: cell("Continues"), findingsColumn: cell("Findings"),
                current: tr.getAttribute("aria-current") === "true", findings: [] });
  }
  return rows;
}

// What `orv5 ARGS` prints, run in `folder`; the status may be the one for findings.
function orv5Text(orv5, args, folder) {
  const run = spawnSync(orv5, args, { cwd: folder, encoding: "utf8", maxBuffer: 1 << 30 });
  if (run.status !== 0 && run.status !== 3) {
    throw new Error("orv5 " + args.join(" ") + " ended with " + run.status + ": " + (run.error ? run.error.message : run.stderr));
  }
  return run.stdout;
}

// Several saves dropped together are listed with their check, the first is opened, and each
// can be opened; a file that is no save is listed apart with the loader's reason.
async function checkSeveralSaves(page, demo) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "orv5-page-"));
  const second = path.join(folder, "second.Orv5Save");
  fs.copyFileSync(demo, second);
  const notes = path.join(folder, "notes.txt");
  fs.writeFileSync(notes, "These are notes, not a save.\n".repeat(40));
  const loads = await page.evaluate("Orv5Page.state.loads");
  await dropAndCheck(page, [[demo, "demo.Orv5Save"], [second, "second.Orv5Save"], [notes, "notes.txt"]]);
  const rows = await page.call(readSavesTable);
  const files = rows.filter((row) => row.continues !== undefined).map((row) => row.file).join(",");
  const shown = await page.evaluate("[document.getElementById('SavesPanel').hidden, document.getElementById('Edit1').value]");
  check("three dropped files are listed and the first is opened",
        shown[0] === false && files === "demo.Orv5Save,second.Orv5Save,notes.txt" && shown[1] === "demo.Orv5Save", [shown, files].join(" | "));
  const refused = rows.find((row) => row.file === "notes.txt") || {};
  const apartHead = rows[rows.indexOf(refused) - 1] || {};
  check("a dropped file that is no save is listed apart with the reason",
        apartHead.kind === "apart-head" && apartHead.file === "Not compared (1)" &&
        refused.findingsColumn === "not loaded: not an Orv5 save: it does not start with ORV5", JSON.stringify([apartHead, refused]));
  const text = await page.evaluate("document.getElementById('CheckText').textContent");
  check("the check's text lists the refused file with the saves not comparable",
        text.endsWith("Not comparable:\n  notes.txt: not an Orv5 save: it does not start with ORV5\n3 saves: 1 game, 1 not comparable, 2 findings."), text);
  await page.click('#SavesTable tr[data-entry="1"] button.open');
  await page.waitFor("Orv5Page.state.loads > " + (loads + 1));
  const opened = await page.evaluate("[document.getElementById('Edit1').value, document.querySelector('#SavesTable tr[aria-current]').dataset.entry]");
  check("a listed save opens and its row is marked as shown", opened[0] === "second.Orv5Save" && opened[1] === "1", opened.join(" | "));
  fs.rmSync(folder, { recursive: true, force: true });
}

// Chooses the saves of those file names in the saves panel and compares them: [the button's
// label, the comparison's title, its text].
function compareChosen(page, files) {
  return page.evaluate(`(function(){
    for (const box of document.querySelectorAll('#SavesTable input[type=checkbox]')) box.checked = false;
    for (const file of ${JSON.stringify(files)}) {
      const entry = Orv5SavesPanel.state.panel.entries.findIndex((e) => e.file === file);
      const box = document.querySelector('#SavesTable input[data-entry="' + entry + '"]');
      box.checked = true; box.dispatchEvent(new Event('change'));
    }
    const button = document.getElementById('CompareSaves');
    const label = button.textContent;
    button.click();
    return [label, document.getElementById('CompareTitle').textContent, document.getElementById('CompareText').textContent];
  })()`);
}

// Two saves of the hotseat game dropped together: one game, the later continuing the earlier,
// no finding; the check's text is what `orv5 check` prints for the same files named as the
// page knows them (run in their folder with bare file names), and the comparison is what
// `orv5 diff` prints for them.
async function checkHotseatPair(page, orv5, folder) {
  const names = ["qel-hotseat-t1.Orv5Save", "qel-hotseat-t2a.Orv5Save"];
  await dropAndCheck(page, names.map((name) => [path.join(folder, name), name]));
  const rows = await page.call(readSavesTable);
  const games = rows.filter((row) => row.kind === "game-head");
  const saves = rows.filter((row) => row.continues !== undefined);
  check("two hotseat saves are one game", games.length === 1 && rows.length === 3, JSON.stringify(rows));
  check("the later hotseat save continues the earlier",
        saves.map((row) => row.file + "<" + row.continues).join(",") === names[0] + "<," + names[1] + "<" + names[0], JSON.stringify(saves));
  check("the hotseat saves have no finding", saves.every((row) => row.findings.length === 0 && row.findingsColumn === ""), JSON.stringify(saves));
  const shownCheck = await page.evaluate("document.getElementById('CheckText').textContent");
  const expectedCheck = orv5Text(orv5, ["check", ...names], folder).replace(/\n$/, "");
  check("the check's text is what orv5 check prints", shownCheck === expectedCheck, "page:\n" + shownCheck + "\norv5 check:\n" + expectedCheck);
  const expectedDiff = orv5Text(orv5, ["diff", ...names], folder).replace(/\n$/, "");
  const [label, title, shownDiff] = await compareChosen(page, [names[1], names[0]]);
  check("two chosen saves compare as orv5 diff EARLIER LATER prints", label === "Compare" && title === names[0] + " → " + names[1] &&
        shownDiff === expectedDiff, "page:\n" + shownDiff + "\norv5 diff:\n" + expectedDiff);
  const [alone, , withPrevious] = await compareChosen(page, [names[1]]);
  check("one chosen save compares with the save it continues", alone === "Compare with previous" && withPrevious === expectedDiff, alone + "\n" + withPrevious);
  await page.send("Browser.grantPermissions", { permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] }).catch(() => {});
  await page.evaluate("document.getElementById('CompareTextCopy').click()");
  await page.waitFor("document.getElementById('StatusLine').textContent.startsWith('Copied') || document.getElementById('StatusLine').textContent.includes('not allow')");
  const copied = await page.evaluate("document.getElementById('StatusLine').textContent");
  check("Copy puts the comparison on the clipboard", copied === "Copied: the comparison", copied);
}

// What the page hands the browser to download when a button is clicked, {name, bytes}, caught
// before the browser saves it: Chromium refuses some of many downloads that follow each other
// within moments, so the browser itself saves only a few (checkBrowserSaves).
async function caughtDownload(page, button) {
  const caught = await page.evaluate(`(async function(){
    const blobs = new Map();
    const create = URL.createObjectURL;
    const click = HTMLAnchorElement.prototype.click;
    let link = null;
    URL.createObjectURL = (blob) => { const url = create(blob); blobs.set(url, blob); return url; };
    HTMLAnchorElement.prototype.click = function () { link = this; };
    try { document.getElementById(${JSON.stringify(button)}).click(); }
    finally { URL.createObjectURL = create; HTMLAnchorElement.prototype.click = click; }
    if (!link) return null;
    const bytes = blobs.has(link.href) ? new Uint8Array(await blobs.get(link.href).arrayBuffer())
                                       : Uint8Array.from(atob(link.href.split(",")[1]), (c) => c.charCodeAt(0));
    let text = "";
    for (let i = 0; i < bytes.length; i += 32768) text += String.fromCharCode(...bytes.subarray(i, i + 32768));
    return { name: link.download, base64: btoa(text) };
  })()`);
  return caught && { name: caught.name, bytes: Buffer.from(caught.base64, "base64") };
}

// Every table of a save downloads as the text `orv5 csv SAVE --table T` prints, named
// "<save stem>-<table>.csv"; the chart downloads as a PNG picture.
async function checkDownloads(page, orv5, save) {
  const name = path.basename(save);
  const stem = name.replace(/\.[^.]*$/, "");
  await loadInto(page, save);
  const tables = orv5Text(orv5, ["csv", "--list"], path.dirname(save)).split("\n").filter((line) => /^\w/.test(line)).map((line) => line.split(" ")[0]);
  check(name + ": every table is offered", tables.length === 9 &&
        (await page.evaluate(`${JSON.stringify(tables)}.every((t) => !!document.getElementById('SaveCsv-' + t))`)), tables.join(","));
  for (const table of tables) {
    const got = (await caughtDownload(page, "SaveCsv-" + table)) || { name: "(nothing)", bytes: Buffer.alloc(0) };
    const expected = execFileSync(orv5, ["csv", save, "--table", table], { maxBuffer: 1 << 30 });
    check(name + " " + table + ".csv is what orv5 csv prints", got.name === stem + "-" + table + ".csv" && got.bytes.equals(expected),
          got.name + ": " + got.bytes.length + " bytes, orv5 csv " + expected.length + " bytes");
  }
  const png = (await caughtDownload(page, "SaveChartPng")) || { name: "(nothing)", bytes: Buffer.alloc(0) };
  const signature = png.bytes.subarray(0, 8).toString("hex");
  check(name + ": the chart downloads as a PNG picture", png.name === "history.png" && signature === "89504e470d0a1a0a", png.name + " " + signature);
}

// A dropped save's tables are named after the file's own name, whatever it holds ("#", blanks).
async function checkDroppedName(page, orv5, demo) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "orv5-page-"));
  const name = "my game #2.Orv5Save";
  fs.copyFileSync(demo, path.join(folder, name));
  const loads = await page.evaluate("Orv5Page.state.loads");
  await page.dropFiles([[demo, name]]);
  await page.waitFor("Orv5Page.state.loads > " + loads);
  const got = (await caughtDownload(page, "SaveCsv-players")) || { name: "(nothing)", bytes: Buffer.alloc(0) };
  const expected = execFileSync(orv5, ["csv", name, "--table", "players"], { cwd: folder });
  check("a dropped save's table is named after its file", got.name === "my game #2-players.csv" && got.bytes.equals(expected),
        got.name + "\n" + got.bytes.toString().split("\n")[1]);
  fs.rmSync(folder, { recursive: true, force: true });
}

// The browser itself saves a table and the chart clicked as a person clicks them, under the
// names the page gives, with the bytes the page made.
async function checkBrowserSaves(browser, page, orv5, demo) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "orv5-downloads-"));
  await browser.allowDownloads(folder);
  await loadInto(page, demo);
  const save = async (sheet, button) => {
    const download = browser.nextDownload();
    await page.evaluate("document.getElementById('tab-" + sheet + "').click()");
    await page.click("#" + button);
    const got = await download;
    return { name: got.name, bytes: fs.readFileSync(got.file) };
  };
  const players = await save("LeadersTab", "SaveCsv-players");
  const expected = execFileSync(orv5, ["csv", demo, "--table", "players"]);
  check("the browser saves the players table", players.name === "demo-players.csv" && players.bytes.equals(expected),
        players.name + ": " + players.bytes.length + " bytes");
  const png = await save("GraphTab", "SaveChartPng");
  check("the browser saves the chart", png.name === "history.png" && png.bytes.subarray(0, 8).toString("hex") === "89504e470d0a1a0a", png.name);
  fs.rmSync(folder, { recursive: true, force: true });
}

// Every save of the folder dropped together: two saves of different games are not compared,
// with the reason `orv5 diff` gives. Also measures how long the check takes to show and how
// large the core's memory has grown (printed, not asserted).
async function checkManySaves(page, orv5, folder) {
  const files = fs.readdirSync(folder).filter((file) => file.endsWith(".Orv5Save")).sort();
  const before = await page.evaluate("Orv5Core.memoryBytes()");
  const started = Date.now();
  await dropAndCheck(page, files.map((file) => [path.join(folder, file), file]));
  const tookMs = Date.now() - started;
  const after = await page.evaluate("Orv5Core.memoryBytes()");
  const mb = (bytes) => (bytes / 1048576).toFixed(0) + " MB";
  console.log("drop of " + files.length + " saves to their check: " + tookMs + " ms; the core's memory " +
              mb(before) + " before, " + mb(after) + " after");
  const pair = ["qel-hotseat-t1.Orv5Save", "qel-poland-t12.Orv5Save"];
  if (!pair.every((file) => files.includes(file))) return;
  const [, title, text] = await compareChosen(page, pair);
  const refusal = spawnSync(orv5, ["diff", ...pair], { cwd: folder, encoding: "utf8" }).stderr.replace(/\n$/, "");
  check("saves of two games are not compared, with orv5 diff's reason", title === "Cannot compare" && text === refusal,
        title + "\n" + text + "\norv5 diff: " + refusal);
}

// A save dropped on the page, as a person drops one: the time until its first tab is filled.
async function measureDrop(page, save) {
  const timings = await page.evaluate(`new Promise((resolve) => {
    const request = new XMLHttpRequest();
    request.open("GET", ${JSON.stringify("file://" + save)});
    request.responseType = "arraybuffer";
    request.onload = () => {
      const file = new File([request.response], ${JSON.stringify(path.basename(save))}, { lastModified: Date.now() });
      const transfer = new DataTransfer();
      transfer.items.add(file);
      const loads = Orv5Page.state.loads;
      document.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
      const wait = () => Orv5Page.state.loads > loads && Orv5Page.state.timings.paintedMs ? resolve(Orv5Page.state.timings) : setTimeout(wait, 5);
      wait();
    };
    request.send();
  })`);
  console.log("drop to first tab, " + path.basename(save) + ": " + Math.round(timings.firstTabMs) + " ms to fill, " +
              Math.round(timings.paintedMs) + " ms to paint (inflate and read " + Math.round(timings.readMs) +
              " ms, analysis " + Math.round(timings.analyseMs) + " ms)");
}

async function main() {
  const o = options();
  o.demo = path.resolve(o.demo);
  o.orv5 = path.resolve(o.orv5);
  const saves = [o.demo];
  const folder = process.env.ORV5_REAL_SAVES;
  if (folder && fs.existsSync(folder)) {
    for (const file of fs.readdirSync(folder).sort()) if (file.endsWith(".Orv5Save")) saves.push(path.join(folder, file));
  } else {
    results.skipped += 1;
    console.log("SKIPPED real saves: set ORV5_REAL_SAVES to the folder of real saves");
  }
  const browser = await Browser.launch(o.chromium, { allowFiles: true });
  try {
    const page = await browser.open("file://" + path.resolve(o.page));
    await page.waitFor("document.body.dataset.state === 'empty'");
    for (const save of saves) await compareSave(page, o.orv5, save);
    await checkRefusals(page, o.demo);
    await checkChart(page, o.demo);
    await checkKeyboard(page, o.demo);
    await checkPreSessions(page, o.demo);
    await checkSeveralSaves(page, o.demo);
    await checkDownloads(page, o.orv5, o.demo);
    const poland = saves.find((save) => path.basename(save) === "qel-poland-t12.Orv5Save");
    if (poland) await checkDownloads(page, o.orv5, poland);
    await checkDroppedName(page, o.orv5, o.demo);
    await checkBrowserSaves(browser, page, o.orv5, o.demo);
    if (saves.some((save) => path.basename(save) === "qel-hotseat-t2a.Orv5Save")) await checkHotseatPair(page, o.orv5, folder);
    if (saves.length > 1) await checkManySaves(page, o.orv5, folder);
    if (poland) await measureDrop(page, poland);
    const errors = page.console.filter((line) => /^(error|exception)/.test(line));
    check("the page logs no errors", errors.length === 0, errors.join("\n"));
    await checkStaticHost(browser, path.resolve(o.page), o.demo);
  } finally {
    await browser.close();
  }
  console.log(results.passed + " passed, " + results.failed + " failed" + (results.skipped ? ", " + results.skipped + " skipped" : ""));
  process.exit(results.failed ? 1 : 0);
}

main().catch((error) => {
  console.log("FAILED " + error.stack);
  process.exit(1);
});
