// The page's start: builds the three windows from the shared design while
// the core's module loads, puts the defaults in the fields with the frequency
// focused and selected (a link's design instead, calculated once the core is
// there), and registers the service worker that keeps the site offline.

import { buildAboutDialog } from "./about-dialog.js";
import { makeCalculate } from "./calculate.js";
import { copyText } from "./clipboard.js";
import { design, loadCore } from "./core.js";
import { windowHeading } from "./controls.js";
import { browserLanguage, takeDecimalComma, writesDecimalComma } from "./decimal-comma.js";
import { designHistory } from "./design-link.js";
import { el } from "./dom.js";
import { buildErrorDialog } from "./error-dialog.js";
import { buildHelpPanel } from "./help-panel.js";
import { buildMainWindow } from "./main-window.js";
import { buildMenuBar } from "./menu.js";

function titleBar(windowDesign, menuBar) {
  return el(
    "header",
    { className: "title-bar" },
    el("img", { className: "app-icon", src: "icons/zephyrod.svg", alt: "", width: 24, height: 24 }),
    windowHeading(windowDesign, "h1"),
    menuBar,
  );
}

function wireCopyTools(page, calc) {
  const texts = {
    copy: (list) => list.selectedLine(),
    copyAll: (list) => (list.lines.length ? list.lines.join("\n") : null),
    copyCsv: () => calc.csv(),
  };
  // Whether there is anything to copy (without working out the CSV itself).
  const available = {
    copy: (list) => list.selectedLine() !== null,
    copyAll: (list) => list.lines.length > 0,
    copyCsv: () => calc.hasCsv(),
  };
  for (const { button, list, what } of page.tools) {
    button.addEventListener("click", () => {
      const text = texts[what](list);
      if (text) copyText(text);
    });
  }
  const update = () => {
    for (const { button, list, what } of page.tools) {
      button.disabled = !available[what](list);
    }
  };
  for (const list of Object.values(page.lists)) {
    list.element.addEventListener("click", update);
    list.element.addEventListener("keydown", update);
  }
  return update;
}

// How long the words that say the link was copied stay.
const COPIED_SHOWN_MS = 4000;

// Share: the address (the design calculated last) to the system's sharing
// where the browser has it, else copied, with words that say so. Enabled
// once the address holds a design.
function wireShare(share, words) {
  let hide = 0;
  const copyLink = (url) =>
    copyText(url).then((copied) => {
      if (!copied) return;
      share.status.textContent = words.copied;
      clearTimeout(hide);
      hide = setTimeout(() => (share.status.textContent = ""), COPIED_SHOWN_MS);
    });
  share.button.addEventListener("click", () => {
    const url = location.href;
    if (typeof navigator.share === "function") {
      navigator.share({ title: document.title, url }).catch((error) => {
        // Cancelled by the user: nothing more. Refused: copied instead.
        if (error?.name !== "AbortError") copyLink(url);
      });
    } else {
      copyLink(url);
    }
  });
  return (enabled) => (share.button.disabled = !enabled);
}

// The fields' texts as their default values too. A page that the browser
// brings back from its back-forward cache keeps its lists, but WebKit resets
// its fields (they take no autofill) to their default values: so they show
// the design calculated last, or the page's defaults, never nothing.
function keepAsDefaults(fields) {
  for (const input of fields) input.defaultValue = input.value;
}

async function start() {
  // The module is fetched and compiled while the page is built and laid out.
  const coreLoading = loadCore();
  const mainDesign = design.windows.main;
  document.title = mainDesign.caption;
  document.documentElement.style.setProperty("--standard-pt", String(design.standardFontPoints));

  const about = buildAboutDialog(design.windows.about);
  const help = buildHelpPanel(design.windows.help);
  const errorDialog = buildErrorDialog(design.windows.about);
  // Calculate pressed before the core is there counts once it is.
  let pressedEarly = false;
  let onCalculate = () => (pressedEarly = true);
  const main = buildMainWindow(design, () => onCalculate());
  const page = { ...main, errorDialog };
  const designs = designHistory(design.fields.map((field) => field.linkKey));
  const enableShare = wireShare(page.share, design.share);
  enableShare(false);
  // Nothing to copy until a Calculate (the tools' own state once the core is there).
  for (const { button } of page.tools) button.disabled = true;

  // What the menu's items open: the help returns the focus to the menu.
  const menuBar = buildMenuBar(mainDesign, {
    help: (menu) => help.show(menu),
    about: () => about.show(),
  });
  main.element.append(titleBar(mainDesign, menuBar), main.client);
  const root = document.querySelector("main");
  root.replaceChildren(el("div", { className: "workspace" }, main.element, help.panel));
  document.body.append(errorDialog.dialog, about.dialog);

  // A design from the address (a link opened, Back or Forward): its texts
  // into the fields, then as a press of Calculate (before the core is there,
  // one that counts once it is).
  let shown = null; // the texts the page put into the fields
  const showDesign = (texts) => {
    page.fields.forEach((input, i) => (input.value = texts[i]));
    shown = [...texts];
    onCalculate();
  };
  designs.onStep((texts) => {
    if (errorDialog.dialog.open) errorDialog.dialog.close();
    showDesign(texts);
  });
  const linked = designs.current();
  if (linked !== null) showDesign(linked);
  keepAsDefaults(page.fields);
  shown ??= page.fields.map((input) => input.value);
  page.fields[0].focus();
  page.fields[0].select();
  // Asked while the module loads: the browser's number formats take a while
  // to load the first time.
  const decimalComma = writesDecimalComma(browserLanguage());

  const core = await coreLoading;
  performance.mark("zephyrod-core-loaded");
  const calc = makeCalculate(core, page);
  const updateTools = wireCopyTools(page, calc);
  // Every Calculate, a fault's too, records its texts in the address.
  onCalculate = () => {
    // The address takes the texts just after the click: a history entry
    // costs the browser about as much again as the whole Calculate.
    const texts = page.fields.map((input) => input.value);
    setTimeout(() => designs.record(texts));
    keepAsDefaults(page.fields);
    enableShare(true);
    calc.calculate();
    updateTools();
  };
  updateTools();
  if (decimalComma) {
    takeDecimalComma(page.fields, core.withDecimalPoint);
    // What was typed while the core loaded, as if typed now (a link's texts
    // stay as the link gave them).
    page.fields.forEach((input, i) => {
      if (input.value !== shown[i]) input.dispatchEvent(new Event("input"));
    });
  }
  if (pressedEarly) onCalculate();
  document.documentElement.dataset.ready = "true";
  performance.mark("zephyrod-ready");
  // Only now: filling the offline cache fetches every file once more, which
  // must not hold up the page's own loading.
  registerServiceWorker();
}

function registerServiceWorker() {
  if (!("serviceWorker" in navigator)) return;
  navigator.serviceWorker.register("sw.js").catch(() => {
    // Without it the page still works; it only does not keep itself offline.
  });
}

// A browser that lacks what the calculator needs shows the words of
// unsupported.js instead, never a half-built page.
if (!document.documentElement.hasAttribute("data-unsupported"))
  start().catch((error) => {
    document.querySelector("main").textContent = String(error);
    throw error;
  });
