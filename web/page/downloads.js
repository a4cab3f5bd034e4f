"use strict";
// Downloads offered under a sheet: each is a button that makes a file on the spot and hands
// it to the browser: the chart's picture under the Graph sheet, each table as CSV under the
// sheet that shows its rows.
const Orv5Downloads = (() => {
  const offers = []; // {sheet, name, label, title?, fileName, make: () => Blob|string(URL)|null}

  function save(fileName, made) {
    if (!made) return false;
    const url = typeof made === "string" ? made : URL.createObjectURL(made);
    const link = Orv5Layouts.el("a", { href: url, download: fileName, hidden: true });
    document.body.append(link);
    link.click();
    link.remove();
    if (typeof made !== "string") setTimeout(() => URL.revokeObjectURL(url), 10000);
    return true;
  }

  function register(offer) {
    offers.push(offer);
    const area = document.querySelector('[data-downloads="' + offer.sheet + '"]');
    if (!area) return;
    const button = Orv5Layouts.el("button", { type: "button", id: offer.name, text: offer.label, title: offer.title, disabled: true });
    button.addEventListener("click", () => save(offer.fileName(), offer.make()));
    area.append(button);
  }

  // Offers are usable once a save is shown.
  function enable(on) {
    for (const offer of offers) {
      const button = document.getElementById(offer.name);
      if (button) button.disabled = !on;
    }
  }

  return { register, enable, save };
})();
