"use strict";
// The sheets' controls, laid out as the window lays them out (app/*Tab.cpp), with the same
// captions. Every control's id is its name in the models, and data-kind says how the models
// fill it (controls.js). Only the layout is here; the texts come from the core.
const Orv5Layouts = (() => {
  function el(tag, attributes, children) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes || {})) {
      if (value === undefined || value === null || value === false) continue;
      if (key === "text") node.textContent = value;
      else if (key === "className") node.className = value;
      else node.setAttribute(key, value === true ? "" : value);
    }
    for (const child of children || []) if (child) node.append(child);
    return node;
  }

  // A caption "English (Русский)" keeps its blanks; the Russian part is marked as Russian.
  function caption(text) {
    const node = el("span");
    const open = text.indexOf("(");
    if (open < 0) {
      node.textContent = text;
      return node;
    }
    node.append(text.slice(0, open), el("span", { lang: "ru", text: text.slice(open) }));
    return node;
  }

  function label(forName, text, className) {
    return el("label", { for: forName, className }, [caption(text)]);
  }

  function edit(name, extra) {
    return el("input", Object.assign({ id: name, "data-kind": "edit", readonly: true, type: "text" }, extra || {}));
  }

  // Edit fields in rows of a grid: [caption, name, second name?].
  function fieldRows(rows, className) {
    const box = el("div", { className: "fields " + (className || "") });
    for (const [text, name, second] of rows) {
      box.append(label(name, text));
      if (second) {
        box.append(edit(name), edit(second, { "aria-label": text.replace(/\s+/g, " ").trim() + " (2)" }));
      } else {
        const field = edit(name);
        field.className = className && className.includes("two") ? "" : "span2";
        box.append(field);
      }
    }
    return box;
  }

  function combo(name, text, visibleCaption) {
    const select = el("select", { id: name, "data-kind": "combo" });
    if (!visibleCaption) select.setAttribute("aria-label", text);
    return visibleCaption ? [label(name, text), select] : [select];
  }

  function listBox(name, text, columns) {
    const id = name + "Caption";
    return el("div", { className: "sheet-col" }, [
      el("span", { id, className: "caption" }, [caption(text)]),
      el("ul", { id: name, "data-kind": "listbox", className: "listbox cols-" + (columns || 1), "aria-labelledby": id, tabindex: "0" }),
    ]);
  }

  function rich(name, options) {
    const o = options || {};
    return el("div", {
      id: name, "data-kind": "rich", role: "textbox", "aria-readonly": "true", "aria-multiline": "true",
      "aria-label": o.label || name, tabindex: "0",
      className: "rich" + (o.mono ? " mono" : "") + (o.wrap ? " wrap" : "") + (o.tall ? " tall" : ""),
    });
  }

  function grid(name, text, options) {
    const o = options || {};
    return el("div", { className: "grid-box" }, [
      el("table", { id: name, "data-kind": "grid", "data-fixed-column": o.fixedColumn ? "1" : null,
                    className: "grid" + (o.mono ? " mono" : ""), "aria-label": text }),
    ]);
  }

  function button(name, text, title) {
    return el("button", { type: "button", id: name, title, text });
  }

  function checkBox(name, text, options) {
    const o = options || {};
    return el("label", { hidden: o.hidden }, [
      el("input", { type: "checkbox", id: name, "data-kind": "checkbox", disabled: o.readonly, "aria-readonly": o.readonly ? "true" : null }),
      " " + text,
    ]);
  }

  // "Turn", "Date" and "Event" over a fixed-pitch log.
  function logCaptions() {
    return el("div", { className: "log-captions", "aria-hidden": "true", text: "Turn  Date   Event" });
  }

  function row(children) {
    return el("div", { className: "sheet-row" }, children);
  }

  function col(children, style) {
    return el("div", { className: "sheet-col", style }, children);
  }

  // --- the sheets, in the window's order --------------------------------------------------

  function baseTab() {
    const fields = fieldRows([
      ["Game Version (Версия игры)", "GameVersionE"],
      ["     Save Version       (Версия сейва)", "SaveIndexE"],
      ["CivName (Цивилизация)", "CivNameE"],
      ["      Handicap       (Ур-нь сложности)", "LevelE"],
      ["Starting Era (Стартовая Эра)", "StartingEraE"],
      ["Current Era (Текущая Эра)", "CurrentEraE"],
      ["Game Speed (Скорость Игры)", "Game5SpeedE"],
      [" World Size  (Размер Карты)", "World5SizeE"],
      ["    Map Script     (Тип Карты)", "Map5ScriptE"],
      ["Current turn (Текущий ход)", "Edit3", "Edit4"],
      ["Starting turn (Стартовый ход)", "StartTurnE", "StartDateE"],
      ["Game score  (Очки)", "Edit6", "Edit13"],
      ["Game Type (Тип Игры)", "Edit8"],
      ["Active Player (Активный Игрок)", "Edit14"],
      ["Playing time  (Время игры)", "Edit5"],
      ["Game status (Состояние игры)", "Edit7"],
      ["User Name (Пользователь)", "UserNameE"],
    ]);
    const victories = el("fieldset", { className: "checks-box" }, [
      el("legend", {}, [caption("Allowed Victories (Разрешенные победы)")]),
      el("div", { className: "checks" }, [
        checkBox("CheckBox1", "Time", { readonly: true }), checkBox("CheckBox2", "Science", { readonly: true }),
        checkBox("CheckBox3", "Domination", { readonly: true }), checkBox("CheckBox4", "Cultural", { readonly: true }),
        checkBox("CheckBox5", "Diplomatic", { readonly: true }),
      ]),
    ]);
    return row([
      col([fields], "flex: 4 1 380px"),
      col([listBox("GameOptionBox", " Game Options  (Опции Игры)", 2), victories,
           listBox("DLCBox", "     DLC Installed     (Установленные дополнения)", 2)], "flex: 5 1 420px"),
    ]);
  }

  function leadersTab() {
    return grid("LeadersGrid", "Leaders", { fixedColumn: true });
  }

  function replayTab() {
    return col([logCaptions(), rich("ReplayList", { mono: true, tall: true, label: "Replay" })]);
  }

  function playerLogTab() {
    return col([
      row([...combo("PlayerLogSelect", "Player"),
           checkBox("ShowCityEventsCheckBox", "Show City Events", { hidden: true }),
           checkBox("ShowCombatsCheckBox", "Show Combats", { hidden: true })]),
      logCaptions(),
      rich("PlayerLog", { mono: true, tall: true, label: "Player log" }),
    ]);
  }

  function reloadsTab() {
    const counts = el("div", { className: "fields two" }, [
      label("Edit9", "       Sessions       (Число сессий)"), edit("Edit9"),
      label("Edit11", "    PreSessions     (Число пресессий)", "blue"),
      el("input", { id: "Edit11", "data-kind": "edit", type: "text", inputmode: "numeric", className: "input-edit",
                    title: "Correct the number of pre-sessions; the figures below follow" }),
      label("Edit10", "    Play Sessions     (Игровые сессии)"), edit("Edit10"),
      label("Edit12", "  Average Session time   (Ср. время сессии)"), edit("Edit12"),
    ]);
    const cancer = row([
      label("CancerSizeE", "     Cancer Size       (Размер опухоли)"), edit("CancerSizeE"), el("span", { text: "x20 bytes" }),
    ]);
    return col([
      row([col([counts]), el("div", { className: "sheet-col", style: "flex: 1 1 300px" }, [
        el("span", { id: "SessionListBoxCaption", className: "visually-hidden", text: "Sessions" }),
        el("ul", { id: "SessionListBox", "data-kind": "listbox", className: "listbox cols-4 mono", "aria-labelledby": "SessionListBoxCaption", tabindex: "0" }),
        el("span", { id: "FindingsListBoxCaption", text: "Findings (Замечания)" }),
        el("ul", { id: "FindingsListBox", "data-kind": "listbox", className: "listbox", "aria-labelledby": "FindingsListBoxCaption", tabindex: "0" }),
      ])]),
      cancer,
    ]);
  }

  function graphTab() {
    const chart = el("div", { className: "chart-box" }, [
      el("canvas", { id: "HistoryChart", "data-kind": "chart", role: "img", tabindex: "0",
                     "aria-label": "History chart; drag across it to zoom into turns" }),
    ]);
    const zoom = el("div", { className: "zoom-row" }, [
      el("label", { for: "ZoomFrom", text: "Turns from" }), el("input", { id: "ZoomFrom", type: "number", step: "1" }),
      el("label", { for: "ZoomTo", text: "to" }), el("input", { id: "ZoomTo", type: "number", step: "1" }),
      button("ZoomApply", "Zoom", "Show only these turns"),
      button("UndoZoom", "Undo zoom", "Show every turn again (a right click on the chart does the same)"),
    ]);
    const side = col([
      el("fieldset", { className: "checklist" }, [
        el("legend", { text: "Players" }),
        el("div", { id: "CheckListBox1", "data-kind": "checklist" }),
      ]),
      button("Button3", "Unselect all"),
    ]);
    return col([
      row([...combo("GraphSelect", "Statistic")]),
      row([col([chart, zoom, el("div", { className: "downloads", "data-downloads": "GraphTab" })], "flex: 1 1 560px"), side]),
    ]);
  }

  function cityTab() {
    const cityFields = fieldRows([
      ["Founded", "CityFoundE"], ["X,Y", "CityXYE"], ["Population (Max)", "PopE"], ["Culture", "CultureE"],
      ["Food", "FoodE"], ["Overflow Production", "CityOverflowE"], ["Status", "CityStatusE"],
      ["Strength", "CityStrengthE"], ["WLTKD turns", "WLTKDE"], ["Disorder turns", "DisorderE"],
      ["Previous Owner", "PreviousOwnerE"], ["Original Owner", "OriginalOwnerE"], ["Captured", "LastCapturedE"],
    ], "two left");
    cityFields.append(...combo("BuildingQueue", "Building Queue", true), ...combo("CitySpyBox", "Spies", true));
    const people = el("div", { className: "fields", style: "grid-template-columns: max-content 1fr max-content 1fr 1fr" }, [
      el("span"), el("span", { text: "Accum" }), el("span"), el("span", { text: "Per turn" }), el("span", { text: "Limit" }),
    ]);
    for (const [text, points, rate, limit] of [
      ["GWr", "GWrPointsE", "GWrRateE", "GWrLimitE"], ["GAr", "GArPointsE", "GArRateE", "GArLimitE"],
      ["GMu", "GMuPointsE", "GMuRateE", "GMuLimitE"], ["GS", "GSPointsE", "GSRateE", null],
      ["GM", "GMPointsE", "GMRateE", "GPLimitE"], ["GE", "GEPointsE", "GERateE", null]]) {
      people.append(label(points, text), edit(points), el("span", { text: "+" }),
                    edit(rate, { "aria-label": text + " per turn" }),
                    limit ? edit(limit, { "aria-label": text + " limit" }) : el("span"));
    }
    const yields = el("div", { className: "fields", style: "grid-template-columns: repeat(6, 1fr)" });
    const pairs = [["Food", "OutFoodE"], ["Product", "OutProdE"], ["Gold", "OutGoldE"], ["Science", "OutScienceE"],
                   ["Culture", "OutCultureE"], ["Faith", "OutFaithE"]];
    for (const [text, name] of pairs) yields.append(label(name, text));
    for (const [, name] of pairs) yields.append(edit(name));
    return col([
      row([...combo("PlayerCitySelect", "Player Select", true), ...combo("CityBox", "City Select", true)]),
      row([
        col([cityFields], "flex: 2 1 260px"),
        col([el("div", { className: "log-captions", "aria-hidden": "true", text: "Buildings".padEnd(24) + "  Date  Turn" }),
             rich("BuildingsList", { mono: true, label: "Buildings" }),
             grid("ProductionGrid", "Production", { fixedColumn: true })], "flex: 3 1 320px"),
        col([people, el("span", { className: "caption", text: "Per turn" }), yields,
             el("span", { className: "caption", text: "Religions" }), grid("ReligionGrid", "Religions")], "flex: 3 1 320px"),
      ]),
    ]);
  }

  function policyTab() {
    const branches = el("div", { className: "fields branches", style: "grid-template-columns: repeat(5, 1fr)" });
    for (const name of ["TraditionBranch", "LibertyBranch", "HonorBranch", "PietyBranch", "PatronageBranch",
                        "OrderBranch", "AutocracyBranch", "FreedomBranch", "RationalismBranch", "CommerceBranch",
                        "FreedomIdeology", "OrderIdeology", "AutocracyIdeology"]) {
      branches.append(rich(name, { label: name.replace(/(Branch|Ideology)$/, " $1").toLowerCase(), wrap: true }));
    }
    const culture = row([["Policy Culture", "PolicyCultureE"], ["Total Culture", "TotalCultureE"], ["Per Turn", "CulturePerTurnE"],
                         ["Culture from CS", "CSCultureE"], ["Policy Number", "PolicyNumE"]]
      .map(([text, name]) => col([label(name, text), edit(name)])));
    return col([row([...combo("PlayerPolicySelect", "Player")]), branches, culture]);
  }

  function playerTab() {
    const economy = fieldRows([
      ["Research", "ResearchE"], ["Science", "AccScienceE"], ["Overflow", "OverflowResearchE"],
      ["Golden Age turns", "GATurnsE"], ["Happiness", "AccHappinessE"], ["Happiness per turn", "HappinessE"],
      ["Great General", "GGPointsE"], ["Great Admiral", "GAPointsE"], ["Total GG points", "TGGPointsE"],
      ["Faith", "AccFaithE"], ["Total Faith", "TotalFaithE"], ["Faith per turn", "FaithPerTurnE"],
      ["Gold", "AccGoldE"], ["Diplo Gold", "DiploGoldE"],
    ], "two left");
    const prices = el("div", { className: "fields", style: "grid-template-columns: repeat(4, 1fr)" });
    const kinds = [["GWr", "GWrFaithE"], ["GAr", "GArFaithE"], ["GMu", "GMuFaithE"], ["GG", "GGFaithE"],
                   ["GS", "GSFaithE"], ["GM", "GMFaithE"], ["GE", "GEFaithE"], ["GA", "GAFaithE"]];
    for (const half of [kinds.slice(0, 4), kinds.slice(4)]) {
      for (const [text, name] of half) prices.append(label(name, text));
      for (const [, name] of half) prices.append(edit(name));
    }
    return col([
      row([...combo("PlayerTechSelect", "Player")]),
      row([col([grid("TechGrid", "Technologies", { fixedColumn: true })], "flex: 3 1 420px"),
           col([economy, el("span", { className: "caption", text: "Great people for faith" }), prices], "flex: 2 1 280px")]),
    ]);
  }

  function statsTab() {
    const lines = el("div", { className: "stats-grid" });
    for (const [text, name] of [["Cities", "CitiesStats"], ["Wonders", "WondersStats"], ["Policies", "PoliciesStats"], ["Beliefs", "BeliefStats"]]) {
      lines.append(el("span", { id: name + "Caption", text }),
                   rich(name, { wrap: true, label: text }),
                   button(name + "Copy", "Copy", "Copy this line to the clipboard"));
      lines.lastChild.setAttribute("aria-label", "Copy the " + text.toLowerCase() + " line");
    }
    return col([row([...combo("PlayerStatsSelect", "Player"), ...combo("StatsLangSelect", "Language")]), lines]);
  }

  function csTab() {
    return grid("CSGrid", "City-state influence", { fixedColumn: true });
  }

  function leagueTab() {
    return grid("LeagueProjectGrid", "League projects", { fixedColumn: true, mono: true });
  }

  function espiTab() {
    const agent = fieldRows([["X,Y", "AgentCityXYE"], ["Rank", "AgentRankE"], ["State", "AgentStateE"], ["Revive", "AgentReviveE"],
                             ["Diplomat", "AgentDiplomatE"], ["Reassign", "AgentReassignE"], ["City", "AgentCityE"]], "two left");
    const operation = fieldRows([["Progress", "SpyAmountProgressE"], ["Per Turn", "SpyRateProgressE"], ["Goal", "SpyGoalProgressE"],
                                 ["Last", "LastProgressE"], ["Potential", "LastPotentialE"], ["Base", "LastBasePotentialE"],
                                 ["Result", "SpyResultE"], ["Robbed", "NumTimesCityRobbedE"]], "two left");
    return col([row([...combo("PlayerEspiSelect", "Player"), ...combo("AgentSelect", "Agent")]), row([agent, operation])]);
  }

  const sheets = {
    BaseTab: baseTab, LeadersTab: leadersTab, ReplayTab: replayTab, PlayerLogTab: playerLogTab,
    ReloadsTab: reloadsTab, GraphTab: graphTab, CityTab: cityTab, PolicyTab: policyTab, PlayerTab: playerTab,
    StatsTab: statsTab, CSTab: csTab, LeagueTab: leagueTab, EspiTab: espiTab,
  };

  // The sheet's content, or null for a sheet the page never shows (TestTab).
  function build(sheet) {
    const builder = sheets[sheet];
    return builder ? builder() : null;
  }

  return { build, el };
})();
