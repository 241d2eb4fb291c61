#!/usr/bin/env python3
"""Takes the README's screenshots of the web edition in headless Chromium:
docs/web-desktop.png (1280 x 900, the default design calculated, the help
beside it) and docs/web-phone.png (360 x 740 CSS px at 2 device pixels per
px, the default design calculated, scrolled to its sweep).

    screenshots.py [SITE] [DOCS]   (defaults: build/web/site, docs)
"""

import base64
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser import Browser  # noqa: E402
from page_session import wait_for  # noqa: E402
from static_server import SiteServer  # noqa: E402


def shoot(url, out, width, height, scale, mobile, help_open, sweep_in_view=False):
    browser = Browser()
    driver = browser.driver
    try:
        browser.viewport(width, height, scale, mobile)
        browser.color_scheme("light")
        driver.get(url)
        wait_for(lambda: driver.execute_script("return document.documentElement.dataset.ready === 'true'"))
        driver.find_element("id", "cmdGo").click()
        if help_open:
            driver.find_element("id", "mnuHelp").click()
            driver.find_element("id", "mnuZRHelp").click()
        driver.find_element("id", "txtFreq").click()  # the focus back in the first field
        driver.execute_script("window.scrollTo(0, 0)")
        if sweep_in_view:  # the tuning table, as it is read at the feed point
            driver.execute_script("document.getElementById('lstSweep').parentElement.scrollIntoView()")
        image = browser.cdp("Page.captureScreenshot", {"format": "png"})["data"]
        out.write_bytes(base64.b64decode(image))
        print(f"Wrote {out}")
    finally:
        browser.quit()


def main():
    site = Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/site")
    docs = Path(sys.argv[2] if len(sys.argv) > 2 else "docs")
    server = SiteServer(site)
    url = server.start()
    try:
        shoot(url, docs / "web-desktop.png", 1280, 900, 1, False, True)
        shoot(url, docs / "web-phone.png", 360, 740, 2, True, False, sweep_in_view=True)
    finally:
        server.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
