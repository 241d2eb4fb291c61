// The main window, built from its design: its boxes laid out as the design
// places them (the boxes on one row side by side, a box alone on its row
// across it), each list with its copy tools, and the sweep's chart below the
// box that holds the sweep. Returns the parts the behaviour needs.

import { buildControls, sizeWindow } from "./controls.js";
import { el } from "./dom.js";

// The copy tools under each of Calculate's lists: the selected line and
// every line; the sweep also as CSV. Under the results, Share hands on the
// link of the design calculated, with the words that say it was copied.
const TOOLS = { values: ["copy", "copyAll"], sweep: ["copy", "copyAll", "copyCsv"] };

// The design's boxes by rows (those of one top), and the grid they make:
// the widths of the row with the most boxes as the columns, the gaps
// between the boxes; a row of fewer boxes spans the grid.
function arrangeFrames(client, frames, elementOf) {
  const tops = [...new Set(frames.map((frame) => frame.top))].sort((a, b) => a - b);
  const rows = tops.map((top) => frames.filter((frame) => frame.top === top));
  const widest = rows.reduce((a, b) => (b.length > a.length ? b : a));
  client.style.setProperty(
    "--columns",
    widest.map((frame) => `calc(${frame.width} * var(--tw))`).join(" "),
  );
  if (widest.length > 1) {
    client.style.setProperty("--gap-x", String(widest[1].left - widest[0].left - widest[0].width));
  }
  if (rows.length > 1) {
    const bottom = Math.max(...rows[0].map((frame) => frame.top + frame.height));
    client.style.setProperty("--gap-y", String(rows[1][0].top - bottom));
  }
  for (const row of rows) {
    if (row.length < widest.length) elementOf(row[0]).classList.add("spans-row");
  }
}

export function buildMainWindow(design, onCalculate) {
  const windowDesign = design.windows.main;
  const built = buildControls(windowDesign);
  const fieldRows = design.fields.map((field) => built.row({ name: field.control, index: null }));
  const fields = fieldRows.map((row) => built.element(row));
  fields.forEach((input, i) => (input.value = design.fields[i].defaultText));

  // Calculate: the button of the box of fields, which Enter in a field presses.
  const calculateButton = built.element(
    built.rows("CommandButton").find((row) => row.container === fieldRows[0].container),
  );
  calculateButton.addEventListener("click", (event) => {
    event.preventDefault(); // no form submission: the page calculates here and now
    onCalculate();
  });

  const lists = {};
  const tools = [];
  const share = { button: null, status: null };
  let chartAfter = null;
  for (const row of built.rows("ListBox")) {
    const list = built.list(row);
    lists[row.shows] = list;
    const buttons = TOOLS[row.shows].map((what) => {
      const button = el(
        "button",
        { id: `${list.id}-${what}`, type: "button", className: "tool" },
        design.copyMenu[what],
      );
      tools.push({ button, list, what });
      return button;
    });
    if (row.shows === "values") {
      share.status = el("span", { id: "share-status", role: "status", className: "tool-status" });
      share.button = el(
        "button",
        { id: "share", type: "button", className: "tool" },
        design.share.caption,
      );
      buttons.unshift(share.status, share.button);
    }
    list.element.after(el("div", { className: "list-tools" }, buttons));
    if (row.shows === "sweep") chartAfter = list.element.parentElement;
  }
  const chart = el("figure", { id: "sweepChart", className: "chart", hidden: true });

  const frames = built.topLevel().filter((row) => row.kind === "Frame");
  const client = el(
    "div",
    { className: "client" },
    frames.map((row) => built.element(row)),
  );
  arrangeFrames(client, frames, built.element);
  chartAfter.after(chart);

  const element = el("div", { id: windowDesign.name, className: "app-window" });
  sizeWindow(element, windowDesign);
  return {
    element,
    client,
    fields,
    calculateButton,
    lists,
    chart,
    sweepBox: chartAfter,
    tools,
    share,
  };
}
