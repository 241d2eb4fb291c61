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

export { design };

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// What the module imports: the C library's exit (which a calculation never
// reaches: every fault is an answer) and a notice that its memory grew
// (views of it are made anew for every text).
const imports = {
  env: { emscripten_notify_memory_growth: () => {} },
  wasi_snapshot_preview1: {
    proc_exit: (status) => {
      throw new Error(`The calculator stopped (status ${status}).`);
    },
  },
};

// The module's instance: compiled as it arrives where the server says it is
// WebAssembly, else once it has arrived; from `wasmBinary` where it is not
// fetched, as under Node.
async function instantiate(wasmBinary) {
  if (wasmBinary) return (await WebAssembly.instantiate(wasmBinary, imports)).instance;
  const response = await fetch(new URL("zephyrod-core.wasm", import.meta.url));
  if (!response.ok) throw new Error(`The calculator's module did not load (${response.status}).`);
  const streams = response.headers.get("Content-Type")?.startsWith("application/wasm");
  const { instance } = streams
    ? await WebAssembly.instantiateStreaming(response, imports)
    : await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  return instance;
}

// `options.wasmBinary`: the module's bytes, where it is not fetched.
export async function loadCore(options = {}) {
  const module = (await instantiate(options.wasmBinary)).exports;
  module._initialize();
  const fieldCount = design.fields.length;

  // Reads a JSON answer the module allocated (a text ending in a zero byte),
  // then frees it.
  function takeJson(pointer) {
    if (pointer === 0) throw new Error("The calculator ran out of memory.");
    try {
      const bytes = new Uint8Array(module.memory.buffer, pointer);
      return JSON.parse(decoder.decode(bytes.subarray(0, bytes.indexOf(0))));
    } finally {
      module.free(pointer);
    }
  }

  // Copies a text into the module's memory as UTF-8; returns [pointer, bytes].
  function putText(text) {
    const bytes = encoder.encode(text);
    const pointer = module.malloc(bytes.length + 1);
    if (pointer === 0) throw new Error("The calculator ran out of memory.");
    const memory = new Uint8Array(module.memory.buffer, pointer, bytes.length + 1);
    memory.set(bytes);
    memory[bytes.length] = 0;
    return [pointer, bytes.length];
  }

  // Calls one of the module's functions of texts (each as pointer and bytes).
  function callWithTexts(fn, texts) {
    const pointers = [];
    try {
      const args = [];
      for (const text of texts) {
        const [pointer, bytes] = putText(String(text ?? ""));
        pointers.push(pointer);
        args.push(pointer, bytes);
      }
      return takeJson(fn(...args));
    } finally {
      pointers.forEach((pointer) => module.free(pointer));
    }
  }

  // The outcome's `csv` is worked out when first read (it takes a second
  // calculation, and the page needs it only to copy it).
  function calculate(texts) {
    const fields = Array.from({ length: fieldCount }, (_, i) => texts[i]);
    const outcome = callWithTexts(module.zephyrod_calculate, fields);
    let csv;
    Object.defineProperty(outcome, "csv", {
      enumerable: true,
      get() {
        if (csv === undefined) {
          csv = callWithTexts(module.zephyrod_sweep_csv, fields);
        }
        return csv;
      },
    });
    return outcome;
  }

  // The core's one rule for a number typed with a decimal comma.
  const withDecimalPoint = (text) => callWithTexts(module.zephyrod_with_decimal_point, [text]);

  return { design, calculate, withDecimalPoint };
}
