// A window's controls built from its design, as the desktop editions build
// theirs: one element per row, made by the row's kind. Ids are the design's
// names (with the index of a control array member); the controls of a window
// shown within the page (a dialog, the help) have their window's name in
// front, since names repeat across windows. A field's caption label, unit
// label and description are related from its row, and a control's name for a
// screen reader comes from its row. Each element carries its own size
// (twips: --w, --h) and font size (points: --points) for the style sheet.
//
//   const built = buildControls(design.windows.about, { withinPage: true });
//   built.row({ name, index })    // the row of that name (and index)
//   built.element(row)            // the element made for a row
//   built.rows("CommandButton")   // the window's rows of a kind, in order

import { el } from "./dom.js";
import { ListBox } from "./listbox.js";

const refers = (ref, row) =>
  ref !== null && ref.name === row.name && (ref.index ?? null) === (row.index ?? null);

// The row's own size and font size, handed to the style sheet.
function sizeFromRow(element, row) {
  element.style.setProperty("--w", String(row.width));
  element.style.setProperty("--h", String(row.height));
  element.style.setProperty("--points", String(row.font.points));
  if (row.font.fixedPitch) element.style.setProperty("--face", `"${row.font.face}"`);
  if (row.font.bold) element.classList.add("bold");
}

// `withinPage`: the window is shown within the main window's page (a
// dialog, the help), and its ids start with its name.
export function buildControls(windowDesign, { withinPage = false } = {}) {
  const controls = windowDesign.controls;
  const prefix = withinPage ? `${windowDesign.name}-` : "";
  const id = (row) => `${prefix}${row.name}${row.index === null ? "" : `-${row.index}`}`;
  const byRef = (ref) => controls.find((row) => refers(ref, row));
  const inside = (frame) => controls.filter((row) => row.container === frame.name);
  const holdsFields = (frame) => inside(frame).some((row) => row.kind === "TextBox");
  // The text box a label captions or gives the unit of, and which of the two.
  const labelled = (label) => {
    for (const box of controls) {
      if (refers(box.captionLabel, label)) return { box, as: "caption" };
      if (refers(box.unitLabel, label)) return { box, as: "unit" };
    }
    return null;
  };
  const elements = new Map();
  const lists = new Map();
  const descriptions = new Map(); // a text box -> its description where no label shows it
  const inner = new Map(); // a frame -> where its controls go, and its fields' grid

  const makers = {
    Frame(row) {
      const title = row.caption.trim();
      if (holdsFields(row)) {
        // A box of fields is a form: Enter in a field presses its button.
        const grid = el("div", { className: "field-grid" });
        const fieldset = el(
          "fieldset",
          {},
          title ? el("legend", { className: "frame-caption" }, title) : null,
          grid,
        );
        inner.set(row, { body: fieldset, grid });
        const form = el(
          "form",
          { id: id(row), className: "parameters", novalidate: true },
          fieldset,
        );
        form.addEventListener("submit", (event) => event.preventDefault());
        return form;
      }
      const titleId = `${id(row)}-caption`;
      const section = el(
        "section",
        { id: id(row), className: "frame", "aria-labelledby": title ? titleId : null },
        title ? el("h2", { id: titleId, className: "frame-caption" }, title) : null,
      );
      inner.set(row, { body: section, grid: null });
      return section;
    },
    Label(row) {
      const text = row.text ?? row.caption;
      const field = labelled(row);
      if (field?.as === "caption") {
        return el("label", { id: id(row), for: id(field.box), className: "caption" }, text);
      }
      if (field?.as === "unit") return el("span", { id: id(row), className: "unit" }, text);
      return el("p", { id: id(row), className: row.align === "Center" ? "centred" : null }, text);
    },
    TextBox(row) {
      if (row.multiLine) {
        return el("textarea", {
          id: id(row),
          "aria-label": row.accessibleName || null,
          spellcheck: "false",
        });
      }
      // Described by its unit label where that says the description, and
      // otherwise by a text of its own that only a screen reader reads.
      const unit = row.unitLabel === null ? null : byRef(row.unitLabel);
      const description = row.accessibleDescription;
      const unitSays = unit !== null && unit.caption === description;
      const describedBy = [];
      if (unit !== null) describedBy.push(id(unit));
      if (description && !unitSays) {
        const hidden = el(
          "span",
          { id: `${id(row)}-description`, className: "visually-hidden" },
          description,
        );
        descriptions.set(row, hidden);
        describedBy.push(hidden.id);
      }
      return el("input", {
        id: id(row),
        type: "text",
        inputmode: "decimal",
        enterkeyhint: "go",
        autocomplete: "off",
        autocapitalize: "off",
        autocorrect: "off",
        spellcheck: "false",
        "aria-label": row.captionLabel === null ? row.accessibleName || null : null,
        "aria-describedby": describedBy.join(" ") || null,
      });
    },
    CommandButton(row) {
      // The button of a box of fields, and a window's default button, are
      // what Enter presses.
      const container = controls.find((frame) => frame.name === row.container);
      const submits = row.defaultButton || (container !== undefined && holdsFields(container));
      return el(
        "button",
        {
          id: id(row),
          type: submits ? "submit" : "button",
          className: "command",
          "aria-label": row.accessibleName || null,
        },
        row.caption,
      );
    },
    ListBox(row) {
      const box = new ListBox(id(row), row.accessibleName, row.font.fixedPitch, row.columnEnds);
      lists.set(row, box);
      return box.element;
    },
    PictureBox(row) {
      // The program's icon.
      return el("img", {
        id: id(row),
        src: "icons/zephyrod.svg",
        alt: "",
        width: 32,
        height: 32,
        loading: "lazy",
      });
    },
    Line(row) {
      // A line takes no input and says nothing: what it draws is the page's.
      const line = el("div", { id: id(row), className: "line", "aria-hidden": "true" });
      line.style.setProperty("--line-color", row.color);
      line.style.setProperty("--line-width", String(row.lineWidth));
      return line;
    },
  };
  for (const row of controls) {
    const element = makers[row.kind](row);
    sizeFromRow(element, row);
    elements.set(row, element);
  }

  // Each control into its container: in a box of fields, a row of the grid
  // for each text box (its caption label, the box, its unit label or an
  // empty cell), the box's other controls after the grid.
  for (const row of controls) {
    const frame = controls.find((c) => c.name === row.container && c.kind === "Frame");
    if (!frame) continue;
    const { body, grid } = inner.get(frame);
    if (!grid) {
      body.append(elements.get(row));
    } else if (row.kind === "TextBox") {
      const label = (ref) => (ref === null ? null : elements.get(byRef(ref)));
      grid.append(
        label(row.captionLabel) ?? el("span"),
        elements.get(row),
        label(row.unitLabel) ?? el("span", { className: "unit" }),
        ...(descriptions.has(row) ? [descriptions.get(row)] : []),
      );
    } else if (labelled(row) === null) {
      body.append(elements.get(row));
    }
  }
  // A box of fields lays its rows out as the design does: the captions'
  // column up to the boxes, the boxes' width, one row every so far down.
  for (const frame of controls.filter((row) => row.kind === "Frame" && holdsFields(row))) {
    const boxes = inside(frame).filter((row) => row.kind === "TextBox");
    const { grid } = inner.get(frame);
    const caption = boxes[0].captionLabel === null ? boxes[0] : byRef(boxes[0].captionLabel);
    grid.style.setProperty("--caption-w", String(boxes[0].left - caption.left));
    grid.style.setProperty("--field-w", String(boxes[0].width));
    if (boxes.length > 1)
      grid.style.setProperty("--row-pitch", String(boxes[1].top - boxes[0].top));
  }

  return {
    row: byRef,
    element: (row) => elements.get(row),
    list: (row) => lists.get(row),
    rows: (kind) => controls.filter((row) => row.kind === kind),
    // The controls on the window itself, not in a box.
    topLevel: () => controls.filter((row) => row.container === ""),
  };
}

// A window's heading: its name for a screen reader, which the window's
// element is labelled by.
export function windowHeading(windowDesign, tag, className) {
  return el(tag, { id: `${windowDesign.name}-caption`, className }, windowDesign.accessibleName);
}

// A window's own width and face colour, handed to the style sheet (its
// height follows from its controls).
export function sizeWindow(element, windowDesign) {
  element.style.setProperty("--w", String(windowDesign.width));
  if (windowDesign.faceColor) element.style.setProperty("--window-face", windowDesign.faceColor);
}

// Enter anywhere in a box presses its default button, as on the desktop: on
// one of its texts or on the box itself, not only with the button focused (a
// button or a field with the focus takes Enter for itself). The box takes the
// focus where a click lands on no control in it, so that the key reaches it.
export function enterPressesDefault(box, button) {
  box.setAttribute("tabindex", "-1");
  box.addEventListener("keydown", (event) => {
    if (event.key !== "Enter" || event.isComposing) return;
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    if (event.target.closest("button, input, textarea, select, a[href]")) return;
    event.preventDefault();
    button.click();
  });
}
