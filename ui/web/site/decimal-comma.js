// Fields for any keypad: a phone set to a language that writes decimals with
// a comma (German, French, Italian ...) offers a keypad with "," and no ".".
// In such a language a comma typed or pasted into a field becomes the point,
// where the core reads the text as a number with it, and the field shows the
// text that is calculated. Elsewhere ("1,000" in English groups digits) the
// text stays as typed, and Calculate says what is wrong with it.

// Whether the browser's first language writes decimals with a comma. Its own
// language named: a browser's default number format need not follow it.
export function writesDecimalComma(language) {
  try {
    const parts = new Intl.NumberFormat(language).formatToParts(1.5);
    return parts.find((part) => part.type === "decimal")?.value === ",";
  } catch {
    return false; // no such language tag: no decimal comma assumed
  }
}

export function browserLanguage() {
  return navigator.languages?.[0] ?? navigator.language;
}

// Each field turns its decimal comma into the point as it is typed, the
// caret where it was. `withDecimalPoint`: the core's rule (null where the
// text is not a number written with a decimal comma).
export function takeDecimalComma(fields, withDecimalPoint) {
  for (const input of fields) {
    input.addEventListener("input", () => {
      if (!input.value.includes(",")) return;
      const withPoint = withDecimalPoint(input.value);
      if (withPoint === null || withPoint.length !== input.value.length) return;
      const { selectionStart, selectionEnd, selectionDirection } = input;
      input.value = withPoint;
      input.setSelectionRange(selectionStart, selectionEnd, selectionDirection ?? "none");
    });
  }
}
