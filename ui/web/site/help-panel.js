// The help: the help window's text box and button, beside the calculator on
// a wide screen and below it on a narrow one, under a heading that says the
// window's name. It blocks nothing. Opening it again while it is open keeps
// any edits and only brings it into view; OK closes it, and the next opening
// shows the text afresh.

import { buildControls, sizeWindow, windowHeading } from "./controls.js";
import { el } from "./dom.js";

export function buildHelpPanel(windowDesign) {
  const built = buildControls(windowDesign, { withinPage: true });
  const [textRow] = built.rows("TextBox");
  const text = built.element(textRow);
  text.classList.add("help-text");
  const [okButton] = built.rows("CommandButton").map((row) => built.element(row));
  const caption = windowHeading(windowDesign, "h2", "panel-caption");
  const panel = el(
    "section",
    { id: windowDesign.name, className: "help-panel", "aria-labelledby": caption.id, hidden: true },
    caption,
    text,
    el("div", { className: "dialog-buttons" }, okButton),
  );
  sizeWindow(panel, windowDesign);

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
        text.value = textRow.text.replace(/\r\n/g, "\n");
        panel.hidden = false;
        returnTo = from;
      }
      panel.scrollIntoView({ block: "nearest" });
      okButton.focus();
    },
  };
}
