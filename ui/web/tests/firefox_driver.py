"""Firefox ESR through firefox_bridge.mjs (puppeteer-core over WebDriver
BiDi), behind the slice of Selenium's WebDriver and WebElement that the
page's tests use: get, refresh, back, forward, execute_script,
execute_async_script, find_element by id or CSS selector,
switch_to.active_element, ActionChains (through execute), and an element's
click, send_keys, text, get_attribute, get_property and is_displayed."""

import json
import os
import subprocess
from pathlib import Path

from selenium.common.exceptions import NoSuchElementException, WebDriverException
from selenium.webdriver.common.by import By
from selenium.webdriver.remote.command import Command

BRIDGE = Path(__file__).resolve().parent / "firefox_bridge.mjs"
FIREFOX = "/usr/bin/firefox-esr"


class BridgeElement:
    """An element found by a CSS selector, looked up afresh for every step."""

    def __init__(self, driver, selector):
        self.driver = driver
        self.selector = selector

    def _js(self, body, *args):
        return self.driver.execute_script(
            "const e = document.querySelector(arguments[0]);"
            "if (!e) throw new Error('stale element: ' + arguments[0]);" + body,
            self.selector, *args)

    def click(self):
        self.driver.command("click", selector=self.selector)

    def send_keys(self, *keys):
        # As WebDriver's Element Send Keys: the element focused first (with the
        # caret at the end of its text when it was not), then each key in turn.
        self._js("if (document.activeElement !== e) { e.focus();"
                 " if (typeof e.setSelectionRange === 'function' && typeof e.value === 'string')"
                 " e.setSelectionRange(e.value.length, e.value.length); }")
        self.driver.press_keys("".join(keys))

    @property
    def text(self):
        return self._js("return e.innerText.trim()")

    def get_attribute(self, name):
        return self._js("return e.getAttribute(arguments[1])", name)

    def get_property(self, name):
        return self._js("return e[arguments[1]]", name)

    def is_displayed(self):
        return self._js("return e.checkVisibility({ visibilityProperty: true })")

    def is_enabled(self):
        return self._js("return !e.disabled")


class SwitchTo:
    def __init__(self, driver):
        self.driver = driver

    @property
    def active_element(self):
        id_ = self.driver.execute_script("return document.activeElement.id")
        if not id_:
            raise WebDriverException("the focused element has no id to find it by")
        return BridgeElement(self.driver, f'[id="{id_}"]')


class FirefoxDriver:
    def __init__(self, modules, dark=False):
        options = {"executablePath": FIREFOX, "dark": dark, "modules": str(modules)}
        self.process = subprocess.Popen(
            ["node", str(BRIDGE), json.dumps(options)], stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, text=True, encoding="utf-8")
        self.next_id = 0
        self._answer(0)  # the bridge's first line: Firefox has started
        self.switch_to = SwitchTo(self)

    def _answer(self, id_):
        line = self.process.stdout.readline()
        if not line:
            raise WebDriverException(f"the Firefox bridge ended (status {self.process.poll()})")
        message = json.loads(line)
        if message["id"] != id_:
            raise WebDriverException(f"the Firefox bridge answered {message['id']}, not {id_}")
        if "error" in message:
            raise WebDriverException(message["error"])
        return message["value"]

    def command(self, name, **params):
        self.next_id += 1
        self.process.stdin.write(json.dumps({"id": self.next_id, "command": name, **params}) + "\n")
        self.process.stdin.flush()
        return self._answer(self.next_id)

    # Navigation.
    def get(self, url):
        self.command("goto", url=url)

    def refresh(self):
        self.command("reload")

    def back(self):
        self.command("history", delta=-1)

    def forward(self):
        self.command("history", delta=1)

    # Scripts.
    def execute_script(self, script, *args):
        return self.command("evaluate", body=script, args=list(args), asynchronous=False)

    def execute_async_script(self, script, *args):
        return self.command("evaluate", body=script, args=list(args), asynchronous=True)

    # Elements.
    def find_element(self, by=By.ID, value=None):
        if by == By.ID:
            selector = f'[id="{value}"]'
        elif by == By.CSS_SELECTOR:
            selector = value
        else:
            raise WebDriverException(f"the Firefox bridge finds elements by id or CSS selector, not {by}")
        if not self.execute_script("return !!document.querySelector(arguments[0])", selector):
            raise NoSuchElementException(f"no element {selector}")
        return BridgeElement(self, selector)

    # Keys and ActionChains: WebDriver's input actions go to BiDi as they are.
    def press_keys(self, text):
        keys = []
        for key in text:
            keys += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        self.command("actions", actions=[{"type": "key", "id": "keyboard", "actions": keys}])

    def execute(self, command, params=None):
        if command != Command.W3C_ACTIONS:
            raise WebDriverException(f"the Firefox bridge does not do {command}")
        self.command("actions", actions=params["actions"])
        return {"value": None}

    # What the page asked for and what its Content-Security-Policy blocked, from watch() on.
    def watch(self):
        self.command("watch")

    def requested(self):
        return self.command("requested")

    def blocked(self):
        return self.command("blocked")

    # The rest.
    def viewport(self, width, height, scale, mobile):
        self.command("viewport", width=width, height=height, scale=scale, mobile=mobile)

    def quit(self):
        try:
            if self.process.poll() is None:
                self.command("quit")
        finally:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process.stdout.close()


def node_modules():
    """Where npm ci put puppeteer-core: the build folder's, as CTest tells."""
    return Path(os.environ.get("ZEPHYROD_NODE_MODULES", "node_modules")).resolve()
