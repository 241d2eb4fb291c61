// The main window's menu bar as a web menu button: a top item that opens its
// items (Enter, Space, the arrow keys or a click; Alt and its access key from
// anywhere), the arrow keys, Home and End to move among the items, an item's
// access key to choose it, Esc or Tab to close. An item with a key of its own
// (F1 for the help) shows it and answers it from anywhere on the page.

import { accessKey, captionNodes, el } from "./dom.js";

// `handlers` by the windows the items open (an item's `opens`); each is
// handed the button of the menu the item is on.
export function buildMenuBar(windowDesign, handlers) {
  const bar = el("nav", { className: "menu-bar", "aria-label": windowDesign.accessibleName });
  const menus = [];
  const shortcuts = new Map(); // key name ("F1") -> the window the item opens and its menu's button
  // The spacer only pushes the desktop's items to the bar's end: the bar
  // here keeps them there itself.
  for (const top of windowDesign.menu.filter((item) => !item.spacer)) {
    const topKey = accessKey(top.caption).key;
    const button = el(
      "button",
      {
        id: top.name,
        type: "button",
        className: "menu-title",
        "aria-haspopup": "menu",
        "aria-expanded": "false",
        "aria-controls": `${top.name}-items`,
        "aria-keyshortcuts": topKey ? `Alt+${topKey.toUpperCase()}` : null,
      },
      captionNodes(top.caption),
    );
    const items = top.children.map((child) =>
      el(
        "button",
        {
          id: child.name,
          type: "button",
          role: "menuitem",
          tabindex: -1,
          className: "menu-item",
          "data-key": accessKey(child.caption).key,
          "data-opens": child.opens,
          "aria-keyshortcuts": child.shortcut || null,
        },
        el("span", { className: "menu-caption" }, captionNodes(child.caption)),
        child.shortcut
          ? el("span", { className: "menu-shortcut", "aria-hidden": "true" }, child.shortcut)
          : null,
      ),
    );
    for (const child of top.children) {
      if (child.shortcut) shortcuts.set(child.shortcut, { opens: child.opens, button });
    }
    const popup = el(
      "div",
      {
        id: `${top.name}-items`,
        role: "menu",
        className: "menu-popup",
        "aria-labelledby": top.name,
        hidden: true,
      },
      items,
    );
    const menu = { key: topKey, button, popup, items };
    menus.push(menu);

    const close = (refocus) => {
      popup.hidden = true;
      button.setAttribute("aria-expanded", "false");
      if (refocus) button.focus();
    };
    const open = (focusIndex) => {
      popup.hidden = false;
      button.setAttribute("aria-expanded", "true");
      if (focusIndex !== null) items.at(focusIndex).focus();
    };
    const choose = (item) => {
      close(true);
      handlers[item.dataset.opens]?.(button);
    };
    menu.open = open;
    menu.close = close;

    button.addEventListener("click", () => (popup.hidden ? open(0) : close(false)));
    button.addEventListener("keydown", (event) => {
      if (event.key === "ArrowDown" || event.key === "ArrowUp") {
        event.preventDefault();
        open(event.key === "ArrowDown" ? 0 : -1);
      }
    });
    popup.addEventListener("click", (event) => {
      const item = event.target.closest('[role="menuitem"]');
      if (item) choose(item);
    });
    popup.addEventListener("keydown", (event) => {
      const at = items.indexOf(document.activeElement);
      const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
      if (step) {
        items.at((at + step) % items.length).focus();
      } else if (event.key === "Home" || event.key === "End") {
        items.at(event.key === "Home" ? 0 : -1).focus();
      } else if (event.key === "Escape") {
        close(true);
      } else if (event.key === "Tab") {
        close(false);
        return;
      } else {
        const item = items.find((i) => i.dataset.key && i.dataset.key === event.key.toLowerCase());
        if (!item || event.ctrlKey || event.metaKey || event.altKey) return;
        choose(item);
      }
      event.preventDefault();
    });
    // A click anywhere else, or the focus leaving, closes the items.
    document.addEventListener("pointerdown", (event) => {
      if (!popup.hidden && !popup.contains(event.target) && !button.contains(event.target))
        close(false);
    });
    popup.addEventListener("focusout", (event) => {
      if (!popup.hidden && !popup.contains(event.relatedTarget) && event.relatedTarget !== button)
        close(false);
    });
    bar.append(el("div", { className: "menu" }, button, popup));
  }

  document.addEventListener("keydown", (event) => {
    const item = shortcuts.get(event.key);
    if (!item || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    // Not behind a modal box; and not the browser's own help.
    event.preventDefault();
    if (document.querySelector("dialog[open]")) return;
    for (const menu of menus) if (!menu.popup.hidden) menu.close(false);
    handlers[item.opens]?.(item.button);
  });
  document.addEventListener("keydown", (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.repeat) return;
    // By the key's letter, or by its place on the keyboard where Alt (Option
    // on a Mac) turns the letter into another character.
    const menu = menus.find(
      (m) =>
        m.key && (m.key === event.key.toLowerCase() || event.code === `Key${m.key.toUpperCase()}`),
    );
    if (!menu || document.querySelector("dialog[open]")) return;
    event.preventDefault();
    menu.open(0);
  });
  return bar;
}
