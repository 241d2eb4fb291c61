// A small chart of the sweep, drawn as inline SVG from the sweep's rows:
// the resonator length (left scale) and the coil turns (right scale) against
// the frequency, the centre frequency marked. Its text alternative gives the
// ends of both curves and the centre values.

const SVG = "http://www.w3.org/2000/svg";
const HEIGHT = 190;
const PAD = { left: 62, right: 50, top: 14, bottom: 30 };

function svg(tag, attributes = {}, text = null) {
  const node = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, String(value));
  if (text !== null) node.textContent = text;
  return node;
}

// The rows as the chart's points: each axis's value (a number) and its text
// as the list prints it; rows without a number on every axis are left out.
function points(rows, axes) {
  const point = (row) => ({
    freq: row.values[axes.frequency.column],
    length: row.values[axes.length.column],
    turns: row.values[axes.turns.column],
    freqText: row.pieces[axes.frequency.column],
    lengthText: row.pieces[axes.length.column],
    turnsText: row.pieces[axes.turns.column],
  });
  return rows
    .map(point)
    .filter(
      (p) => Number.isFinite(p.freq) && Number.isFinite(p.length) && Number.isFinite(p.turns),
    );
}

// A number's text followed by its axis's unit, where it has one.
const withUnit = (text, axis) => (axis.unit ? `${text} ${axis.unit}` : text);
// An axis's title and, in brackets, its unit.
const titled = (axis) => (axis.unit ? `${axis.title} (${axis.unit})` : axis.title);

function scale(values, from, to) {
  let low = Math.min(...values);
  let high = Math.max(...values);
  if (high - low < 1e-9) {
    low -= 1;
    high += 1;
  }
  return { low, high, at: (v) => from + ((v - low) / (high - low)) * (to - from) };
}

// The row with the highest (Math.max) or lowest (Math.min) value of a column.
function extreme(rows, key, pick) {
  const value = pick(...rows.map((r) => r[key]));
  return rows.find((r) => r[key] === value);
}

function path(rows, x, y, key) {
  return rows
    .map((r, i) => `${i ? "L" : "M"}${x.at(r.freq).toFixed(1)},${y.at(r[key]).toFixed(1)}`)
    .join("");
}

// Draws the chart of the sweep's rows into `figure` (hiding it when there
// are fewer than two), `width` px wide so that its texts keep their size.
// `centreRow` is the centre row, or null; `chart` the design's axes (the
// column each takes from a row, its title and unit) and joining words.
export function drawSweepChart(figure, sweepRows, centreRow, chart, width) {
  const rows = points(sweepRows, chart);
  figure.replaceChildren();
  figure.hidden = rows.length < 2;
  if (figure.hidden) return;
  const { frequency, length, turns, words: w } = chart;
  const centre = centreRow ? (points([centreRow], chart)[0] ?? null) : null;
  const x = scale(
    rows.map((r) => r.freq),
    PAD.left,
    width - PAD.right,
  );
  // Each curve has a band of its own, the resonator's above the turns', so
  // that the two stay apart where they fall alike.
  const band = (HEIGHT - PAD.bottom - PAD.top) * 0.3;
  const yLength = scale(
    rows.map((r) => r.length),
    HEIGHT - PAD.bottom - band,
    PAD.top,
  );
  const yTurns = scale(
    rows.map((r) => r.turns),
    HEIGHT - PAD.bottom,
    PAD.top + band,
  );
  const first = rows[0];
  const last = rows.at(-1);
  const freqOf = (p) => withUnit(p.freqText, frequency);
  const lengthOf = (p) => withUnit(p.lengthText, length);
  const turnsOf = (p) => withUnit(p.turnsText, turns);
  const summary = [
    `${length.title} ${lengthOf(first)} ${w.at} ${freqOf(first)} ${w.to} ${lengthOf(last)} ${w.at} ${freqOf(last)}`,
    `${turns.title} ${turnsOf(first)} ${w.at} ${freqOf(first)} ${w.to} ${turnsOf(last)} ${w.at} ${freqOf(last)}`,
    centre ? `${w.centre} ${freqOf(centre)}: ${lengthOf(centre)}, ${turnsOf(centre)}` : null,
  ]
    .filter(Boolean)
    .join("; ");

  const drawing = svg("svg", {
    viewBox: `0 0 ${width} ${HEIGHT}`,
    role: "img",
    "aria-label": summary,
    preserveAspectRatio: "xMidYMid meet",
  });
  const plotBottom = HEIGHT - PAD.bottom;
  drawing.append(
    svg("rect", {
      class: "plot",
      x: PAD.left,
      y: PAD.top,
      width: width - PAD.left - PAD.right,
      height: plotBottom - PAD.top,
    }),
  );
  if (centre) {
    const cx = x.at(centre.freq).toFixed(1);
    drawing.append(
      svg("line", { class: "centre", x1: cx, x2: cx, y1: PAD.top, y2: plotBottom }),
      svg(
        "text",
        { class: "tick centre-label", x: cx, y: HEIGHT - 8, "text-anchor": "middle" },
        centre.freqText,
      ),
    );
  }
  drawing.append(
    svg("path", { class: "curve length", d: path(rows, x, yLength, "length") }),
    svg("path", { class: "curve turns", d: path(rows, x, yTurns, "turns") }),
  );
  if (centre) {
    const cx = x.at(centre.freq);
    drawing.append(
      svg("circle", { class: "mark length", cx, cy: yLength.at(centre.length), r: 4.5 }),
      svg("circle", { class: "mark turns", cx, cy: yTurns.at(centre.turns), r: 4.5 }),
    );
  }
  const tick = (text, attributes) => svg("text", { class: "tick", ...attributes }, text);
  drawing.append(
    tick(first.freqText, { x: PAD.left, y: HEIGHT - 8, "text-anchor": "start" }),
    tick(freqOf(last), {
      x: width - PAD.right,
      y: HEIGHT - 8,
      "text-anchor": "end",
    }),
    tick(extreme(rows, "length", Math.max).lengthText, {
      class: "tick length",
      x: PAD.left - 6,
      y: PAD.top + 10,
      "text-anchor": "end",
    }),
    tick(extreme(rows, "length", Math.min).lengthText, {
      class: "tick length",
      x: PAD.left - 6,
      y: plotBottom - band + 4,
      "text-anchor": "end",
    }),
    tick(extreme(rows, "turns", Math.max).turnsText, {
      class: "tick turns",
      x: width - PAD.right + 6,
      y: PAD.top + band + 4,
      "text-anchor": "start",
    }),
    tick(extreme(rows, "turns", Math.min).turnsText, {
      class: "tick turns",
      x: width - PAD.right + 6,
      y: plotBottom,
      "text-anchor": "start",
    }),
  );
  const legend = document.createElement("figcaption");
  legend.className = "chart-legend";
  legend.setAttribute("aria-hidden", "true");
  const key = (cls, text) => {
    const item = document.createElement("span");
    item.className = `legend ${cls}`;
    item.textContent = text;
    return item;
  };
  legend.append(
    key("length", titled(length)),
    key("turns", titled(turns)),
    key("freq", titled(frequency)),
  );
  figure.append(drawing, legend);
}
