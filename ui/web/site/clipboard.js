// Puts a text on the clipboard. The asynchronous clipboard where the page may
// use it (an https or local address); otherwise, or when it refuses, the copy
// command on a hidden text box, which works on plain http too. Resolves to
// whether the text was copied.

export function copyText(text) {
  if (navigator.clipboard && window.isSecureContext) {
    return navigator.clipboard.writeText(text).then(
      () => true,
      () => copyThroughTextBox(text),
    );
  }
  return Promise.resolve(copyThroughTextBox(text));
}

function copyThroughTextBox(text) {
  const focused = document.activeElement;
  const box = document.createElement("textarea");
  box.value = text;
  box.setAttribute("readonly", "");
  box.setAttribute("aria-hidden", "true");
  box.className = "copy-buffer";
  document.body.append(box);
  box.select();
  try {
    return document.execCommand("copy");
  } catch {
    return false;
  } finally {
    box.remove();
    if (focused instanceof HTMLElement) focused.focus({ preventScroll: true });
  }
}
