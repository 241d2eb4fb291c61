// The about box: a modal dialog with the program's icon, title, version,
// description and copyright lines on its own light face, and OK, which Enter,
// Esc and a click all press.

import { control, el } from "./dom.js";

export function buildAboutDialog(design) {
  const window = design.windows.frmAbout;
  const about = design.about;
  const id = (name) => `frmAbout-${name}`;
  const title = control(window, "lblTitle");
  const ok = control(window, "cmdOK");
  const icon = control(window, "picIcon");
  const copyrights = window.controls
    .filter((c) => c.kind === "Label" && c.align === "center")
    .sort((a, b) => a.top - b.top);

  const caption = el("h2", { id: id("caption"), className: "dialog-caption" }, about.caption);
  const okButton = el(
    "button",
    { id: id(ok.name), type: "submit", className: "command" },
    ok.caption,
  );
  const dialog = el(
    "dialog",
    { id: "frmAbout", "aria-labelledby": caption.id, className: "window-dialog about" },
    el(
      "form",
      { method: "dialog" },
      caption,
      el(
        "div",
        { className: "about-face" },
        el("img", {
          id: id(icon.name),
          className: "about-icon",
          src: "icons/zephyrod.svg",
          alt: "",
          width: 32,
          height: 32,
          loading: "lazy",
        }),
        el(
          "div",
          { className: "about-texts" },
          el("p", { id: id(title.name), className: "about-title" }, about.title),
          el("p", { id: id("lblVersion"), className: "about-version" }, about.version),
          el("p", { id: id("lblDescription"), className: "about-description" }, about.description),
        ),
        el("hr", { className: "etched" }),
        el(
          "div",
          { className: "about-bottom" },
          el(
            "div",
            { className: "about-copyright" },
            about.copyright.map((line, i) =>
              el("p", { id: id(copyrights[i] ? copyrights[i].name : `copyright${i}`) }, line),
            ),
          ),
          okButton,
        ),
      ),
    ),
  );
  const face = window.faceColor;
  if (face) dialog.style.setProperty("--about-face", face);

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
