// Building elements: el("button", { type: "button", className: "tool" }, "Copy").
// Attributes are set as attributes (aria-*, role, data-*), except `className`
// and event handlers (`onclick`), which are set as properties.

export function el(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value === null || value === undefined || value === false) continue;
    if (name === "className") element.className = value;
    else if (name.startsWith("on")) element.addEventListener(name.slice(2), value);
    else element.setAttribute(name, value === true ? "" : String(value));
  }
  element.append(
    ...children.flat(Infinity).filter((child) => child !== null && child !== undefined),
  );
  return element;
}

// A caption with "&" before its access key: the text without the marker, and
// the key (lower case), or "" when it has none. "&&" stands for a plain "&".
export function accessKey(caption) {
  let text = "";
  let key = "";
  let keyAt = -1;
  for (let i = 0; i < caption.length; i++) {
    if (caption[i] === "&" && i + 1 < caption.length) {
      i++;
      if (caption[i] !== "&" && keyAt < 0) {
        key = caption[i].toLowerCase();
        keyAt = text.length;
      }
    }
    text += caption[i];
  }
  return { text, key, keyAt };
}

// A caption's text with its access key underlined.
export function captionNodes(caption) {
  const { text, keyAt } = accessKey(caption);
  if (keyAt < 0) return [text];
  return [
    text.slice(0, keyAt),
    el("span", { className: "access-key" }, text[keyAt]),
    text.slice(keyAt + 1),
  ];
}
