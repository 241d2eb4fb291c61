// The page's start: loads the core, builds the three windows from its
// design, puts the defaults in the fields with the frequency focused and
// selected, and registers the service worker that keeps the site offline.

import { buildAboutDialog } from "./about-dialog.js";
import { makeCalculate } from "./calculate.js";
import { copyText } from "./clipboard.js";
import { loadCore } from "./core.js";
import { windowHeading } from "./controls.js";
import { browserLanguage, takeDecimalComma, writesDecimalComma } from "./decimal-comma.js";
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

async function start() {
  const core = await loadCore();
  performance.mark("zephyrod-core-loaded");
  const design = core.design;
  const mainDesign = design.windows.main;
  document.title = mainDesign.caption;
  document.documentElement.style.setProperty("--standard-pt", String(design.standardFontPoints));

  const about = buildAboutDialog(design.windows.about);
  const help = buildHelpPanel(design.windows.help);
  const errorDialog = buildErrorDialog(design.windows.about);
  let onCalculate = null; // set below, once the parts it uses exist
  const main = buildMainWindow(design, () => onCalculate());
  const page = { ...main, errorDialog };
  const calc = makeCalculate(core, page);
  const updateTools = wireCopyTools(page, calc);
  onCalculate = () => {
    calc.calculate();
    updateTools();
  };
  updateTools();
  if (writesDecimalComma(browserLanguage())) takeDecimalComma(page.fields, core.withDecimalPoint);

  // What the menu's items open: the help returns the focus to the menu.
  const menuBar = buildMenuBar(mainDesign, {
    help: (menu) => help.show(menu),
    about: () => about.show(),
  });
  main.element.append(titleBar(mainDesign, menuBar), main.client);
  const root = document.querySelector("main");
  root.replaceChildren(el("div", { className: "workspace" }, main.element, help.panel));
  document.body.append(errorDialog.dialog, about.dialog);

  page.fields[0].focus();
  page.fields[0].select();
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
