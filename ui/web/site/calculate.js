// Calculate: reads the four fields, has the core compute, and shows what it
// leaves: both lists (a list the result leaves alone keeps its lines), the
// centre row selected and scrolled into view, and for a fault the error box,
// after which the control at fault has the focus. All of that happens before
// the click's handler returns; the chart follows before the next frame.

import { drawSweepChart } from "./sweep-chart.js";

// The chart's width follows the Sweep Data box's (less the chart's own
// padding and border), measured when the box changes size rather than on
// every Calculate, which would lay the page out once more.
const CHART_INSET = 26;

export function makeCalculate(core, page) {
  let sweepResult = null; // the result that last filled the sweep: its CSV is read only to copy it
  let lastSweep = null;
  const chartWidthIn = (boxWidth) =>
    Math.round(Math.min(900, Math.max(280, boxWidth - CHART_INSET)));
  // Measured once now (the page is laid out by the time the core is there),
  // so that a Calculate before the first notice of the box's size draws the
  // chart at the width it is shown at.
  let chartWidth = chartWidthIn(page.sweepBox.getBoundingClientRect().width);
  // The chart is drawn just before the next frame, once however many
  // calculations came before it: the lists and the error box are what the
  // click must have shown by the time it returns.
  let chartPending = false;
  const draw = () => {
    if (chartPending) return;
    chartPending = true;
    requestAnimationFrame(() => {
      chartPending = false;
      drawSweepChart(page.chart, lastSweep.rows, lastSweep.centre, core.design.chart, chartWidth);
    });
  };
  new ResizeObserver(([entry]) => {
    const width = chartWidthIn(entry.borderBoxSize[0].inlineSize);
    if (width === chartWidth) return;
    chartWidth = width;
    if (lastSweep) draw();
  }).observe(page.sweepBox);
  const calculate = () => {
    const result = core.calculate(page.fields.map((input) => input.value));
    // Each list shows the lines of its name in the result, where it has any,
    // with their rows' pieces where the result has them (the sweep's).
    for (const [shows, list] of Object.entries(page.lists)) {
      if (result[shows]) list.setLines(result[shows], result[`${shows}Rows`] ?? null);
    }
    if (result.sweepRows) {
      sweepResult = result;
      lastSweep = { rows: result.sweepRows, centre: result.sweepRows[result.centreRow] ?? null };
      draw();
    }
    if (result.select >= 0) page.lists.sweep.select(result.select, true);
    if (result.error) {
      const target = document.getElementById(result.error.focus) ?? page.calculateButton;
      page.errorDialog.show(result.error, target);
    }
    return result;
  };
  return {
    calculate,
    hasCsv: () => sweepResult !== null,
    csv: () => (sweepResult ? sweepResult.csv : null),
  };
}
