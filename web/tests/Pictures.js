"use strict";
// Pictures of the page in headless Chromium: a save opened through #save=, then one PNG per
// visible tab, to look at before a change goes in (scripts/web.sh pictures keeps the README's).
//   node Pictures.js --page index.html --chromium chromium --save SAVE --out FOLDER [--size 1280x900]
const fs = require("fs");
const path = require("path");
const { Browser } = require("./Browser.js");

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
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error.stack);
  process.exit(1);
});
