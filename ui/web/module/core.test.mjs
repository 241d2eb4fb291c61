// The page's binding (core.js) and WebAssembly module under Node: what the
// page shows for the defaults, for faults and for texts no field expects.
// Run by ctest: node --test core.test.mjs, with ZEPHYROD_PAGE_MODULES the
// build's folder of the page's modules (core.js, design.js, the module).
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { pathToFileURL } from "node:url";

const modules = process.env.ZEPHYROD_PAGE_MODULES;
const { loadCore } = await import(pathToFileURL(join(modules, "core.js")));
// Under Node the module is handed its .wasm instead of fetching it.
const core = await loadCore({ wasmBinary: readFileSync(join(modules, "zephyrod-core.wasm")) });
const defaults = core.design.fields.map((field) => field.defaultText);
const { main, help, about } = core.design.windows;
const row = (windowDesign, ref) =>
  windowDesign.controls.find((c) => c.name === ref.name && c.index === ref.index);

function withField(index, text) {
  const texts = [...defaults];
  texts[index] = text;
  return texts;
}

test("the design names the fields in reading order with their defaults", () => {
  // Each field's caption is what its box is announced by; its unit, its unit label's.
  const fieldRow = (f) => row(main, { name: f.control, index: null });
  const unitOf = (box) => (box.unitLabel ? row(main, box.unitLabel).caption : "");
  assert.deepEqual(
    core.design.fields.map((f) => [
      f.control,
      fieldRow(f).accessibleName,
      unitOf(fieldRow(f)),
      f.defaultText,
    ]),
    [
      ["txtFreq", "Center Frequency", "MHz", "7.07"],
      ["txtResDia", "Resonator Diameter", "mm", "25.4"],
      ["txtCoilDia", "Coil Diameter", "mm", "34.925"],
      ["txtTPI", "Coil Turns Per cm", "", "8.66"],
    ],
  );
  assert.equal(row(about, { name: "lblVersion", index: null }).text, "Version 1.0.0");
  assert.equal(about.accessibleName, "About Zephyrod");
  assert.deepEqual(core.design.copyMenu, {
    copy: "Copy",
    copyAll: "Copy All",
    copyCsv: "Copy CSV",
  });
  assert.equal(about.faceColor, "#efefef");
  assert.match(
    row(help, { name: "txtHelp", index: null }).text,
    /^Enter the desired center frequency.*\r\n\r\nTo /,
  );
  assert.deepEqual(
    main.menu.map((m) => [m.name, m.spacer, m.children.map((c) => c.caption)]),
    [
      ["mnuEMPTY", true, []],
      ["mnuHelp", false, ["Zephyrod Calculator &Help", "&About"]],
    ],
  );
});

test("the defaults give the six results, the whole sweep and its centre row", () => {
  const outcome = core.calculate(defaults);
  assert.deepEqual(outcome.values, [
    "Resonator Length = 664.78 mm",
    "Counterpoise Length = 8.20 M",
    "Resonator Capacitance = 10.78 pF",
    "Required Inductance = 46.90 uH",
    "Number of Coil Turns = 56.0",
    "Coil Length = 65 mm",
  ]);
  assert.equal(outcome.sweep.length, 23);
  assert.equal(outcome.sweep[12], "7.07      664.78mm     56.0       0.00mm   0.0 T");
  assert.equal(outcome.select, 12);
  // The chart's rows: the numbers themselves beside the list's pieces.
  const centre = outcome.sweepRows[outcome.centreRow];
  assert.equal(outcome.sweepRows.length, 21);
  assert.deepEqual(centre.pieces, ["7.07", "664.78", "56.0", "0.00", "0.0"]);
  assert.ok(Math.abs(centre.values[0] - 7.07) < 1e-6 && Math.abs(centre.values[1] - 664.78) < 0.01);
  assert.equal(outcome.error, null);
  const csv = outcome.csv.split("\r\n");
  assert.equal(csv.length, 23); // header, 21 rows, the empty end
  assert.equal(csv[0], "freq_mhz,resonator_mm,turns,delta_mm,delta_turns");
  assert.equal(csv[11], "7.07,664.78,56.0,0.00,0.0");
});

test("a field at fault: the desktop words, its focus, lists kept", () => {
  const cases = [
    [0, "", "Center Frequency is empty: type a number, such as 7.07.", 13, "txtFreq"],
    [
      1,
      "7,07",
      'Resonator Diameter "7,07" has a comma: use a point for decimals, as in 25.4.',
      13,
      "txtResDia",
    ],
  ];
  for (const [index, text, sentence, number, focus] of cases) {
    const outcome = core.calculate(withField(index, text));
    assert.equal(outcome.values, null);
    assert.equal(outcome.sweep, null);
    assert.equal(outcome.select, -1);
    assert.equal(outcome.csv, null);
    assert.deepEqual(outcome.error, {
      number,
      description: "Type mismatch",
      title: "Zephyrod Metric Calculator",
      message: `${sentence}\n\nRun-time error ${number}: Type mismatch`,
      focus,
    });
  }
});

test("a fault in the sweep gives the results and the sweep so far, focus on Calculate", () => {
  const outcome = core.calculate(withField(0, "0.5"));
  assert.equal(outcome.values.length, 6);
  assert.deepEqual(outcome.sweep.slice(2), []);
  assert.equal(outcome.select, -1);
  assert.equal(outcome.error.number, 11);
  assert.equal(outcome.error.focus, "cmdGo");
  assert.equal(outcome.csv, "freq_mhz,resonator_mm,turns,delta_mm,delta_turns\r\n");
});

test("long, emoji and zero-byte texts get an error and leave the core working", () => {
  for (const text of ["7".repeat(10000), "x".repeat(10000), "😀", "7.07\u0000", "\ud800"]) {
    const outcome = core.calculate(withField(0, text));
    assert.ok([6, 13].includes(outcome.error.number), text.slice(0, 20));
    assert.equal(outcome.error.focus, "txtFreq");
  }
  assert.equal(core.calculate(defaults).select, 12);
});

test("a decimal comma as the core reads one, for the page's fields", () => {
  const cases = [
    ["7,07", "7.07"],
    [",5", ".5"],
    ["25,4", "25.4"],
    ["7.07", null],
    ["1,000.5", null],
    ["7,0,7", null],
    ["abc,", null],
    ["", null],
  ];
  for (const [typed, withPoint] of cases)
    assert.equal(core.withDecimalPoint(typed), withPoint, typed);
});

test("the design names each field's key in the link and Share's words", () => {
  assert.deepEqual(
    core.design.fields.map((f) => f.linkKey),
    ["f", "r", "c", "t"],
  );
  assert.deepEqual(core.design.share, { caption: "Share", copied: "Link copied" });
});
