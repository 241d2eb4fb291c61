"""The browsers the page's tests run in, each from Debian's packages, with a
fresh empty profile each time and nothing fetched from the network:

- Browser: headless Chromium, driven by Debian's chromedriver, the
  performance log on so that a test can see every request the page makes,
  and the Chrome DevTools Protocol for what WebDriver has no command for;
- Firefox: headless Firefox ESR over WebDriver BiDi (firefox_driver.py);
- WebKit: WebKitGTK's MiniBrowser, driven by WebKitWebDriver, on an X server
  of its own (Xvfb), since MiniBrowser has no headless mode.

Each has the same small surface: driver (Selenium's WebDriver, or the slice
of it the tests use), name, viewport(), open(url), cdp() (Chromium only:
elsewhere it skips the test that asks) and quit(); Chromium and Firefox also
watch(), requests(origin) and blocked() (what the page's
Content-Security-Policy blocked).
open_browser() starts the one ZEPHYROD_BROWSER names (chromium by default);
wait_for() polls for the state a step expects.
"""

import json
import os
import shutil
import subprocess
import tempfile
import time
import unittest
from urllib.parse import quote

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.remote.switch_to import SwitchTo
from selenium.webdriver.remote.webdriver import WebDriver
from selenium.webdriver.webkitgtk.service import Service as WebKitService

from firefox_driver import FirefoxDriver, node_modules

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
WEBKITWEBDRIVER = "/usr/bin/WebKitWebDriver"

ENGINES = ("chromium", "firefox", "webkit")
ENGINE = os.environ.get("ZEPHYROD_BROWSER", "chromium")
if ENGINE not in ENGINES:
    raise RuntimeError(f"ZEPHYROD_BROWSER is {ENGINE!r}: one of {', '.join(ENGINES)}")

# A page of the tests' own (the server serves it beside the site) that shows
# the address after its # in a frame of the size in its query, e.g.
# /zephyrod-test-frame.html?360x740#http%3A%2F%2F127.0.0.1%3A8000%2F
FRAME_PATH = "/zephyrod-test-frame.html"
FRAME_PAGE = b"""<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>Frame</title>
<style>html, body { margin: 0 } iframe { display: block; border: 0 }</style></head>
<body><iframe id="page" title="Page"></iframe>
<script>
  const frame = document.getElementById("page");
  [frame.width, frame.height] = location.search.slice(1).split("x");
  frame.src = decodeURIComponent(location.hash.slice(1));
</script></body></html>
"""


def wait_for(condition, timeout=10, what="the expected state"):
    """condition()'s first true value, polled for until timeout (s)."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)


class Browser:
    """Headless Chromium."""

    name = "chromium"

    def __init__(self, width=1280, height=900, scheme="light"):
        self.profile = tempfile.mkdtemp(prefix="zephyrod-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in (
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--disable-default-apps", "--disable-extensions", "--no-default-browser-check",
            "--disable-dev-shm-usage", "--hide-scrollbars", "--force-color-profile=srgb",
            f"--user-data-dir={self.profile}", f"--window-size={width},{height}",
        ):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.driver.set_window_size(width, height)
        self.color_scheme(scheme)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def viewport(self, width, height, scale=1, mobile=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile})

    def color_scheme(self, scheme):
        self.cdp("Emulation.setEmulatedMedia",
                 {"features": [{"name": "prefers-color-scheme", "value": scheme}]})

    def open(self, url):
        self.driver.get(url)

    # Requests and blocks, from the performance and console logs (on from the start).
    def watch(self):
        pass

    def requests(self, origin):
        """The URLs requested by the pages of origin (and their workers), not by the browser's own new tab."""
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            params = message.get("params", {})
            if message["method"] == "Network.requestWillBeSent" and \
                    params.get("documentURL", "").startswith(origin):
                urls.append(params["request"]["url"])
        return urls

    def blocked(self):
        return [e["message"] for e in self.driver.get_log("browser") if "Content Security Policy" in e["message"]]

    def quit(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


class NoDevTools:
    def cdp(self, command, params=None):
        raise unittest.SkipTest(f"{command} is Chromium's DevTools Protocol, which {self.name} lacks")


class Firefox(NoDevTools):
    """Headless Firefox ESR; the colour scheme is a preference set at its start."""

    name = "firefox"

    def __init__(self, width=1280, height=900, scheme="light"):
        self.driver = FirefoxDriver(node_modules(), dark=scheme == "dark")
        self.viewport(width, height)

    def viewport(self, width, height, scale=1, mobile=False):
        # Firefox has no mobile mode (the page's viewport meta is not applied);
        # the page's layouts follow the width alone.
        self.driver.viewport(width, height, scale, mobile)

    def open(self, url):
        self.driver.get(url)

    # Requests (every one the tab makes) and what the page's Content-Security-Policy blocks.
    def watch(self):
        self.driver.watch()

    def requests(self, origin):
        return self.driver.requested()

    def blocked(self):
        return self.driver.blocked()

    def quit(self):
        self.driver.quit()


class FocusedById(SwitchTo):
    """WebKitWebDriver's Get Active Element at times answers with a reference
    it then cannot find (seen with two test programs side by side), so the
    focused element is found by its id."""

    @property
    def active_element(self):
        id_ = self._driver.execute_script("return document.activeElement && document.activeElement.id")
        return self._driver.find_element("id", id_) if id_ else super().active_element


class WebKit(NoDevTools):
    """WebKitGTK's MiniBrowser on an X server of its own; the colour scheme is
    its dark mode, chosen at its start. Its window is never narrower than its
    toolbar (447 px), so a phone is a frame of its size: see open()."""

    name = "webkit"
    screen = "1600x1200x24"
    toolbar = 38

    def __init__(self, width=1280, height=900, scheme="light"):
        self.xvfb, display = self._start_xvfb()
        self.frame = None
        try:
            options = webdriver.WebKitGTKOptions()
            options.binary_location = MINIBROWSER
            options.add_argument("--automation")
            options.add_argument("--javascript-can-access-clipboard=true")
            if scheme == "dark":
                options.add_argument("--dark-mode")
            env = {**os.environ, "DISPLAY": display, "NO_AT_BRIDGE": "1"}
            self.service = WebKitService(WEBKITWEBDRIVER, env=env)
            self.service.start()
            try:
                self.driver = WebDriver(command_executor=self.service.service_url, options=options)
                self.driver._switch_to = FocusedById(self.driver)
            except Exception:
                self.service.stop()
                raise
        except Exception:
            self._stop_xvfb()
            raise
        self.viewport(width, height)

    def _start_xvfb(self):
        # -displayfd: Xvfb takes a free display itself and says which, so that
        # two runs side by side never race for one.
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", self.screen,
                                 "-nolisten", "tcp"], pass_fds=(write,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read, "rb") as pipe:
            number = pipe.readline().decode().strip()
        if not number:
            xvfb.kill()
            xvfb.wait()
            raise RuntimeError("Xvfb did not start")
        return xvfb, f":{number}"

    def _stop_xvfb(self):
        self.xvfb.terminate()
        self.xvfb.wait()

    def viewport(self, width, height, scale=1, mobile=False):
        # A phone is a frame of its size (see open()); otherwise the window is
        # sized so that its page area is width x height, below the toolbar
        # (38 px). The device scale stays 1: WebKitGTK takes it from the X server.
        self.frame = (width, height) if mobile else None
        if mobile:
            width, height = max(width, 800), height + 100
        self.driver.set_window_size(width, height + self.toolbar)
        wait_for(lambda: self.driver.execute_script("return innerWidth") == width,
                 what=f"MiniBrowser's page to become {width} px wide")

    def open(self, url):
        """Opens url; for a size the window cannot take, inside a frame of
        that size at the top left of the tests' own page, every later step
        working in the frame."""
        if not self.frame:
            self.driver.get(url)
            return
        self.driver.switch_to.default_content()
        origin = url.split("/", 3)[:3]
        self.driver.get("/".join(origin) + FRAME_PATH + "?%dx%d#" % self.frame + quote(url, safe=""))
        self.driver.switch_to.frame(self.driver.find_element("id", "page"))

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.service.stop()
            self._stop_xvfb()


def open_browser(width=1280, height=900, scheme="light"):
    """The browser ZEPHYROD_BROWSER names, started."""
    return {"chromium": Browser, "firefox": Firefox, "webkit": WebKit}[ENGINE](width, height, scheme)
