// The calculator's core for the page: the shared design, and the WebAssembly
// module that calculates, its answers as plain JavaScript values.
//
//   design                       // the windows' designs, the fields' defaults, the chart's axes
//   const core = await loadCore();
//   core.design                  // the same
//   core.calculate([f, r, c, t]) // { values, sweep, sweepRows, select, centreRow, error, csv }
//   core.withDecimalPoint("7,07") // "7.07": a decimal comma as the core reads one; else null
//
// Texts cross to the module as UTF-8 and come back as JSON. The design is
// written as a module of the page when the site is built (design.js): the
// page builds its windows from it while the WebAssembly module loads.
import design from "./design.js";
import createZephyrodCore from "./zephyrod-core.js";

export { design };

// Reads a JSON answer the module allocated, then frees it.
function takeJson(module, pointer) {
  if (pointer === 0) {
    throw new Error("The calculator ran out of memory.");
  }
  try {
    return JSON.parse(module.UTF8ToString(pointer));
  } finally {
    module._free(pointer);
  }
}

// Copies a text into the module's memory as UTF-8; returns [pointer, bytes].
function putText(module, text) {
  const bytes = module.lengthBytesUTF8(text);
  const pointer = module._malloc(bytes + 1);
  if (pointer === 0) {
    throw new Error("The calculator ran out of memory.");
  }
  module.stringToUTF8(text, pointer, bytes + 1);
  return [pointer, bytes];
}

// `options` go to the module's loader as they are (e.g. `wasmBinary` where
// the .wasm is not fetched, as under Node).
export async function loadCore(options = {}) {
  const module = await createZephyrodCore(options);
  const fieldCount = design.fields.length;

  // Calls one of the module's functions of the four texts.
  function callWithTexts(fn, texts) {
    const pointers = [];
    try {
      const args = [];
      for (let i = 0; i < fieldCount; ++i) {
        const [pointer, bytes] = putText(module, String(texts[i] ?? ""));
        pointers.push(pointer);
        args.push(pointer, bytes);
      }
      return takeJson(module, fn(...args));
    } finally {
      pointers.forEach((pointer) => module._free(pointer));
    }
  }

  // The outcome's `csv` is worked out when first read (it takes a second
  // calculation, and the page needs it only to copy it).
  function calculate(texts) {
    const fields = Array.from({ length: fieldCount }, (_, i) => texts[i]);
    const outcome = callWithTexts(module._zephyrod_calculate, fields);
    let csv;
    Object.defineProperty(outcome, "csv", {
      enumerable: true,
      get() {
        if (csv === undefined) {
          csv = callWithTexts(module._zephyrod_sweep_csv, fields);
        }
        return csv;
      },
    });
    return outcome;
  }

  // The core's one rule for a number typed with a decimal comma.
  function withDecimalPoint(text) {
    const [pointer, bytes] = putText(module, String(text));
    try {
      return takeJson(module, module._zephyrod_with_decimal_point(pointer, bytes));
    } finally {
      module._free(pointer);
    }
  }

  return { design, calculate, withDecimalPoint };
}
