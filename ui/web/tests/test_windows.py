"""The Help menu, the help beside the calculator, the about box and copying
from the lists, by mouse and by keyboard."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import expected as E
from page_session import PageTest, wait_for


class HelpAndAbout(PageTest):
    def setUp(self):
        self.open_page()

    def choose(self, item):
        self.element("mnuHelp").click()
        wait_for(lambda: self.element(item).is_displayed(), what=f"{item} to show")
        self.element(item).click()

    def alt(self, key):
        ActionChains(self.driver).key_down(Keys.ALT).send_keys(key).key_up(Keys.ALT).perform()

    def help_text(self):
        return self.element("frmHelp-txtHelp").get_property("value")

    def test_help_menu_shows_its_two_items_and_closes_with_escape(self):
        self.element("mnuHelp").click()
        self.assertEqual(self.element("mnuHelp").get_attribute("aria-expanded"), "true")
        captions = [self.driver.find_element("css selector", f"#{i} .menu-caption").text for i in ("mnuZRHelp", "mnuAbout")]
        self.assertEqual(captions, ["Zephyrod Calculator Help", "About"])
        self.assertEqual(self.driver.find_element("css selector", "#mnuZRHelp .menu-shortcut").text, "F1")
        self.assertEqual(self.element("mnuZRHelp").get_attribute("aria-keyshortcuts"), "F1")
        self.assertEqual(self.focused_id(), "mnuZRHelp")
        self.driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.focused_id(), "mnuAbout")
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.assertFalse(self.element("mnuZRHelp").is_displayed())
        self.assertEqual(self.focused_id(), "mnuHelp")

    def test_help_shows_the_text_and_leaves_calculate_usable(self):
        self.choose("mnuZRHelp")
        self.assertTrue(self.element("frmHelp").is_displayed())
        self.assertEqual(self.element("frmHelp-caption").text, "Zephyrod Calculator Help")
        self.assertEqual(self.element("frmHelp-txtHelp").get_attribute("aria-label"), "Help")
        self.assertEqual(self.focused_id(), "frmHelp-cmdOK")
        text = self.help_text()
        paragraphs = text.split("\n\n")
        self.assertEqual(len(paragraphs), 6)
        self.assertTrue(text.startswith("Enter the desired center frequency, the diameter of the resonator and coil form, and"))
        self.assertIn("close  wound", text)
        self.assertEqual(paragraphs[-2:], ["73 and Good Luck with the Zephyrod!", "Wendel - Korrin"])
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertTrue(self.element("frmHelp").is_displayed())

    def test_help_keeps_edits_while_open_and_starts_afresh_after_ok(self):
        self.choose("mnuZRHelp")
        original = self.help_text()
        box = self.element("frmHelp-txtHelp")
        box.send_keys(Keys.END, Keys.ENTER, "73")
        self.assertEqual(self.help_text(), original + "\n73")
        self.assertTrue(self.element("frmHelp").is_displayed())
        self.choose("mnuZRHelp")
        self.assertEqual(self.help_text(), original + "\n73")
        self.element("frmHelp-cmdOK").click()
        self.assertFalse(self.element("frmHelp").is_displayed())
        self.choose("mnuZRHelp")
        self.assertEqual(self.help_text(), original)

    def test_access_keys_open_help_and_about(self):
        self.alt("h")
        self.assertEqual(self.focused_id(), "mnuZRHelp")
        self.driver.switch_to.active_element.send_keys("h")
        self.assertTrue(self.element("frmHelp").is_displayed())
        self.alt("h")
        self.driver.switch_to.active_element.send_keys("a")
        self.assertTrue(self.dialog_open("frmAbout"))

    def test_f1_opens_the_help_from_a_field_and_from_a_list_but_not_behind_the_about_box(self):
        for start in ("txtFreq", "lstSweep"):
            self.element(start).click()
            self.driver.switch_to.active_element.send_keys(Keys.F1)
            self.assertTrue(self.element("frmHelp").is_displayed(), start)
            self.element("frmHelp-cmdOK").click()
        self.choose("mnuAbout")
        self.driver.switch_to.active_element.send_keys(Keys.F1)
        self.assertFalse(self.element("frmHelp").is_displayed())

    def test_about_box_is_modal_with_its_texts_and_closes_by_ok_enter_and_escape(self):
        for close in ("click", Keys.ENTER, Keys.ESCAPE):
            with self.subTest(close=close):
                self.choose("mnuAbout")
                self.assertTrue(self.js("return document.getElementById('frmAbout').matches(':modal')"))
                self.assertEqual(self.element("frmAbout-caption").text, "About Zephyrod")
                self.assertEqual(self.element("frmAbout-lblTitle").text, "Zephyrod Calculator")
                self.assertEqual(self.element("frmAbout-lblVersion").text, "Version 1.0.0")
                description = self.js("return document.getElementById('frmAbout-lblDescription').textContent")
                self.assertTrue(description.startswith("Based on the Zephyrod design by Brennick, Ostral\r\n"))
                copyright = self.js("return [...document.querySelectorAll('.about-copyright p')].map(p => p.textContent)")
                self.assertEqual(len(copyright), 2)
                self.assertTrue(copyright[0].startswith("Copyright"))
                # The copyright lines carry the design's names, in the about window's ids.
                self.assertEqual(self.js("return [...document.querySelectorAll('.about-copyright p')].map(p => p.id)"),
                                 ["frmAbout-Label1", "frmAbout-Label2"])
                self.assertEqual(self.focused_id(), "frmAbout-cmdOK")
                if close == "click":
                    self.element("frmAbout-cmdOK").click()
                else:
                    self.driver.switch_to.active_element.send_keys(close)
                self.wait_closed("frmAbout")
                self.calculate()
                self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)

    def press_enter(self):
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()

    def test_enter_anywhere_in_the_about_box_presses_its_default_button(self):
        self.choose("mnuAbout")
        self.element("frmAbout-lblDescription").click()
        self.assertNotEqual(self.focused_id(), "frmAbout-cmdOK")
        self.press_enter()
        self.wait_closed("frmAbout")

    def test_enter_anywhere_in_the_error_box_presses_ok_and_the_field_at_fault_gets_the_focus(self):
        self.set_fields(*E.ERRORS[2][1])
        self.calculate()
        self.assertTrue(self.dialog_open("dlgError"))
        self.element("dlgError-message").click()
        self.assertNotEqual(self.focused_id(), "dlgError-cmdOK")
        self.press_enter()
        self.wait_closed("dlgError")
        self.assertEqual(self.focused_id(), E.ERRORS[2][4])


class Copy(PageTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Reading the clipboard back: Chromium grants it through its DevTools
        # Protocol; Firefox and WebKit allow it for the tests from their start.
        if cls.browser.name == "chromium":
            cls.grant_clipboard()

    def setUp(self):
        self.open_page()
        self.calculate()
        self.put_on_clipboard("")

    def assert_clipboard(self, expected):
        wait_for(lambda: self.clipboard() == expected, what=f"the clipboard to hold {expected[:40]!r}")

    def test_ctrl_c_copies_the_selected_line(self):
        self.element("lstSweep-5").click()
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("c").key_up(Keys.CONTROL).perform()
        self.assert_clipboard(E.DEFAULT_SWEEP[5])

    def test_copy_all_copies_every_line_of_its_list(self):
        self.element("lstValues-copyAll").click()
        self.assert_clipboard("\n".join(E.DEFAULT_RESULTS))
        self.element("lstSweep-copyAll").click()
        self.assert_clipboard("\n".join(E.DEFAULT_SWEEP))

    def test_copy_copies_the_selected_line(self):
        self.element("lstSweep-copy").click()
        self.assert_clipboard(E.DEFAULT_SWEEP[12])

    def test_copy_csv_copies_the_sweep_as_the_headless_calculator_prints_it(self):
        self.skip_in(("webkit",), "WebKitGTK's clipboard gives the CSV's CR LF line ends back as LF "
                     "(writeText('a\\r\\nb') reads back as 'a\\nb')")
        self.element("lstSweep-copyCsv").click()
        csv = wait_for(lambda: (lambda t: t if t.startswith("freq_mhz") else None)(self.clipboard()),
                       what="the CSV on the clipboard")
        self.assertTrue(csv.startswith(E.DEFAULT_CSV_START), csv[:120])
        self.assertIn(E.DEFAULT_CSV_CENTRE, csv)
        self.assertEqual(csv.count("\r\n"), 1 + 21)


if __name__ == "__main__":
    unittest.main()
