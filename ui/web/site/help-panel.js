// The help: the instructions in an editable text box with OK, beside the
// calculator on a wide screen and below it on a narrow one. It blocks
// nothing. Opening it again while it is open keeps any edits and only brings
// it into view; OK closes it, and the next opening shows the text afresh.

import { control, el } from "./dom.js";

export function buildHelpPanel(design) {
  const window = design.windows.frmHelp;
  const textBox = control(window, "txtHelp");
  const ok = control(window, "cmdOK");
  const caption = el(
    "h2",
    { id: "frmHelp-caption", className: "panel-caption" },
    design.help.windowAccessibleName ?? window.accessibleName,
  );
  const text = el("textarea", {
    id: textBox.name,
    className: "help-text",
    "aria-label": textBox.accessibleName || null,
    spellcheck: "false",
  });
  const okButton = el(
    "button",
    { id: "frmHelp-cmdOK", type: "button", className: "command" },
    ok.caption,
  );
  const panel = el(
    "section",
    { id: "frmHelp", className: "help-panel", "aria-labelledby": caption.id, hidden: true },
    caption,
    text,
    el("div", { className: "dialog-buttons" }, okButton),
  );

  let returnTo = null;
  okButton.addEventListener("click", () => {
    panel.hidden = true;
    text.value = "";
    (returnTo && returnTo.isConnected ? returnTo : document.body).focus();
  });
  return {
    panel,
    show(from) {
      if (panel.hidden) {
        text.value = design.help.text.replace(/\r\n/g, "\n");
        panel.hidden = false;
        returnTo = from;
      }
      panel.scrollIntoView({ block: "nearest" });
      okButton.focus();
    },
  };
}
