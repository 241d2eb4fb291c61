// Calculate: reads the four fields, has the core compute, and shows what it
// leaves: both lists (a list the result leaves alone keeps its lines), the
// centre row selected and scrolled into view, the chart, and for a fault the
// error box, after which the control at fault has the focus. All of it
// happens before the click's handler returns.

import { drawSweepChart } from "./sweep-chart.js";

export function makeCalculate(core, page) {
  const units = { freq: core.design.fields[0].unitLabel, length: core.design.fields[1].unitLabel };
  let lastCsv = null;
  const calculate = () => {
    const result = core.calculate(page.fields.map((input) => input.value));
    if (result.values) page.lstValues.setLines(result.values);
    if (result.sweep) {
      page.lstSweep.setLines(result.sweep);
      lastCsv = result.csv;
      drawSweepChart(page.chart, result.sweep, result.select, units);
    }
    if (result.select >= 0) page.lstSweep.select(result.select, true);
    if (result.error) {
      const target = document.getElementById(result.error.focus) ?? page.cmdGo;
      page.errorDialog.show(result.error.message, target);
    }
    return result;
  };
  return { calculate, csv: () => lastCsv };
}
