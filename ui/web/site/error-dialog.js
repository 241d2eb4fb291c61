// The error box: a modal alert dialog with the report's title (the main
// window's caption), the plain sentence that says what to fix and the
// run-time error's line. OK (which Enter anywhere in the box presses) or Esc
// closes it; then the control at fault gets the focus, a field with its whole
// text selected. It is the platform's
// message box on the desktop and has no design of its own: its OK says what
// the about window's default button says.

import { enterPressesDefault } from "./controls.js";
import { el } from "./dom.js";

export function buildErrorDialog(aboutDesign) {
  const okCaption = aboutDesign.controls.find((row) => row.defaultButton).caption;
  const caption = el("h2", { id: "dlgError-caption", className: "dialog-caption" });
  const message = el("p", { id: "dlgError-message", className: "error-message" });
  const ok = el(
    "button",
    { id: "dlgError-cmdOK", type: "submit", className: "command" },
    okCaption,
  );
  const dialog = el(
    "dialog",
    {
      id: "dlgError",
      role: "alertdialog",
      "aria-modal": "true",
      "aria-labelledby": caption.id,
      "aria-describedby": message.id,
      className: "window-dialog",
    },
    el(
      "form",
      { method: "dialog" },
      caption,
      el("div", { className: "dialog-body" }, message),
      el("div", { className: "dialog-buttons" }, ok),
    ),
  );
  // OK and Esc close the box and move the focus in one step, so that nothing
  // can see the focus anywhere between; the close event catches any other way
  // the box is closed.
  let focusAfter = null;
  const focusTarget = () => {
    const target = focusAfter;
    focusAfter = null;
    if (!target) return;
    target.focus();
    if (target instanceof HTMLInputElement) target.select();
  };
  const finish = (event) => {
    event.preventDefault();
    dialog.close();
    focusTarget();
  };
  ok.addEventListener("click", finish);
  enterPressesDefault(dialog, ok);
  dialog.addEventListener("cancel", finish);
  dialog.addEventListener("close", focusTarget);
  return {
    dialog,
    // Shows the report at once (modal); `target` gets the focus when it closes.
    show(report, target) {
      caption.textContent = report.title;
      message.textContent = report.message;
      focusAfter = target;
      dialog.showModal();
      ok.focus();
    },
  };
}
