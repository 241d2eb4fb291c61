"""Headless Chromium for the page's tests, driven by Debian's chromedriver:
a fresh empty profile each time, nothing fetched from the network, the
performance log on so that a test can see every request the page makes."""

import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


class Browser:
    def __init__(self, width=1280, height=900):
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

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def viewport(self, width, height, scale=1, mobile=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile})

    def color_scheme(self, scheme):
        self.cdp("Emulation.setEmulatedMedia",
                 {"features": [{"name": "prefers-color-scheme", "value": scheme}]})

    def quit(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
