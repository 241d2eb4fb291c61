// The main window, built from its design: the title and Help menu, the
// Parameters box with the four fields and Calculate, the results box, the
// Sweep Data box with its chart. Returns the parts the behaviour needs.

import { control, el } from "./dom.js";
import { ListBox } from "./listbox.js";

const overlaps = (a, b) => a.top < b.top + b.height && b.top < a.top + a.height;

// The caption label (left of the field) and unit label (right of it) that
// share the field's row in its box.
function rowLabels(controls, field) {
  const labels = controls.filter(
    (c) => c.kind === "Label" && c.container === field.container && overlaps(c, field),
  );
  return {
    caption: labels.find((c) => c.left < field.left) ?? null,
    unit: labels.find((c) => c.left > field.left) ?? null,
  };
}

const labelId = (c) =>
  c.index === null || c.index === undefined ? c.name : `${c.name}-${c.index}`;

function fieldRow(window, info) {
  const field = control(window, info.control);
  const { caption, unit } = rowLabels(window.controls, field);
  const description = info.accessibleDescription || "";
  const described = unit && unit.caption === description;
  const descriptionId = `${info.control}-description`;
  const input = el("input", {
    id: info.control,
    type: "text",
    inputmode: "decimal",
    enterkeyhint: "go",
    autocomplete: "off",
    autocapitalize: "off",
    autocorrect: "off",
    spellcheck: "false",
    "aria-describedby": description ? (described ? labelId(unit) : descriptionId) : null,
  });
  input.value = info.defaultText;
  return {
    input,
    nodes: [
      el(
        "label",
        { id: caption ? labelId(caption) : null, for: info.control, className: "caption" },
        caption ? caption.caption : info.caption,
      ),
      input,
      unit
        ? el("span", { id: labelId(unit), className: "unit" }, unit.caption)
        : el("span", { className: "unit" }),
      description && !described
        ? el("span", { id: descriptionId, className: "visually-hidden" }, description)
        : null,
    ],
  };
}

function listFrame(window, frameName, listName, buttons) {
  const frame = control(window, frameName);
  const list = control(window, listName);
  const box = new ListBox(listName, list.accessibleName, list.font.fixedPitch);
  const title = frame.caption.trim();
  const titleId = `${frameName}-caption`;
  const section = el(
    "section",
    { id: frameName, className: "frame", "aria-labelledby": title ? titleId : null },
    title ? el("h2", { id: titleId, className: "frame-caption" }, title) : null,
    box.element,
    el("div", { className: "list-tools" }, buttons),
  );
  return { section, box };
}

export function buildMainWindow(design, onCalculate) {
  const window = design.windows.frmMain;
  const params = control(window, "Frame2");
  const go = control(window, "cmdGo");

  const rows = design.fields
    .map((info) => ({ info, field: control(window, info.control) }))
    .sort((a, b) => a.field.top - b.field.top)
    .map(({ info }) => fieldRow(window, info));
  const inputs = Object.fromEntries(rows.map((row) => [row.input.id, row.input]));
  const fieldsInReadingOrder = design.fields.map((info) => inputs[info.control]);

  const cmdGo = el("button", { id: go.name, type: "submit", className: "command" }, go.caption);
  cmdGo.addEventListener("click", (event) => {
    event.preventDefault(); // no form submission: the page calculates here and now
    onCalculate();
  });
  const form = el(
    "form",
    { id: params.name, className: "parameters", novalidate: true },
    el(
      "fieldset",
      {},
      el("legend", { className: "frame-caption" }, params.caption.trim()),
      el(
        "div",
        { className: "field-grid" },
        rows.map((row) => row.nodes),
      ),
      cmdGo,
    ),
  );
  form.addEventListener("submit", (event) => event.preventDefault());

  const copy = (id, caption) => el("button", { id, type: "button", className: "tool" }, caption);
  const valuesTools = [
    copy("lstValues-copy", design.copyMenu.copy),
    copy("lstValues-copyAll", design.copyMenu.copyAll),
  ];
  const sweepTools = [
    copy("lstSweep-copy", design.copyMenu.copy),
    copy("lstSweep-copyAll", design.copyMenu.copyAll),
    copy("lstSweep-copyCsv", design.copyMenu.copyCsv),
  ];
  const values = listFrame(window, "Frame3", "lstValues", valuesTools);
  const sweep = listFrame(window, "Frame1", "lstSweep", sweepTools);
  const chart = el("figure", { id: "sweepChart", className: "chart", hidden: true });

  const client = el("div", { className: "client" }, form, values.section, sweep.section, chart);
  return {
    client,
    fields: fieldsInReadingOrder,
    cmdGo,
    lstValues: values.box,
    lstSweep: sweep.box,
    chart,
    sweepBox: sweep.section,
    tools: Object.fromEntries([...valuesTools, ...sweepTools].map((b) => [b.id, b])),
  };
}
