"use strict";
// What a sheet of the page shows, read from its elements and written as `orv5 report` writes
// a tab (views/ModelText.h): one control value per line. Runs inside the page.
function readSheetText(sheet) {
  const escape = (text) => text.replace(/\t/g, "\\t").replace(/\n/g, "\\n").replace(/\r/g, "\\r");
  const line = (key, text) => key + "\t" + escape(text);
  const hex = (colour) => {
    const rgb = /rgb\((\d+), (\d+), (\d+)\)/.exec(colour || "rgb(0, 0, 0)");
    return "#" + rgb.slice(1, 4).map((v) => Number(v).toString(16).padStart(2, "0").toUpperCase()).join("");
  };
  // "%.2f": printf rounds an exact tie (1.125) to even, where toFixed rounds it up.
  const fixed2 = (value) => {
    const scaled = Math.abs(value) * 100;
    if (scaled - Math.floor(scaled) === 0.5 && Math.floor(scaled) % 2 === 0) {
      return (Math.sign(value) * Math.floor(scaled) / 100).toFixed(2);
    }
    return Number(value).toFixed(2);
  };
  const readers = {
    edit(node, out) {
      out.push(line(node.id, node.value));
      if (node.dataset.hint) out.push(line(node.id + ".hint", node.dataset.hint));
      if (node.dataset.record) out.push(line(node.id + ".record", node.dataset.record));
    },
    grid(node, out) {
      Array.from(node.rows).forEach((row, r) => Array.from(row.cells).forEach((cell, c) => {
        if (cell.textContent !== "") out.push(line(node.id + "[" + r + "," + c + "]", cell.textContent));
      }));
    },
    combo(node, out) {
      Array.from(node.options).forEach((option, i) => out.push(line(node.id + "#" + i, option.text)));
      out.push(line(node.id + ".selected", String(node.selectedIndex)));
    },
    listbox(node, out) {
      Array.from(node.children).forEach((item, i) => out.push(line(node.id + "#" + i, item.textContent)));
      out.push(line(node.id + ".selected", node.dataset.selected || "-1"));
    },
    checklist(node, out) {
      Array.from(node.querySelectorAll("label")).forEach((item, i) => {
        out.push(line(node.id + "#" + i, item.querySelector("span").textContent));
        out.push(line(node.id + "#" + i + ".checked", item.querySelector("input").checked ? "1" : "0"));
      });
      out.push(line(node.id + ".selected", node.dataset.selected || "-1"));
    },
    rich(node, out) {
      Array.from(node.children).forEach((item, i) => out.push(line(node.id + "#" + i + "\t" + hex(item.style.color), item.textContent)));
    },
    checkbox(node, out) {
      out.push(line(node.id, node.checked ? "1" : "0"));
    },
    chart(node, out) {
      const chart = Orv5HistoryChart.chart();
      if (!chart) return;
      chart.data.datasets.forEach((set, s) => {
        out.push(node.id + ".series#" + s + "\t" + set.orv5Item + "\t" + set.data.map((p) => p.x + ":" + p.y).join(" "));
      });
      const { x, y } = chart.options.scales;
      out.push(node.id + ".bottom\t" + fixed2(x.min) + "\t" + fixed2(x.max));
      out.push(node.id + ".left\t" + fixed2(y.min) + "\t" + fixed2(y.max));
    },
  };
  const out = [];
  for (const node of document.getElementById(sheet).querySelectorAll("[data-kind]")) readers[node.dataset.kind](node, out);
  return out;
}

module.exports = { readSheetText };
