"use strict";
// Headless Chromium driven over the DevTools protocol through a pipe (--remote-debugging-pipe),
// so that the page tests need nothing but node and Debian's chromium.
const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");

class Browser {
  // chromium: the program; options.allowFiles lets pages read file: addresses.
  static async launch(chromium, options = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "orv5-chromium-"));
    const args = [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--remote-debugging-pipe", "--user-data-dir=" + profile, "--window-size=1280,900",
    ];
    if (options.allowFiles) args.push("--allow-file-access-from-files");
    // Its own process group, so that closing ends its helper processes too.
    const child = spawn(chromium, args, { stdio: ["ignore", "ignore", "pipe", "pipe", "pipe"], detached: true });
    const browser = new Browser(child, profile);
    child.stderr.on("data", (data) => { browser.log += data.toString(); });
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.log = "";
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    this.buffer = "";
    this.writer = child.stdio[3];
    child.stdio[4].on("data", (data) => this.receive(data.toString()));
  }

  receive(text) {
    this.buffer += text;
    let end;
    while ((end = this.buffer.indexOf("\0")) >= 0) {
      const message = JSON.parse(this.buffer.slice(0, end));
      this.buffer = this.buffer.slice(end + 1);
      if (message.id && this.pending.has(message.id)) {
        const { resolve, reject } = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (message.error) reject(new Error(message.error.message));
        else resolve(message.result);
      } else {
        for (const listener of this.listeners) listener(message);
      }
    }
  }

  send(method, params = {}, sessionId) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject });
      this.writer.write(JSON.stringify(message) + "\0");
    });
  }

  // A new tab showing `url`; resolves once its load event fired.
  async open(url) {
    const { targetId } = await this.send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await this.send("Target.attachToTarget", { targetId, flatten: true });
    const page = new Page(this, sessionId);
    await page.send("Page.enable");
    await page.send("Runtime.enable");
    await page.navigate(url);
    return page;
  }

  // Downloads are written into `folder`, each under a file name of its own (its guid).
  async allowDownloads(folder) {
    await this.send("Browser.setDownloadBehavior", { behavior: "allowAndName", downloadPath: folder, eventsEnabled: true });
    this.downloadFolder = folder;
  }

  // The next download once it has completed: {name: the name the page gave it, file: where it is}.
  nextDownload(timeoutMs = 60000) {
    return new Promise((resolve, reject) => {
      let name = null;
      let guid = null;
      const timer = setTimeout(() => finish(new Error("no download within " + timeoutMs + " ms")), timeoutMs);
      const listener = (message) => {
        if (message.method === "Browser.downloadWillBegin" && guid === null) {
          guid = message.params.guid;
          name = message.params.suggestedFilename;
        } else if (message.method === "Browser.downloadProgress" && message.params.guid === guid) {
          if (message.params.state === "completed") finish(null, { name, file: path.join(this.downloadFolder, guid) });
          if (message.params.state === "canceled") finish(new Error("the download of " + name + " was cancelled"));
        }
      };
      const finish = (error, download) => {
        clearTimeout(timer);
        this.listeners.splice(this.listeners.indexOf(listener), 1);
        if (error) reject(error);
        else resolve(download);
      };
      this.listeners.push(listener);
    });
  }

  async close() {
    try {
      await Promise.race([this.send("Browser.close"), new Promise((resolve) => setTimeout(resolve, 3000))]);
    } catch (ignored) {
      // the pipe may close before the answer
    }
    if (this.child.exitCode === null) {
      const exited = new Promise((resolve) => this.child.once("exit", resolve));
      this.child.kill();
      await exited;
    }
    try {
      process.kill(-this.child.pid, "SIGKILL");
    } catch (gone) {
      // every process of the group has ended
    }
    for (let attempt = 0; attempt < 20; attempt += 1) {
      try {
        fs.rmSync(this.profile, { recursive: true, force: true });
        return;
      } catch (busy) {
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.console = [];
    browser.listeners.push((message) => {
      if (message.sessionId !== sessionId) return;
      if (message.method === "Runtime.consoleAPICalled") {
        this.console.push(message.params.type + ": " + message.params.args.map((a) => a.value).join(" "));
      }
      if (message.method === "Runtime.exceptionThrown") {
        this.console.push("exception: " + JSON.stringify(message.params.exceptionDetails.exception?.description || message.params.exceptionDetails.text));
      }
    });
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  async navigate(url) {
    const loaded = new Promise((resolve) => {
      const listener = (message) => {
        if (message.sessionId === this.sessionId && message.method === "Page.loadEventFired") {
          this.browser.listeners.splice(this.browser.listeners.indexOf(listener), 1);
          resolve();
        }
      };
      this.browser.listeners.push(listener);
    });
    await this.send("Page.navigate", { url });
    await loaded;
  }

  // The value of an expression (awaited when it is a promise), or an error with the page's message.
  async evaluate(expression) {
    const answer = await this.send("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true });
    if (answer.exceptionDetails) {
      const details = answer.exceptionDetails;
      throw new Error((details.exception && details.exception.description) || details.text);
    }
    return answer.result.value;
  }

  // Calls a function of this file's making inside the page with JSON arguments.
  call(fn, ...args) {
    return this.evaluate("(" + fn.toString() + ")(..." + JSON.stringify(args) + ")");
  }

  // Clicks the element as a person does, with the mouse: a download or the clipboard may ask
  // for such a click.
  async click(selector) {
    const [x, y] = await this.evaluate(`(function(){ const node = document.querySelector(${JSON.stringify(selector)});
      node.scrollIntoView({ block: "center" }); const box = node.getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2]; })()`);
    for (const type of ["mousePressed", "mouseReleased"]) {
      await this.send("Input.dispatchMouseEvent", { type, x, y, button: "left", clickCount: 1 });
    }
  }

  // Drops files on the page as a person drops them together: [[path, name], ...]. The page
  // reads them through file: addresses (the browser must allow it).
  async dropFiles(files) {
    const addresses = files.map(([where, name]) => ["file://" + where, name]);
    await this.evaluate(`(async function(){
      const read = (url) => new Promise((resolve) => { const r = new XMLHttpRequest(); r.open("GET", url);
        r.responseType = "arraybuffer"; r.onload = () => resolve(r.response); r.send(); });
      const transfer = new DataTransfer();
      for (const [where, name] of ${JSON.stringify(addresses)}) transfer.items.add(new File([await read(where)], name));
      document.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
    })()`);
  }

  async waitFor(expression, timeoutMs = 60000) {
    const until = Date.now() + timeoutMs;
    for (;;) {
      if (await this.evaluate(expression)) return;
      if (Date.now() > until) throw new Error("timed out waiting for " + expression);
      await new Promise((resolve) => setTimeout(resolve, 25));
    }
  }

  async screenshot(file, width, height) {
    await this.send("Emulation.setDeviceMetricsOverride", { width, height, deviceScaleFactor: 1, mobile: false });
    const { data } = await this.send("Page.captureScreenshot", { format: "png" });
    fs.writeFileSync(file, Buffer.from(data, "base64"));
  }
}

module.exports = { Browser };
