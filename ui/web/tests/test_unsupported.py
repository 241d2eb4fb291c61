"""A browser that cannot run the calculator: without WebAssembly (as in iOS
Lockdown Mode) or without dialog boxes, the page shows plain words naming
what is missing and which browsers work, and builds nothing else."""

import unittest

from page_session import PageTest, wait_for


class Unsupported(PageTest):
    def open_without(self, *features):
        script = "".join(f"delete globalThis.{name};" for name in features)
        added = self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": script})
        self.addCleanup(self.browser.cdp, "Page.removeScriptToEvaluateOnNewDocument",
                        {"identifier": added["identifier"]})
        self.driver.get(self.url)
        return wait_for(lambda: self.js("""
            const main = document.querySelector('main');
            return document.readyState === 'complete' && main.children.length > 0
                && [...main.children].map(p => p.textContent);
        """), what="the page's words")

    def test_without_webassembly_the_words_name_it_and_no_control_is_built(self):
        words = self.open_without("WebAssembly")
        self.assertEqual(words[0], "This calculator cannot run in this browser. It lacks: WebAssembly.")
        self.assertTrue(words[1].startswith("It runs in Firefox 102, Chrome 97, Edge 97 and Safari 16"))
        self.assertEqual(self.js("return document.querySelectorAll('input, button, dialog').length"), 0)
        self.assertNotIn("Error", " ".join(words))

    def test_without_dialogs_or_webassembly_both_are_named(self):
        words = self.open_without("WebAssembly", "HTMLDialogElement")
        self.assertEqual(words[0], "This calculator cannot run in this browser. It lacks: "
                                   "WebAssembly, dialog boxes.")


if __name__ == "__main__":
    unittest.main()
