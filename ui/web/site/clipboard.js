// Puts a text on the clipboard. The asynchronous clipboard where the page may
// use it (an https or local address); otherwise, or when it refuses, the copy
// command on a hidden text box, which works on plain http too.

export function copyText(text) {
  if (navigator.clipboard && window.isSecureContext) {
    navigator.clipboard.writeText(text).catch(() => copyThroughTextBox(text));
  } else {
    copyThroughTextBox(text);
  }
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
    document.execCommand("copy");
  } finally {
    box.remove();
    if (focused instanceof HTMLElement) focused.focus({ preventScroll: true });
  }
}
