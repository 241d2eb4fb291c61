// Hands the windows' designed sizes (twips) and font sizes (points) to the
// style sheet as custom properties, so that the wide layout keeps the
// desktop window's arrangement and proportions: the style sheet turns them
// into lengths (--tw is the length of one twip).

import { control } from "./dom.js";

export function applyDesignSizes(root, design) {
  const main = design.windows.frmMain;
  const c = (name) => control(main, name);
  const [params, results, sweepBox] = [c("Frame2"), c("Frame3"), c("Frame1")];
  const [freq, resDia, caption] = [c("txtFreq"), c("txtResDia"), c("Label1")];
  const unit = main.controls.find(
    (k) => k.kind === "Label" && k.left > freq.left && k.top === freq.top,
  );
  const go = c("cmdGo");
  const [values, sweep] = [c("lstValues"), c("lstSweep")];
  const help = design.windows.frmHelp;
  const about = design.windows.frmAbout;
  const aboutControl = (name) => control(about, name);

  const sizes = {
    "window-w": main.width,
    "params-w": params.width,
    "params-h": params.height,
    "results-w": results.width,
    "sweep-box-h": sweepBox.height,
    "gap-x": results.left - params.left - params.width,
    "gap-y": sweepBox.top - params.top - params.height,
    "caption-w": freq.left - caption.left,
    "field-w": freq.width,
    "field-h": freq.height,
    "unit-w": unit ? unit.width : 0,
    "row-pitch": resDia.top - freq.top,
    "go-w": go.width,
    "go-h": go.height,
    "values-h": values.height,
    "sweep-h": sweep.height,
    "help-w": help.width,
    "help-h": control(help, "txtHelp").height,
    "about-w": about.width,
    "about-icon": aboutControl("picIcon").width,
    "about-ok-w": aboutControl("cmdOK").width,
  };
  for (const [name, twips] of Object.entries(sizes))
    root.style.setProperty(`--${name}`, String(twips));
  const points = {
    "sweep-pt": sweep.font.points,
    "standard-pt": values.font.points,
    "about-title-pt": aboutControl("lblTitle").font.points,
    "about-version-pt": aboutControl("lblVersion").font.points,
  };
  for (const [name, pt] of Object.entries(points)) root.style.setProperty(`--${name}`, String(pt));
  if (sweep.font.face) {
    root.style.setProperty("--sweep-face", `"${sweep.font.face}"`);
  }
}
