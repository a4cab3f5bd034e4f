"use strict";
// Pictures of the page in headless Chromium: a save opened through #save=, then one PNG per
// visible tab, to look at before a change goes in (scripts/web.sh pictures keeps the README's).
// With --drop, the saves of that folder dropped together: the saves panel with two of them
// compared (SavesPanel.png).
//   node Pictures.js --page index.html --chromium chromium --save SAVE --out FOLDER [--size 1280x900]
//                    [--drop FOLDER --compare FIRST,SECOND]
const fs = require("fs");
const path = require("path");
const { Browser } = require("./Browser.js");

// The saves of a folder dropped together, two of them chosen and compared.
async function drawSavesPanel(page, o, width) {
  const files = fs.readdirSync(o.drop).filter((file) => file.endsWith(".Orv5Save")).sort();
  await page.dropFiles(files.map((file) => [path.join(path.resolve(o.drop), file), file]));
  await page.waitFor("Orv5SavesPanel.state.checked > 0", 300000);
  for (const file of (o.compare || "").split(",").filter(Boolean)) {
    await page.evaluate(`(function(){ const entry = Orv5SavesPanel.state.panel.entries.findIndex((e) => e.file === ${JSON.stringify(file)});
      const box = document.querySelector('#SavesTable input[data-entry="' + entry + '"]');
      box.checked = true; box.dispatchEvent(new Event("change")); })()`);
  }
  if (o.compare) await page.evaluate("document.getElementById('CompareSaves').click()");
  const height = await page.evaluate("Math.ceil(document.getElementById('PageControls').getBoundingClientRect().top) + 40");
  await page.screenshot(path.join(o.out, "SavesPanel.png"), width, height);
  console.log(o.out + ": SavesPanel.png");
}

async function main() {
  const o = {};
  const args = process.argv.slice(2);
  for (let i = 0; i + 1 < args.length; i += 2) o[args[i].replace(/^--/, "")] = args[i + 1];
  const [width, height] = (o.size || "1280x900").split("x").map(Number);
  fs.mkdirSync(o.out, { recursive: true });
  const browser = await Browser.launch(o.chromium, { allowFiles: true });
  try {
    // Named relative to the page, so that the pictures show no folder of this machine.
    const save = path.relative(path.dirname(path.resolve(o.page)), path.resolve(o.save));
    const page = await browser.open("file://" + path.resolve(o.page) + "#save=" + encodeURIComponent(save));
    await page.waitFor("Orv5Page.state.loads > 0");
    const sheets = await page.evaluate("Orv5Page.state.tabs.map((t) => t.sheet).filter((s) => !document.getElementById('tab-' + s).hidden)");
    for (const sheet of sheets) {
      await page.evaluate("document.getElementById('tab-" + sheet + "').click()");
      await page.evaluate("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
      await page.screenshot(path.join(o.out, sheet + ".png"), width, height);
    }
    console.log(o.out + ": " + sheets.map((s) => s + ".png").join(" "));
    if (o.drop) await drawSavesPanel(page, o, width);
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error.stack);
  process.exit(1);
});
