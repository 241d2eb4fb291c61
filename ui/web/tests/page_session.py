"""What the page's tests share: the site served by its own server on
127.0.0.1, one browser per test class (the engine ZEPHYROD_BROWSER names:
chromium, firefox or webkit; see browser.py), and the steps a user takes
(open an address or a link, go back and forward, type into a field, press
Calculate, read a list or the clipboard, close a box), each waiting for the
state it expects instead of sleeping."""

import os
import unittest
from pathlib import Path

from selenium.webdriver.common.by import By

from browser import ENGINE, FRAME_PAGE, FRAME_PATH, open_browser, wait_for
from static_server import SiteServer

SITE = Path(os.environ.get("ZEPHYROD_SITE_DIR", Path(__file__).resolve().parents[3] / "build/web/site"))


class PageTest(unittest.TestCase):
    """Starts the server and the browser once per class; every test opens the page afresh."""

    width, height, scale, mobile = 1280, 900, 1, False
    scheme = "light"

    @classmethod
    def setUpClass(cls):
        if not (SITE / "index.html").is_file():
            raise RuntimeError(f"no site built in {SITE}: build the web preset first")
        # Every path asked for, and those answered with a file's body (see static_server.py).
        cls.requested, cls.sent = [], []
        cls.server = SiteServer(SITE, requested=cls.requested, sent=cls.sent,
                                pages={FRAME_PATH: FRAME_PAGE})
        cls.url = cls.server.start()
        # Class cleanups run also when a setUpClass fails or skips the class
        # after this point, so that no browser (or its Xvfb) outlives it.
        cls.addClassCleanup(lambda: cls.server and cls.server.stop())
        cls.browser = open_browser(scheme=cls.scheme)
        cls.addClassCleanup(cls.browser.quit)
        cls.driver = cls.browser.driver
        cls.browser.viewport(cls.width, cls.height, cls.scale, cls.mobile)

    def skip_in(self, engines, reason):
        """Skips this test in the engines named (see the README for why)."""
        if ENGINE in engines:
            self.skipTest(f"not in {ENGINE}: {reason}")

    # The page, at its address or with a query and a fragment after it.
    def open_page(self, after=""):
        self.browser.open(self.url + after)
        self.wait_ready()

    def open_link(self, body):
        """Opens the page afresh at a link whose fragment is `body`."""
        self.driver.get("about:blank")
        self.driver.get(self.url + "#" + body)
        self.wait_ready()

    def wait_ready(self):
        wait_for(lambda: self.js("return document.documentElement.dataset.ready === 'true'"),
                 what="the page to be ready")

    def wait_controlled(self):
        """Waits for the page's service worker to control it."""
        wait_for(lambda: self.js("return !!navigator.serviceWorker.controller"), timeout=15,
                 what="the service worker to control the page")

    def address(self):
        return self.js("return location.href")

    def go_back(self):
        self.go(self.driver.back)

    def go_forward(self):
        self.go(self.driver.forward)

    def go(self, step):
        """A step through the history, then the page ready at another address."""
        before = self.address()
        step()
        wait_for(lambda: self.address() != before, what="another address")
        try:
            self.wait_ready()
        except AssertionError:
            raise AssertionError("the page at %s not ready (%s)" % tuple(self.js(
                "return [location.href, document.readyState + ' ' + history.length]"))) from None

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, id_):
        return self.driver.find_element(By.ID, id_)

    def focused_id(self):
        return self.js("return document.activeElement && document.activeElement.id")

    # Fields and Calculate.
    def set_fields(self, *texts):
        """Puts the texts into the fields in reading order (as if typed)."""
        self.js("""
            const ids = ['txtFreq', 'txtResDia', 'txtCoilDia', 'txtTPI'];
            arguments[0].forEach((text, i) => { document.getElementById(ids[i]).value = text; });
        """, list(texts))

    def field_values(self):
        return self.js("return ['txtFreq','txtResDia','txtCoilDia','txtTPI']"
                       ".map(id => document.getElementById(id).value)")

    def calculate(self):
        self.element("cmdGo").click()

    # Lists.
    def lines(self, list_id):
        return self.js("return [...document.querySelectorAll('#' + arguments[0] + ' > [role=option]')]"
                       ".map(o => o.textContent)", list_id)

    def selected_rows(self, list_id):
        return self.js("return [...document.querySelectorAll('#' + arguments[0] + ' > [role=option]')]"
                       ".flatMap((o, i) => o.getAttribute('aria-selected') === 'true' ? [i] : [])", list_id)

    # The clipboard.
    @classmethod
    def grant_clipboard(cls):
        """Lets the page read and write the clipboard: Chromium grants it
        through its DevTools Protocol (elsewhere this skips, as cdp() does)."""
        cls.browser.cdp("Browser.grantPermissions", {
            "origin": cls.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"],
        })

    def clipboard(self):
        return self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], e => arguments[0]('error: ' + e))")

    def put_on_clipboard(self, text):
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)

    # Dialogs.
    def dialog_open(self, id_):
        return self.js("const d = document.getElementById(arguments[0]); return !!d && d.open", id_)

    def wait_closed(self, id_):
        wait_for(lambda: not self.dialog_open(id_), what=f"{id_} to close")
