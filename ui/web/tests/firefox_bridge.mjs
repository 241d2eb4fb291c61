// Drives Debian's Firefox ESR over WebDriver BiDi with puppeteer-core for the
// page's tests (Debian has no geckodriver). One JSON command a line on stdin,
// one JSON answer a line on stdout ({id, value} or {id, error}):
//
//   node firefox_bridge.mjs '{"executablePath": "...", "dark": false, "modules": "..."}'
//
// The first answer (id 0) says that Firefox has started. The commands are the
// slice of WebDriver the tests use: goto, reload, history (back and forward),
// evaluate (a script body with arguments, as WebDriver's Execute Script, or
// with a callback, as Execute Async Script), click (by CSS selector, as a user
// would: scrolled into view, the mouse at its centre), actions (WebDriver's
// input actions as they are), viewport and quit. Nothing else is written on
// stdout.

import { createRequire } from "node:module";
import path from "node:path";
import readline from "node:readline";
import { pathToFileURL } from "node:url";

const options = JSON.parse(process.argv[2]);
// puppeteer-core is installed by `npm ci` into the build folder, not beside this file.
const require = createRequire(path.join(options.modules, "..", "package.json"));
const { default: puppeteer } = await import(pathToFileURL(require.resolve("puppeteer-core")).href);

const browser = await puppeteer.launch({
  browser: "firefox",
  executablePath: options.executablePath,
  headless: true,
  extraPrefsFirefox: {
    // The colour scheme the page sees: 0 dark, 1 light.
    "layout.css.prefers-color-scheme.content-override": options.dark ? 0 : 1,
    // Scrollbars over the content, as on a phone and in the Chromium runs.
    "ui.useOverlayScrollbars": 1,
    "browser.shell.checkDefaultBrowser": false,
    // navigator.clipboard.readText() without its paste prompt, so that a test reads back a copy.
    "dom.events.testing.asyncClipboard": true,
  },
});
// A tab of its own, in front: the first tab never has the focus, and without
// it no element matches :focus.
const first = await browser.pages();
const page = await browser.newPage();
await Promise.all(first.map((tab) => tab.close()));
await page.bringToFront();

// What the page asks for (every request its tab makes) and what its
// Content-Security-Policy blocks, once watch has been said.
const requested = [];
page.on("request", (request) => requested.push(request.url()));
const blockedRecord = "__zephyrodTestBlocked";
const context = () => page.mainFrame().browsingContext;

// A script body becomes a function here, in Node, so that the page's
// Content-Security-Policy (no eval) does not apply to it.
function scriptFunction(body, asynchronous) {
  if (!asynchronous) {
    return new Function(body);
  }
  return new Function(
    "...args",
    `return new Promise((resolve) => { (function () { ${body}\n}).apply(this, [...args, resolve]); });`,
  );
}

const commands = {
  async goto({ url }) {
    // BiDi's own navigate: it also returns when only the fragment changes,
    // where no load event comes.
    await context().navigate(url, "complete");
  },
  async reload() {
    await page.reload({ waitUntil: "load" });
  },
  async history({ delta }) {
    // Returns when the traversal is done; the tests then wait for the page's state.
    await context().traverseHistory(delta);
  },
  async evaluate({ body, args, asynchronous }) {
    const value = await page.evaluate(scriptFunction(body, asynchronous), ...(args || []));
    return value === undefined ? null : value;
  },
  async click({ selector }) {
    const element = await page.$(selector);
    if (!element) {
      throw new Error(`no such element: ${selector}`);
    }
    try {
      await element.click();
    } finally {
      await element.dispose();
    }
  },
  async actions({ actions }) {
    await context().performActions(actions);
    await context().releaseActions();
  },
  async viewport({ width, height, scale, mobile }) {
    await page.setViewport({
      width,
      height,
      deviceScaleFactor: scale,
      isMobile: mobile,
      hasTouch: mobile,
    });
  },
  async watch() {
    requested.length = 0;
    await page.evaluateOnNewDocument((name) => {
      window[name] = [];
      addEventListener("securitypolicyviolation", (event) =>
        window[name].push(`${event.violatedDirective} ${event.blockedURI}`),
      );
    }, blockedRecord);
  },
  async requested() {
    return [...requested];
  },
  async blocked() {
    return page.evaluate((name) => window[name] || [], blockedRecord);
  },
  async quit() {
    await browser.close();
  },
};

function answer(message) {
  process.stdout.write(JSON.stringify(message) + "\n");
}

answer({ id: 0, value: null });
const lines = readline.createInterface({ input: process.stdin });
for await (const line of lines) {
  const { id, command, ...params } = JSON.parse(line);
  try {
    answer({ id, value: (await commands[command](params)) ?? null });
  } catch (error) {
    answer({ id, error: String(error && error.message ? error.message : error) });
  }
  if (command === "quit") {
    break;
  }
}
await browser.close().catch(() => {});
process.exit(0);
