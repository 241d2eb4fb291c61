// The about box: a modal dialog built from the about window's design, on its
// own light face: the program's icon beside its texts (title, version and
// description, in the design's order), the etched rule, the centred
// copyright lines and the window's default button, which Enter (anywhere in
// the box), Esc and a click all press.

import { buildControls, enterPressesDefault, sizeWindow, windowHeading } from "./controls.js";
import { el } from "./dom.js";

// The page's look for the texts beside the icon, in the design's order.
const TEXT_CLASSES = ["about-title", "about-version", "about-description"];

export function buildAboutDialog(windowDesign) {
  const built = buildControls(windowDesign, { withinPage: true });
  const elements = (rows) => rows.map((row) => built.element(row));
  const labels = built.rows("Label");
  const texts = elements(labels.filter((row) => row.align !== "Center"));
  texts.forEach((text, i) => text.classList.add(TEXT_CLASSES[i]));
  const [icon] = elements(built.rows("PictureBox"));
  icon.classList.add("about-icon");
  const buttons = built.rows("CommandButton");
  const okButton = built.element(buttons.find((row) => row.defaultButton) ?? buttons[0]);
  const cancel = buttons.find((row) => row.cancelButton);

  const caption = windowHeading(windowDesign, "h2", "dialog-caption");
  const dialog = el(
    "dialog",
    { id: windowDesign.name, "aria-labelledby": caption.id, className: "window-dialog about" },
    el(
      "form",
      { method: "dialog" },
      caption,
      el(
        "div",
        { className: "about-face" },
        icon,
        el("div", { className: "about-texts" }, texts),
        el("div", { className: "etched", role: "separator" }, elements(built.rows("Line"))),
        el(
          "div",
          { className: "about-bottom" },
          el(
            "div",
            { className: "about-copyright" },
            elements(labels.filter((row) => row.align === "Center")),
          ),
          elements(buttons),
        ),
      ),
    ),
  );
  sizeWindow(dialog, windowDesign);
  enterPressesDefault(dialog, okButton);
  // Esc presses the cancel button, as on the desktop.
  if (cancel) {
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      built.element(cancel).click();
    });
  }

  let returnTo = null;
  dialog.addEventListener("close", () => {
    returnTo?.focus();
    returnTo = null;
  });
  return {
    dialog,
    show() {
      if (dialog.open) return;
      returnTo = document.activeElement;
      dialog.showModal();
      okButton.focus();
    },
  };
}
