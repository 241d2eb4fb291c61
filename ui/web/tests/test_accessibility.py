"""An accessibility scan with axe-core (every rule it runs by default, the
contrast of every text included): no violations on the wide and the phone
layout, light and dark, with the help open, the about box open, the error
box open and the words that say Share copied the link."""

import json
import os
import unittest
from pathlib import Path

from page_session import PageTest, wait_for

AXE = Path(os.environ.get("ZEPHYROD_AXE", "node_modules/axe-core/axe.min.js"))


class Scan:
    """The scans, for a layout and a colour scheme given by the class that mixes it in."""

    @classmethod
    def setUpClass(cls):
        if not AXE.is_file():
            raise RuntimeError(f"axe-core is missing ({AXE}): the build installs it with npm ci")
        super().setUpClass()
        # The scanner is injected from outside the page, as a tool would be
        # (Chromium's scripts from WebDriver obey the page's Content-Security-Policy).
        if cls.browser.name == "chromium":
            cls.browser.cdp("Page.setBypassCSP", {"enabled": True})

    def setUp(self):
        self.open_page()
        self.calculate()
        self.js(AXE.read_text(encoding="utf-8"))

    def assert_no_violations(self):
        result = self.driver.execute_async_script(
            "axe.run(document, { resultTypes: ['violations'] })"
            ".then(r => arguments[0](r.violations.map(v => ({ id: v.id, help: v.help,"
            " nodes: v.nodes.map(n => n.target.join(' ') + ': ' + n.failureSummary) }))),"
            " e => arguments[0]([{ id: 'axe-error', help: String(e), nodes: [] }]))")
        self.assertEqual(result, [], json.dumps(result, indent=1))

    scan_error_box = True

    def test_with_the_help_then_the_about_box_then_the_error_box_open(self):
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        self.element("lstSweep-3").click()
        self.assert_no_violations()
        self.element("mnuHelp").click()
        self.element("mnuAbout").click()
        self.assert_no_violations()
        if self.scan_error_box:
            self.element(self.focused_id()).click()  # the about box's focused OK
            self.wait_closed("frmAbout")
            self.set_fields("7,07", "25.4", "34.925", "8.66")
            self.calculate()
            self.assert_no_violations()

    def test_with_the_link_copied(self):
        self.grant_clipboard()
        self.element("share").click()
        wait_for(lambda: self.js("return document.getElementById('share-status').textContent"),
                 what="the words that say the link was copied")
        self.assert_no_violations()


class WideLight(Scan, PageTest):
    pass


class WideDark(Scan, PageTest):
    scheme = "dark"
    scan_error_box = False


class PhoneLight(Scan, PageTest):
    width, height, scale, mobile = 360, 740, 3, True
    scan_error_box = False


class PhoneDark(Scan, PageTest):
    width, height, scale, mobile = 360, 740, 3, True
    scheme = "dark"


if __name__ == "__main__":
    unittest.main()
