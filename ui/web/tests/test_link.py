"""A design in the page's address: each Calculate records the four texts in
the fragment, a link opens and calculates its design, Back and Forward step
through the designs calculated, a link that cannot be taken whole is ignored
and nothing a link holds becomes markup; Share hands on the link or copies
it and says so."""

import threading
import unittest
from urllib.parse import quote

import expected as E
from page_session import PageTest, wait_for

KEYS = ["f", "r", "c", "t"]


def fragment(texts):
    return "&".join(f"{key}={quote(text, safe='.,')}" for key, text in zip(KEYS, texts))


class LinkTest(PageTest):
    def hash(self):
        return self.js("return location.hash")

    def wait_for_hash(self, expected):
        """The address takes a Calculate's texts just after the click returns."""
        wait_for(lambda: self.hash() == expected, what=f"the address to end in {expected}")

    def element_count(self):
        return self.js("return document.getElementsByTagName('*').length")


class StepWhileTheModuleLoads(LinkTest):
    """A step to another design before the module is there (held back by the
    server: a new origin, no worker) is the design calculated once it is."""

    def test_a_step_before_the_module_arrives_is_the_design_calculated(self):
        gate = threading.Event()
        self.addCleanup(gate.set)
        self.server.hold("/zephyrod-core.wasm", gate)
        self.browser.open(self.url + "#" + fragment(E.DEFAULT_FIELDS))
        wait_for(lambda: self.field_values() == E.DEFAULT_FIELDS, what="the link's design")
        self.js("location.hash = arguments[0]", fragment(E.WORKED_FIELDS))
        wait_for(lambda: self.field_values() == E.WORKED_FIELDS, what="the step's design")
        gate.set()
        self.wait_ready()
        wait_for(lambda: self.lines("lstValues") == E.WORKED_RESULTS, what="the step's results")
        self.assertEqual(self.hash(), "#" + fragment(E.WORKED_FIELDS))


class DesignInTheLink(LinkTest):
    def test_every_calculate_records_the_four_texts_readably_in_the_fragment(self):
        self.open_page()
        self.assertEqual(self.hash(), "")
        self.calculate()
        self.wait_for_hash("#f=7.07&r=25.4&c=34.925&t=8.66")
        # A fault's texts too, escaped only where a value would end or break.
        self.set_fields("7,07", "a b&c=d#", "100%", "8.66")
        self.calculate()
        self.assertTrue(self.dialog_open("dlgError"))
        self.wait_for_hash("#f=7,07&r=a%20b%26c%3Dd%23&c=100%25&t=8.66")

    def test_opening_a_link_fills_the_fields_and_calculates_its_design(self):
        self.open_link(fragment(E.WORKED_FIELDS))
        self.assertEqual(self.field_values(), E.WORKED_FIELDS)
        self.assertEqual(self.lines("lstValues"), E.WORKED_RESULTS)
        self.assertEqual(self.lines("lstSweep")[12], E.WORKED_CENTRE_ROW)
        self.assertEqual(self.selected_rows("lstSweep"), [12])
        self.assertFalse(self.dialog_open("dlgError"))
        self.assertEqual(self.focused_id(), "txtFreq")
        # Keys in another order, and texts of 64 characters, are a design too.
        long_text = "7.07" + "0" * 60
        self.open_link(f"t=8.66&c=34.925&r=25.4&f={long_text}")
        self.assertEqual(self.field_values(), [long_text] + E.DEFAULT_FIELDS[1:])
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)

    def test_a_link_to_a_fault_shows_its_error_box(self):
        self.open_link(fragment(E.fields_with(0, "7,07")))
        self.assertTrue(self.dialog_open("dlgError"))
        message = self.js("return document.getElementById('dlgError-message').textContent")
        self.assertTrue(message.startswith('Center Frequency "7,07" has a comma'), message)
        self.assertEqual(self.focused_id(), "dlgError-cmdOK")
        self.element("dlgError-cmdOK").click()
        wait_for(lambda: self.focused_id() == "txtFreq", what="the focus on the field at fault")

    def test_back_and_forward_step_through_the_designs_calculated(self):
        self.open_page()
        start = self.js("return history.length")
        designs = [E.DEFAULT_FIELDS, E.WORKED_FIELDS, E.LONG_ROWS_FIELDS]
        for texts in designs:
            self.set_fields(*texts)
            self.calculate()
        self.calculate()  # the same design again adds no entry
        # The first Calculate took the entry that held no design.
        wait_for(lambda: self.js("return history.length") == start + 2,
                 what="two entries more in the history")
        self.assertEqual(self.hash(), "#" + fragment(designs[-1]))
        self.go_back()
        wait_for(lambda: self.field_values() == E.WORKED_FIELDS, what="the worked design back")
        self.assertEqual(self.lines("lstValues"), E.WORKED_RESULTS)
        self.assertEqual(self.selected_rows("lstSweep"), [12])
        self.go_back()
        wait_for(lambda: self.field_values() == E.DEFAULT_FIELDS, what="the defaults back")
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.go_forward()
        wait_for(lambda: self.field_values() == E.WORKED_FIELDS, what="the worked design forward")
        self.assertEqual(self.lines("lstValues"), E.WORKED_RESULTS)

    def test_a_link_that_cannot_be_taken_whole_is_ignored(self):
        self.open_page()
        plain = self.element_count()
        good = fragment(E.WORKED_FIELDS)
        links = {
            "a key missing": "f=14.2&r=20&c=30",
            "a key twice": good + "&f=14.2",
            "another key": good + "&x=1",
            "no value": "f&r=20&c=30&t=11",
            "a malformed escape": "f=14%2&r=20&c=30&t=11",
            "an escape that is no UTF-8": "f=%FF&r=20&c=30&t=11",
            "a text of 65 characters": "f=7." + "0" * 63 + "&r=20&c=30&t=11",
            "a very long text": "f=" + "7" * 100000 + "&r=20&c=30&t=11",
            "a line break": "f=14.2%0A&r=20&c=30&t=11",
            "a query's form": "?f=14.2&r=20&c=30&t=11",
        }
        for what, body in links.items():
            with self.subTest(what):
                self.open_link(body)
                self.assertEqual(self.field_values(), E.DEFAULT_FIELDS)
                self.assertEqual(self.js("return document.querySelectorAll('[role=option]').length"), 0)
                self.assertFalse(self.dialog_open("dlgError"))
                self.assertFalse(self.element("share").is_enabled())
                self.assertEqual(self.element_count(), plain)

    def test_what_a_link_holds_only_ever_becomes_field_text(self):
        self.open_page()
        plain = self.element_count()
        hostile = [
            '<img src=x onerror="window.injected=1">',
            "javascript:window.injected=1",
            '"><b id=x>',
            "</dialog><script>window.injected=1</script>",
        ]
        for text in hostile:
            with self.subTest(text):
                self.open_link(fragment(E.fields_with(1, text)))
                self.assertEqual(self.field_values(), E.fields_with(1, text))
                self.assertTrue(self.dialog_open("dlgError"))
                message = self.js("return document.getElementById('dlgError-message').textContent")
                self.assertIn(text[:32], message)
                self.assertEqual(self.element_count(), plain)
                self.assertIsNone(self.js("return window.injected ?? null"))


class Share(LinkTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.grant_clipboard()

    def status(self):
        return self.js("return document.getElementById('share-status').textContent")

    def test_share_is_enabled_once_a_design_is_calculated(self):
        self.open_page()
        self.assertFalse(self.element("share").is_enabled())
        self.set_fields(*E.fields_with(0, ""))
        self.calculate()
        self.element("dlgError-cmdOK").click()
        self.assertTrue(self.element("share").is_enabled())

    def test_without_the_system_sharing_share_copies_the_link_and_says_so(self):
        self.open_page()
        self.assertFalse(self.js("return 'share' in navigator"))
        self.set_fields(*E.WORKED_FIELDS)
        self.calculate()
        self.assertEqual(self.status(), "")
        self.element("share").click()
        expected = self.url + "#" + fragment(E.WORKED_FIELDS)
        wait_for(lambda: self.clipboard() == expected, what="the link on the clipboard")
        status = self.element("share-status")
        self.assertEqual(status.get_attribute("role"), "status")
        wait_for(lambda: self.status() == "Link copied" and status.is_displayed(),
                 what="the words that say the link was copied")
        wait_for(lambda: self.status() == "", timeout=10, what="the words to go")


class ShareThroughTheSystem(LinkTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # A browser with the Web Share API: what the page hands it is kept.
        cls.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
            navigator.share = (data) => { (window.shared ??= []).push(data); return Promise.resolve(); };
        """})

    def test_share_hands_the_link_to_the_system(self):
        self.open_link(fragment(E.WORKED_FIELDS))
        self.element("share").click()
        shared = wait_for(lambda: self.js("return window.shared"), what="the link shared")
        self.assertEqual([s["url"] for s in shared], [self.url + "#" + fragment(E.WORKED_FIELDS)])
        self.assertEqual(self.js("return document.getElementById('share-status').textContent"), "")


if __name__ == "__main__":
    unittest.main()
