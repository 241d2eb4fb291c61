"""Offline and private: after the first visit the service worker answers a
reload with the server stopped, and the page still calculates, a link to a
design too; filling its cache fetches nothing the page has fetched; a changed
site replaces the cached one; nothing the page does sends a request anywhere
but its own origin, and its Content-Security-Policy blocks nothing it needs."""

import shutil
import tempfile
import unittest
from collections import Counter
from pathlib import Path

import expected as E
from page_session import SITE, PageTest, wait_for
from static_server import SiteServer


class Offline(PageTest):
    def test_installable_and_a_reload_with_the_server_stopped_still_calculates(self):
        self.open_page()
        self.wait_controlled()
        # Installable: the manifest, its icons and the service worker as the
        # browser wants them (only Chromium says, through its DevTools Protocol).
        if self.browser.name == "chromium":
            self.assertEqual(self.browser.cdp("Page.getAppManifest").get("errors"), [])
            self.assertEqual(self.browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        caches = self.driver.execute_async_script("caches.keys().then(arguments[0])")
        self.assertEqual(len(caches), 1)
        self.assertRegex(caches[0], r"^zephyrod-1\.0\.0-[0-9a-f]{16}$")
        self.server.stop()
        self.server = None
        self.driver.refresh()  # answered by the service worker
        self.wait_ready()
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertEqual(self.lines("lstSweep"), E.DEFAULT_SWEEP)


class OfflineLink(PageTest):
    def test_a_link_opened_with_the_server_stopped_calculates_its_design(self):
        self.open_page()
        self.wait_controlled()
        self.server.stop()
        self.server = None
        self.open_link("f=14.2&r=20&c=30&t=11")  # answered by the service worker
        self.assertEqual(self.field_values(), E.WORKED_FIELDS)
        self.assertEqual(self.lines("lstValues"), E.WORKED_RESULTS)


class FetchedOnce(PageTest):
    """A first visit has the server send every file of the site once: the page
    the files it needs, the service worker, as it fills its cache, only the
    rest (it takes the page's copies from the browser's HTTP cache). The
    browser's revalidations of the page's own icon (answered "not modified",
    no file sent) are not fetches: self.sent leaves them out."""

    def test_a_first_visit_fetches_each_file_once(self):
        self.skip_in(("webkit",), "WebKit's service worker does not take the page's copies from "
                     "the HTTP cache: every file is sent again as it fills its cache (measured: "
                     "each twice, the module three times)")
        self.open_page()
        self.wait_controlled()
        cached = self.driver.execute_async_script("""
            caches.keys().then((names) => caches.open(names[0])).then((cache) => cache.keys())
                .then((requests) => arguments[0](requests.map((r) => new URL(r.url).pathname)));
        """)
        files = [p.relative_to(SITE).as_posix() for p in SITE.rglob("*") if p.is_file()]
        self.assertEqual(sorted(cached), sorted(["/"] + ["/" + f for f in files if f != "sw.js"]))
        counts = Counter(self.sent)
        self.assertEqual({path: n for path, n in counts.items() if n > 1}, {})
        # The folder "./" and index.html are one file: fetched once, as "./".
        self.assertEqual(sorted(counts), sorted(["/"] + ["/" + f for f in files if f != "index.html"]))


class Update(PageTest):
    """A rebuilt site (here: a copy whose service worker has a new cache name)
    replaces the cached one on the next visit."""

    def test_a_changed_site_replaces_the_cache(self):
        folder = Path(tempfile.mkdtemp(prefix="zephyrod-site-"))
        try:
            site = folder / "site"
            shutil.copytree(SITE, site)
            server = SiteServer(site)
            url = server.start()
            try:
                self.driver.get(url)
                self.wait_controlled()
                old = self.driver.execute_async_script("caches.keys().then(arguments[0])")
                worker = site / "sw.js"
                text = worker.read_text(encoding="utf-8")
                worker.write_text(text.replace(old[0], old[0] + "0"), encoding="utf-8")
                self.driver.refresh()
                wait_for(lambda: self.driver.execute_async_script("caches.keys().then(arguments[0])")
                         == [old[0] + "0"], timeout=15, what="the new cache to replace the old one")
            finally:
                server.stop()
        finally:
            shutil.rmtree(folder, ignore_errors=True)


class OwnOriginOnly(PageTest):
    def test_no_request_leaves_the_origin(self):
        self.skip_in(("webkit",), "WebKitWebDriver reports neither the page's requests nor its console")
        self.browser.watch()
        self.open_page()
        self.calculate()
        self.element("mnuHelp").click()
        self.element("mnuAbout").click()
        self.driver.switch_to.active_element.click()
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        self.set_fields("abc", "25.4", "34.925", "8.66")
        self.calculate()
        urls = self.browser.requests(self.url)
        self.assertGreater(len(urls), 5)
        outside = [u for u in urls if not u.startswith(self.url)]
        self.assertEqual(outside, [])
        self.assertEqual(self.browser.blocked(), [])
        self.assertEqual(self.js("return document.cookie"), "")
        self.assertEqual(self.js("return localStorage.length + sessionStorage.length"), 0)


if __name__ == "__main__":
    unittest.main()
