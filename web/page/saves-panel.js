"use strict";
// Several saves dropped together are listed here, each with a button that opens it. What
// belongs together across them (games, lines of play, differences) joins this panel through
// addSection(), which receives the files.
const Orv5SavesPanel = (() => {
  const sections = []; // (files, panel) => void
  let open = () => {};

  function setOpener(opener) {
    open = opener;
  }

  function addSection(section) {
    sections.push(section);
  }

  function show(files) {
    const panel = document.getElementById("SavesPanel");
    const el = Orv5Layouts.el;
    const list = el("ul", {}, files.map((file, i) => {
      const button = el("button", { type: "button", text: "Open" });
      button.setAttribute("aria-label", "Open " + file.name);
      button.addEventListener("click", () => open(file));
      return el("li", { "data-save": String(i) }, [button, " " + file.name]);
    }));
    panel.replaceChildren(el("h2", { text: files.length + " saves dropped" }), list);
    for (const section of sections) section(files, panel);
    panel.hidden = false;
  }

  function hide() {
    document.getElementById("SavesPanel").hidden = true;
  }

  return { setOpener, addSection, show, hide };
})();
