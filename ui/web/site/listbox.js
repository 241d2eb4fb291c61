// A list box: one option element per line, its text exactly the line, one
// selected row at a time. The arrow keys, Home, End, Page Up and Page Down move
// the selection, a click selects, and Ctrl+C (Cmd+C) copies the selected line.

import { copyText } from "./clipboard.js";
import { el } from "./dom.js";

export class ListBox {
  constructor(id, accessibleName, fixedPitch) {
    this.id = id;
    this.lines = [];
    this.selected = -1;
    this.element = el("div", {
      id,
      role: "listbox",
      tabindex: 0,
      "aria-label": accessibleName,
      className: fixedPitch ? "listbox fixed-pitch" : "listbox",
    });
    this.element.addEventListener("keydown", (event) => this.onKey(event));
    this.element.addEventListener("click", (event) => this.onClick(event));
    this.element.addEventListener("copy", (event) => this.onCopy(event));
  }

  // Replaces every line; nothing is selected afterwards. Rows already there
  // are reused, and a row whose text stays the same is left alone, so that a
  // new calculation changes no more of the page than it must.
  setLines(lines) {
    this.lines = lines.slice();
    this.selected = -1;
    this.element.removeAttribute("aria-activedescendant");
    const rows = this.element.children;
    while (rows.length > this.lines.length) this.element.lastElementChild.remove();
    this.lines.forEach((line, i) => {
      if (i < rows.length) {
        const row = rows[i];
        if (row.textContent !== line) row.textContent = line;
        if (row.getAttribute("aria-selected") !== "false")
          row.setAttribute("aria-selected", "false");
      } else {
        this.element.append(
          el("div", { id: `${this.id}-${i}`, role: "option", "aria-selected": "false" }, line),
        );
      }
    });
  }

  selectedLine() {
    return this.selected >= 0 ? this.lines[this.selected] : null;
  }

  // Selects the row and scrolls the list (only the list, never the page) as
  // little as makes the row show. `fromStart` first brings the list back to
  // its top left edge, as a list freshly filled shows itself: after a
  // Calculate the header lines stay in view where the centre row allows, and
  // no column is left half scrolled away.
  select(index, fromStart = false) {
    if (index < 0 || index >= this.lines.length) return;
    const rows = this.element.children;
    if (this.selected >= 0) rows[this.selected].setAttribute("aria-selected", "false");
    this.selected = index;
    const row = rows[index];
    row.setAttribute("aria-selected", "true");
    this.element.setAttribute("aria-activedescendant", row.id);
    if (fromStart) {
      this.element.scrollTop = 0;
      this.element.scrollLeft = 0;
    }
    this.scrollToRow(row);
  }

  scrollToRow(row) {
    const list = this.element;
    const top = row.offsetTop - list.clientTop;
    const bottom = top + row.offsetHeight;
    if (top < list.scrollTop) {
      list.scrollTop = top;
    } else if (bottom > list.scrollTop + list.clientHeight) {
      list.scrollTop = bottom - list.clientHeight;
    }
  }

  rowsPerPage() {
    const row = this.element.firstElementChild;
    return row ? Math.max(1, Math.floor(this.element.clientHeight / row.offsetHeight) - 1) : 1;
  }

  onKey(event) {
    if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === "c") {
      const line = this.selectedLine();
      if (line !== null) {
        event.preventDefault();
        copyText(line);
      }
      return;
    }
    if (event.altKey || event.ctrlKey || event.metaKey || this.lines.length === 0) return;
    const last = this.lines.length - 1;
    const from = this.selected;
    const moves = {
      ArrowDown: from < 0 ? 0 : from + 1,
      ArrowUp: from < 0 ? 0 : from - 1,
      Home: 0,
      End: last,
      PageDown: from < 0 ? 0 : from + this.rowsPerPage(),
      PageUp: from < 0 ? 0 : from - this.rowsPerPage(),
    };
    if (!(event.key in moves)) return;
    event.preventDefault();
    this.select(Math.min(last, Math.max(0, moves[event.key])));
  }

  onClick(event) {
    const row = event.target.closest('[role="option"]');
    if (!row || row.parentElement !== this.element) return;
    this.select(Array.prototype.indexOf.call(this.element.children, row));
  }

  onCopy(event) {
    const line = this.selectedLine();
    if (line === null) return;
    event.clipboardData.setData("text/plain", line);
    event.preventDefault();
  }
}
