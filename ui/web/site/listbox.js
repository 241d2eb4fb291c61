// A list box: one option element per line, its text exactly the line, one
// selected row at a time. The arrow keys, Home, End, Page Up and Page Down move
// the selection, a click selects, and Ctrl+C (Cmd+C) copies the selected line.
//
// A list of columns (the sweep) is given what follows each column of its rows
// (`columnEnds`, from the design) and, with its lines, the rows' pieces. On a
// narrow screen each line is then written as its parts, the columns as cells
// and the blanks that follow them as gaps, which the style sheet sets out as a
// grid; the header lines (those above the rows) are split into their titles
// and blanks the same way. The parts always make up the line itself: an
// option's text is its line. A wide screen (and a printed sheet) shows each
// line as plain text, as it always has.

import { copyText } from "./clipboard.js";
import { el } from "./dom.js";

// The narrow screens of the style sheets, where a list of columns shows its
// rows' parts in a grid.
const NARROW_SCREEN = "screen and (max-width: 719px)";

// A header line's parts: its titles as cells, the blanks between as gaps; a
// title of dashes is a rule, which takes the width its column has. The last
// title spans the columns no title stands over (the header's "Delta" stands
// over both deltas).
function headingParts(line, columns) {
  const parts = line
    .split(/( +)/)
    .filter((text) => text !== "")
    .map((text) => {
      if (text.startsWith(" ")) return el("span", { className: "gap" }, text);
      return el("span", { className: /^-+$/.test(text) ? "cell rule" : "cell" }, text);
    });
  const cells = parts.filter((part) => part.classList.contains("cell"));
  if (cells.length > 0 && cells.length < columns) {
    cells[cells.length - 1].style.setProperty("--span", String(columns - cells.length + 1));
  }
  return parts;
}

// A row's parts: each piece with what follows it up to the blanks (a unit,
// as "mm") as a cell, a break allowed between the two, and the blanks as a
// gap. The unit is a part of its own, which a narrow screen shows muted so
// that the numbers of neighbouring columns stand apart.
function rowParts(row, columnEnds) {
  const parts = [];
  row.pieces.forEach((piece, column) => {
    const end = columnEnds[column] ?? "";
    const unit = end.trimEnd();
    const unitPart = unit ? [el("wbr"), el("span", { className: "cell-unit" }, unit)] : [];
    parts.push(el("span", { className: "cell" }, piece, unitPart));
    if (end.length > unit.length)
      parts.push(el("span", { className: "gap" }, end.slice(unit.length)));
  });
  return parts;
}

export class ListBox {
  constructor(id, accessibleName, fixedPitch, columnEnds = null) {
    this.id = id;
    this.lines = [];
    this.selected = -1;
    this.columnEnds = columnEnds;
    this.headings = 0;
    this.element = el("div", {
      id,
      role: "listbox",
      tabindex: 0,
      "aria-label": accessibleName,
      className: ["listbox", fixedPitch ? "fixed-pitch" : "", columnEnds ? "columns" : ""]
        .filter(Boolean)
        .join(" "),
    });
    this.rows = null;
    if (columnEnds) {
      this.element.style.setProperty("--columns", String(columnEnds.length));
      // The screens the style sheets set a list of columns out on.
      this.narrow = matchMedia(NARROW_SCREEN);
      this.narrow.addEventListener("change", () => this.writeLines());
    }
    this.element.addEventListener("keydown", (event) => this.onKey(event));
    this.element.addEventListener("click", (event) => this.onClick(event));
    this.element.addEventListener("copy", (event) => this.onCopy(event));
  }

  // Replaces every line; nothing is selected afterwards. Rows already there
  // are reused, and a row whose text stays the same is left alone, so that a
  // new calculation changes no more of the page than it must. `rows`: for a
  // list of columns, the pieces of the lines below its header lines
  // ([{ pieces: ["7.07", ...] }, ...]).
  setLines(lines, rows = null) {
    this.lines = lines.slice();
    this.rows =
      this.columnEnds !== null && rows !== null && rows.length <= lines.length ? rows : null;
    this.selected = -1;
    this.element.removeAttribute("aria-activedescendant");
    const options = this.element.children;
    while (options.length > this.lines.length) this.element.lastElementChild.remove();
    this.lines.forEach((_, i) => {
      const option = options[i];
      if (option === undefined) {
        this.element.append(
          el("div", { id: `${this.id}-${i}`, role: "option", "aria-selected": "false" }),
        );
      } else if (option.getAttribute("aria-selected") !== "false") {
        option.setAttribute("aria-selected", "false");
      }
    });
    this.writeLines();
  }

  // Writes each option's line: as its parts where the rows are set out in
  // columns (a list of columns on a narrow screen), as plain text otherwise,
  // which keeps a wide screen's lines exactly as they always looked.
  writeLines() {
    const laidOut = this.rows !== null && this.narrow.matches;
    this.headings = laidOut ? this.lines.length - this.rows.length : 0;
    [...this.element.children].forEach((option, i) => {
      const line = this.lines[i];
      const heading = i < this.headings;
      if (option.classList.contains("heading") !== heading)
        option.classList.toggle("heading", heading);
      if (option.textContent === line && option.childElementCount > 0 === laidOut) return;
      const parts = laidOut
        ? heading
          ? headingParts(line, this.columnEnds.length)
          : rowParts(this.rows[i - this.headings], this.columnEnds)
        : null;
      // Parts that do not make up the line (a row the pieces do not match)
      // leave it as plain text.
      if (parts !== null && parts.map((part) => part.textContent).join("") === line) {
        option.replaceChildren(...parts);
      } else {
        option.textContent = line;
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

  // Header lines that stay in sight as the rows scroll (on narrow screens)
  // cover the top of the list: a row shows below them.
  scrollToRow(row) {
    const list = this.element;
    const top = row.offsetTop - list.clientTop;
    const bottom = top + row.offsetHeight;
    let covered = 0;
    for (let i = 0; i < this.headings; ++i) {
      const heading = list.children[i];
      if (heading === row || getComputedStyle(heading).position !== "sticky") break;
      covered += heading.offsetHeight;
    }
    if (top - covered < list.scrollTop) {
      list.scrollTop = top - covered;
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
