// A small chart of the sweep, drawn as inline SVG from the sweep list's rows:
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

// The sweep's rows as numbers, with the texts they show: the frequency, the
// resonator length and the turns are the first three columns of each row.
function parseRows(lines) {
  return lines
    .slice(2)
    .map((line) => {
      const [freq, length, turns] = line.trim().split(/\s+/);
      return {
        freq: parseFloat(freq),
        length: parseFloat(length),
        turns: parseFloat(turns),
        freqText: freq,
        lengthText: length.replace(/[^\d.\-]/g, ""),
        turnsText: turns,
      };
    })
    .filter(
      (r) => Number.isFinite(r.freq) && Number.isFinite(r.length) && Number.isFinite(r.turns),
    );
}

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

// Draws the chart into `figure` (hiding it when there are fewer than two
// rows), `width` px wide so that its texts keep their size. `centreIndex` is
// the list index of the centre row, or -1.
export function drawSweepChart(figure, lines, centreIndex, units, words, width) {
  const rows = parseRows(lines);
  figure.replaceChildren();
  figure.hidden = rows.length < 2;
  if (figure.hidden) return;
  const [freqWord, lengthWord, turnsWord] = lines[0].trim().split(/\s+/);
  const centre = centreIndex >= 2 ? (rows[centreIndex - 2] ?? null) : null;
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
  const w = words;
  const summary = [
    `${lengthWord} ${first.lengthText} ${units.length} ${w.at} ${first.freqText} ${units.freq} ${w.to} ${last.lengthText} ${units.length} ${w.at} ${last.freqText} ${units.freq}`,
    `${turnsWord} ${first.turnsText} ${w.at} ${first.freqText} ${units.freq} ${w.to} ${last.turnsText} ${w.at} ${last.freqText} ${units.freq}`,
    centre
      ? `${w.centre} ${centre.freqText} ${units.freq}: ${centre.lengthText} ${units.length}, ${centre.turnsText}`
      : null,
  ]
    .filter(Boolean)
    .join("; ");

  const chart = svg("svg", {
    viewBox: `0 0 ${width} ${HEIGHT}`,
    role: "img",
    "aria-label": summary,
    preserveAspectRatio: "xMidYMid meet",
  });
  const plotBottom = HEIGHT - PAD.bottom;
  chart.append(
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
    chart.append(
      svg("line", { class: "centre", x1: cx, x2: cx, y1: PAD.top, y2: plotBottom }),
      svg(
        "text",
        { class: "tick centre-label", x: cx, y: HEIGHT - 8, "text-anchor": "middle" },
        centre.freqText,
      ),
    );
  }
  chart.append(
    svg("path", { class: "curve length", d: path(rows, x, yLength, "length") }),
    svg("path", { class: "curve turns", d: path(rows, x, yTurns, "turns") }),
  );
  if (centre) {
    const cx = x.at(centre.freq);
    chart.append(
      svg("circle", { class: "mark length", cx, cy: yLength.at(centre.length), r: 4.5 }),
      svg("circle", { class: "mark turns", cx, cy: yTurns.at(centre.turns), r: 4.5 }),
    );
  }
  const tick = (text, attributes) => svg("text", { class: "tick", ...attributes }, text);
  chart.append(
    tick(first.freqText, { x: PAD.left, y: HEIGHT - 8, "text-anchor": "start" }),
    tick(`${last.freqText} ${units.freq}`, {
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
    key("length", `${lengthWord} (${units.length})`),
    key("turns", turnsWord),
    key("freq", `${freqWord} (${units.freq})`),
  );
  figure.append(chart, legend);
}
