#!/usr/bin/env python3
"""Measures the web edition against its budgets, in headless Chromium on this
machine, and prints them:

- first load: every file the first visit fetches (the page's own requests and
  the service worker's filling of its cache), gzipped, in bytes;
- ready to calculate: from the start of navigation to the moment the page has
  put the defaults in the fields and can calculate (its "zephyrod-ready" mark),
  median of several first visits (each on a new origin, so nothing is cached)
  and of several reloads answered by the service worker;
- calculate: one press of Calculate (the default and a worked design in turn),
  both lists and the selected row updated and laid out (the chart follows
  before the next frame), median and slowest of many, and the module's own
  share of it.

    bench_page.py [SITE [MODULES]]   (default: build/web/site build/web/page-modules)
"""

import gzip
import statistics
import sys
import time
from pathlib import Path
from urllib.parse import urlparse

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser import Browser  # noqa: E402
from static_server import SiteServer  # noqa: E402

RUNS = 7
PRESSES = 300


def wait(driver, script, timeout=15):
    deadline = time.monotonic() + timeout
    while not driver.execute_script(script):
        if time.monotonic() > deadline:
            raise RuntimeError(f"timed out: {script}")
        time.sleep(0.01)


def ready_ms(driver):
    return driver.execute_script(
        "return performance.getEntriesByName('zephyrod-ready')[0].startTime")


def main():
    site = Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/site").resolve()
    modules = Path(sys.argv[2] if len(sys.argv) > 2 else site.parent / "page-modules").resolve()
    browser = Browser()
    driver = browser.driver
    first_visits, reloads = [], []
    fetched = set()
    try:
        for run in range(RUNS):
            requested = []
            server = SiteServer(site, requested=requested)
            url = server.start()
            driver.get(url)
            wait(driver, "return document.documentElement.dataset.ready === 'true'")
            first_visits.append(ready_ms(driver))
            wait(driver, "return !!navigator.serviceWorker.controller")
            driver.refresh()
            wait(driver, "return document.documentElement.dataset.ready === 'true'")
            reloads.append(ready_ms(driver))
            if run == 0:
                fetched = {urlparse(path).path for path in requested}
            server.stop()
        presses = driver.execute_script("""
            // The default design and a worked one in turn, so that every press changes the lists.
            const go = document.getElementById('cmdGo'), times = [];
            const fields = ['txtFreq', 'txtResDia', 'txtCoilDia', 'txtTPI'].map(id => document.getElementById(id));
            const designs = [['14.2', '20', '30', '11'], ['7.07', '25.4', '34.925', '8.66']];
            for (let i = 0; i < arguments[0]; i++) {
              designs[i % 2].forEach((text, k) => { fields[k].value = text; });
              const start = performance.now();
              go.click();
              document.body.offsetHeight;  // the lists laid out
              times.push(performance.now() - start);
            }
            return times;
        """, PRESSES)
        rows = driver.execute_script("return document.querySelectorAll('#lstSweep > [role=option]').length")
        assert rows == 23, rows  # the last press: the default design
        warnings = [e["message"] for e in driver.get_log("browser") if e["level"] != "INFO"]
        # The module's own share: the same calculations through the core
        # alone, from the build's folder of the page's modules (the binding
        # core.js and the module) on a blank page of a server of its own.
        server = SiteServer(modules, pages={"/": b"<!doctype html><title>The core</title>"})
        driver.get(server.start())
        core_only = driver.execute_script("""
            const { loadCore } = await import('./core.js');
            const core = await loadCore();
            const designs = [['14.2', '20', '30', '11'], ['7.07', '25.4', '34.925', '8.66']];
            const times = [];
            for (let i = 0; i < arguments[0]; i++) {
              const start = performance.now();
              core.calculate(designs[i % 2]);
              times.push(performance.now() - start);
            }
            return times;
        """, PRESSES)
        server.stop()
    finally:
        browser.quit()

    files = sorted({site / ("index.html" if p.endswith("/") else p.lstrip("/")) for p in fetched})
    raw = sum(f.stat().st_size for f in files)
    zipped = sum(len(gzip.compress(f.read_bytes(), compresslevel=9)) for f in files)
    print(f"First load: {len(files)} files, {raw:,} bytes, {zipped:,} bytes gzipped (budget 153,600)")
    for f in files:
        print(f"  {f.relative_to(site)}: {len(gzip.compress(f.read_bytes(), compresslevel=9)):,} gzipped")
    print(f"Ready to calculate, first visit: median {statistics.median(first_visits):.0f} ms of {RUNS} "
          f"(fastest {min(first_visits):.0f}, slowest {max(first_visits):.0f}; budget 300)")
    print(f"Ready to calculate, reload from the service worker: median {statistics.median(reloads):.0f} ms "
          f"(fastest {min(reloads):.0f}, slowest {max(reloads):.0f})")
    print(f"Calculate, both lists and the selected row updated and laid out: median {statistics.median(presses):.2f} ms of {PRESSES}, "
          f"95th percentile {sorted(presses)[int(PRESSES * 0.95)]:.2f} ms, slowest {max(presses):.2f} ms (budget 2)")
    print(f"  of which the module's calculation (texts to lines, as JSON): median {statistics.median(core_only):.2f} ms")
    for warning in warnings:
        print(f"Browser: {warning}")
    print(f"Load average while measuring: {' '.join(open('/proc/loadavg').read().split()[:3])}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
