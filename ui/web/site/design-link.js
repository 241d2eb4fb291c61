// A design in the page's address: the four fields' texts in its fragment,
// each after its field's key from the design ("#f=7.07&r=25.4&c=34.925&t=8.66").
// The fragment never reaches the server, and changing it never reloads the
// page. Each Calculate records its texts there as a history entry, so that
// Back and Forward step through the designs calculated, and the address is a
// link that opens the same design.
//
// A link comes from anywhere: its texts only ever become the fields' text.
// One is taken whole or not at all: every key once, no other key, each text
// well percent-encoded, at most MAX_LINKED characters and without control
// characters.

const MAX_LINKED = 64;

// Written as they are, but for what would end a value or the fragment, or
// could not stand in an address: encodeURIComponent's escapes, less those of
// the characters a fragment holds as they are.
const KEPT = /%(2C|2F|3A|40|3F)/g;

// A text whose lone surrogates (which no address can hold) are the
// replacement character.
function wellFormed(text) {
  let out = "";
  for (let i = 0; i < text.length; i++) {
    const unit = text.charCodeAt(i);
    if (unit >= 0xd800 && unit <= 0xdbff) {
      const next = text.charCodeAt(i + 1);
      if (next >= 0xdc00 && next <= 0xdfff) {
        out += text[i] + text[i + 1];
        i++;
        continue;
      }
      out += "\ufffd";
    } else if (unit >= 0xdc00 && unit <= 0xdfff) {
      out += "\ufffd";
    } else {
      out += text[i];
    }
  }
  return out;
}

function encodeText(text) {
  let encoded;
  try {
    encoded = encodeURIComponent(text);
  } catch {
    encoded = encodeURIComponent(wellFormed(text));
  }
  return encoded.replace(KEPT, (escape) => decodeURIComponent(escape));
}

// The fragment that holds these texts under these keys.
function linkFragment(keys, texts) {
  return "#" + keys.map((key, i) => `${key}=${encodeText(texts[i])}`).join("&");
}

// The texts a fragment holds (in the keys' order), or null where it holds no
// design that can be taken whole.
function textsInFragment(keys, fragment) {
  const body = fragment.startsWith("#") ? fragment.slice(1) : fragment;
  // Even a text of MAX_LINKED characters each written as four escaped bytes.
  if (body === "" || body.length > keys.length * (MAX_LINKED * 12 + 8)) return null;
  const texts = new Map();
  for (const part of body.split("&")) {
    const equals = part.indexOf("=");
    if (equals < 0) return null;
    const key = part.slice(0, equals);
    if (!keys.includes(key) || texts.has(key)) return null;
    let text;
    try {
      text = decodeURIComponent(part.slice(equals + 1));
    } catch {
      return null; // a malformed escape
    }
    if ([...text].length > MAX_LINKED || /[\u0000-\u001f\u007f-\u009f]/.test(text)) return null;
    texts.set(key, text);
  }
  if (texts.size !== keys.length) return null;
  return keys.map((key) => texts.get(key));
}

// The texts a history entry of the page holds, or null for any other state.
function textsInState(state, count) {
  const texts = state?.zephyrodDesign;
  if (!Array.isArray(texts) || texts.length !== count) return null;
  return texts.every((text) => typeof text === "string") ? texts : null;
}

// The page's history of designs. `keys`: the fields' keys in the link.
export function designHistory(keys) {
  const stateFor = (texts) => ({ zephyrodDesign: [...texts] });
  // The texts an entry holds (however long), else its link's.
  const textsAt = (state) =>
    textsInState(state, keys.length) ?? textsInFragment(keys, location.hash);
  return {
    // The texts the address holds: the entry's own (the page's entries keep
    // them, however long), else the link's; null where neither holds a design.
    current() {
      return textsAt(history.state);
    },
    // Records the texts of a Calculate. A new entry for new texts; the same
    // texts as the entry's, or an entry that holds no design yet (the page
    // opened without a link), are written over, so that Back never steps to
    // an entry that shows nothing calculated or the same design again.
    record(texts) {
      const url = linkFragment(keys, texts);
      const held = textsInState(history.state, keys.length);
      const same = held !== null && held.every((text, i) => text === texts[i]);
      if (held === null || same) history.replaceState(stateFor(texts), "", url);
      else history.pushState(stateFor(texts), "", url);
    },
    // Calls `show(texts)` when Back or Forward (or an edited address) comes to
    // an entry that holds a design.
    onStep(show) {
      window.addEventListener("popstate", (event) => {
        const texts = textsAt(event.state);
        if (texts !== null) show(texts);
      });
    },
  };
}
