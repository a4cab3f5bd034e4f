"use strict";
// Copies the models of a sheet into its controls, each found by its name (the element id),
// as the window's binder does. Texts go in as they are: blanks and all.
const Orv5Controls = (() => {
  const el = Orv5Layouts.el;

  function setOrClear(node, key, text) {
    if (text) node.dataset[key] = text;
    else delete node.dataset[key];
  }

  function bindEdit(node, model) {
    if (node.value !== model.text) node.value = model.text;
    // The model's hint and the game's own record of the value are the field's tooltip, as in the
    // window (data-hint and data-record keep them apart from the page's own titles).
    setOrClear(node, "hint", model.hint);
    setOrClear(node, "record", model.record);
    const tip = [model.hint, model.record].filter(Boolean).join("\n");
    if (tip) node.title = tip;
    else node.removeAttribute("title");
    if (model.colour) node.style.color = model.colour;
  }

  function cellNode(tag, text, header) {
    const cell = document.createElement(tag);
    if (header) cell.setAttribute("scope", header);
    cell.textContent = text;
    return cell;
  }

  // Row 0 is the header row; with a fixed column, column 0 heads each row.
  function bindGrid(table, model) {
    const texts = Array.from({ length: model.rows }, () => new Array(model.columns).fill(""));
    for (const [row, column, text] of model.cells) texts[row][column] = text;
    const fixedColumn = table.dataset.fixedColumn === "1";
    const head = document.createElement("thead");
    const body = document.createElement("tbody");
    texts.forEach((cells, row) => {
      const line = document.createElement("tr");
      cells.forEach((text, column) => {
        if (row === 0) line.append(cellNode("th", text, "col"));
        else if (column === 0 && fixedColumn) line.append(cellNode("th", text, "row"));
        else line.append(cellNode("td", text));
      });
      (row === 0 ? head : body).append(line);
    });
    // The window's column widths, in pixels at 96 dpi.
    const widths = el("colgroup", {}, model.columnWidths.map((width) => el("col", { style: "width: " + width + "px" })));
    table.replaceChildren(widths, head, body);
  }

  function bindCombo(select, model) {
    const same = select.options.length === model.items.length &&
      model.items.every((item, i) => select.options[i].text === item);
    if (!same) select.replaceChildren(...model.items.map((item, i) => el("option", { value: String(i), text: item })));
    select.selectedIndex = model.selected;
  }

  function bindListBox(list, model) {
    list.replaceChildren(...model.items.map((item, i) =>
      el("li", { "aria-selected": i === model.selected ? "true" : null, text: item })));
    list.dataset.selected = String(model.selected);
  }

  // The check list of the chart doubles as its legend: each player in the colour of its line.
  function bindCheckList(box, model) {
    box.replaceChildren(...model.items.map((item, i) => {
      const check = el("input", { type: "checkbox", "data-item": String(i) });
      check.checked = Boolean(model.checked && model.checked[i]);
      const line = el("label", {}, [check, " ", el("span", { text: item })]);
      if (model.colours) line.style.color = model.colours[i];
      return line;
    }));
    box.dataset.selected = String(model.selected);
  }

  function bindRich(box, model) {
    box.replaceChildren(...model.lines.map((line) => {
      const node = el("div", { text: line.text });
      node.style.color = line.colour;
      return node;
    }));
    box.scrollTop = 0;
  }

  function bindCheckBox(box, model) {
    box.checked = model.checked;
  }

  const binders = {
    edit: bindEdit, grid: bindGrid, combo: bindCombo, listbox: bindListBox, checklist: bindCheckList,
    rich: bindRich, checkbox: bindCheckBox,
  };
  const modelKinds = {
    edit: ["edit"], grid: ["grid"], combo: ["list"], listbox: ["list"], checklist: ["list"], rich: ["richtext"],
    checkbox: ["checkbox"], chart: ["chart"],
  };

  // Fills every control of a sheet's model but those in `skip`. Returns the names the page
  // lacks or holds as another kind (empty when page and views agree).
  function bindTab(tab, skip, charts) {
    const missing = [];
    for (const model of tab.controls) {
      if (skip && skip.includes(model.name)) continue;
      const node = document.getElementById(model.name);
      const kind = node && node.dataset.kind;
      if (!kind || !(modelKinds[kind] || []).includes(model.kind)) {
        missing.push(model.name);
        continue;
      }
      if (kind === "chart") charts(node, model);
      else binders[kind](node, model);
    }
    return missing;
  }

  return { bindTab };
})();
