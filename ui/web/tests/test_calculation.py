"""The main window in the browser: the state at load (and while the module is
still on its way), Calculate with the
default and a worked design line for line, the centre row, the keys, a
decimal comma in a language that writes one and in one that does not, and
every class of error with its words, its lists and the focus after it."""

import threading
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import expected as E
from page_session import PageTest, wait_for


class WhileTheModuleLoads(PageTest):
    """A slow network: the module's answer held back (a new origin, no worker)."""

    def test_built_while_the_module_loads_and_a_calculate_pressed_then_counts(self):
        gate = threading.Event()
        self.addCleanup(gate.set)
        self.server.hold("/zephyrod-core.wasm", gate)
        self.browser.open(self.url)
        wait_for(lambda: self.js("return !!document.getElementById('cmdGo')"), what="the page built")
        self.assertEqual(self.field_values(), E.DEFAULT_FIELDS)
        self.assertEqual(self.focused_id(), "txtFreq")
        self.assertEqual(self.js("return [...document.querySelectorAll('.list-tools button')]"
                                 ".filter(b => !b.disabled).length"), 0)
        self.calculate()
        self.assertIsNone(self.js("return document.documentElement.dataset.ready ?? null"))
        self.assertEqual(self.lines("lstValues"), [])
        gate.set()
        self.wait_ready()
        wait_for(lambda: self.lines("lstValues") == E.DEFAULT_RESULTS, what="the press's results")
        self.assertEqual(self.lines("lstSweep"), E.DEFAULT_SWEEP)


class ModuleServedAsBytes(PageTest):
    """A host that serves the module without WebAssembly's type: it is compiled
    once it has arrived, and calculates."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.server.types[".wasm"] = "application/octet-stream"

    def test_a_module_served_as_bytes_still_calculates(self):
        self.open_page()
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)


class LoadAndCalculate(PageTest):
    def setUp(self):
        self.open_page()

    def test_load_shows_defaults_with_the_frequency_focused_and_selected_and_empty_lists(self):
        self.assertEqual(self.field_values(), E.DEFAULT_FIELDS)
        self.assertEqual(self.focused_id(), "txtFreq")
        self.assertEqual(self.js("const f = document.activeElement; return [f.selectionStart, f.selectionEnd]"),
                         [0, len("7.07")])
        self.assertEqual(self.lines("lstValues"), [])
        self.assertEqual(self.lines("lstSweep"), [])
        self.assertEqual(self.js("return document.querySelectorAll('[role=option]').length"), 0)

    def test_fields_take_decimal_input(self):
        self.assertEqual(self.js("return ['txtFreq','txtResDia','txtCoilDia','txtTPI']"
                                 ".map(id => document.getElementById(id).inputMode)"), ["decimal"] * 4)

    def test_defaults_give_the_six_results_and_the_sweep_with_the_centre_row_selected(self):
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertEqual(self.lines("lstSweep"), E.DEFAULT_SWEEP)
        self.assertEqual(self.selected_rows("lstSweep"), [12])
        self.assertEqual(self.selected_rows("lstValues"), [])

    def test_calculate_finishes_inside_the_click(self):
        outcome = self.js("""
            document.getElementById('cmdGo').click();
            return [document.querySelectorAll('#lstValues > [role=option]').length,
                    document.querySelectorAll('#lstSweep > [role=option]').length,
                    document.querySelector('#lstSweep > [aria-selected=true]')?.id];
        """)
        self.assertEqual(outcome, [6, 23, "lstSweep-12"])

    def test_worked_design_gives_twenty_rows_from_its_first_to_its_last(self):
        self.set_fields(*E.WORKED_FIELDS)
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.WORKED_RESULTS)
        sweep = self.lines("lstSweep")
        self.assertEqual(len(sweep), 2 + 20)
        self.assertEqual(sweep[:2], E.HEADER)
        self.assertEqual([sweep[2], sweep[12], sweep[-1]],
                         [E.WORKED_FIRST_ROW, E.WORKED_CENTRE_ROW, E.WORKED_LAST_ROW])
        self.assertEqual(self.selected_rows("lstSweep"), [12])

    def test_calculating_again_replaces_the_lines_and_selects_the_centre_again(self):
        self.calculate()
        self.element("lstSweep-3").click()
        self.assertEqual(self.selected_rows("lstSweep"), [3])
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertEqual(len(self.lines("lstSweep")), len(E.DEFAULT_SWEEP))
        self.assertEqual(self.selected_rows("lstSweep"), [12])

    def test_centre_row_is_scrolled_into_view(self):
        self.set_fields("3.6", "30", "40", "6")
        self.calculate()
        self.js("document.getElementById('lstSweep').scrollTop = 0")
        self.set_fields(*E.DEFAULT_FIELDS)
        self.calculate()
        inside = self.js("""
            const list = document.getElementById('lstSweep').getBoundingClientRect();
            const row = document.getElementById('lstSweep-12').getBoundingClientRect();
            return row.top >= list.top && row.bottom <= list.bottom;
        """)
        self.assertTrue(inside)

    def test_enter_in_a_field_calculates(self):
        self.element("txtTPI").send_keys(Keys.ENTER)
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertEqual(self.focused_id(), "txtTPI")

    def test_keyboard_alone_reaches_every_control_with_a_visible_focus_ring(self):
        visited = []
        for _ in range(12):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            visited.append(self.focused_id())
            ring = self.js("const s = getComputedStyle(document.activeElement);"
                           "return [s.outlineStyle, parseFloat(s.outlineWidth)]")
            self.assertNotEqual(ring[0], "none", visited[-1])
            self.assertGreaterEqual(ring[1], 2, visited[-1])
            if visited[-1] == "lstSweep":
                break
        self.assertEqual(visited[:4], ["txtResDia", "txtCoilDia", "txtTPI", "cmdGo"])
        self.assertIn("lstValues", visited)
        self.assertEqual(visited[-1], "lstSweep")
        self.element("cmdGo").send_keys(Keys.SPACE)
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)

    def test_arrow_keys_move_the_selection_in_a_list(self):
        self.calculate()
        sweep = self.element("lstSweep")
        sweep.send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.selected_rows("lstSweep"), [13])
        sweep.send_keys(Keys.ARROW_UP, Keys.ARROW_UP)
        self.assertEqual(self.selected_rows("lstSweep"), [11])
        sweep.send_keys(Keys.END)
        self.assertEqual(self.selected_rows("lstSweep"), [len(E.DEFAULT_SWEEP) - 1])
        self.assertEqual(sweep.get_attribute("aria-activedescendant"), f"lstSweep-{len(E.DEFAULT_SWEEP) - 1}")
        values = self.element("lstValues")
        values.send_keys(Keys.HOME)
        self.assertEqual(self.selected_rows("lstValues"), [0])

    def test_lists_keep_their_blanks_in_a_fixed_pitch_font(self):
        self.calculate()
        styles = self.js("""
            const row = getComputedStyle(document.getElementById('lstSweep-2'));
            const probe = document.createElement('span');
            probe.style.font = row.font;
            document.body.append(probe);
            probe.textContent = 'iiiiiiiiii'; const narrow = probe.getBoundingClientRect().width;
            probe.textContent = 'MMMMMMMMMM'; const wide = probe.getBoundingClientRect().width;
            probe.remove();
            return [row.whiteSpace, getComputedStyle(document.getElementById('lstValues-0')).whiteSpace,
                    Math.abs(narrow - wide) < 0.5];
        """)
        self.assertEqual(styles, ["pre", "pre", True])

    def test_chart_follows_the_sweep_with_a_text_alternative(self):
        self.calculate()
        label = wait_for(lambda: self.js(
            "const svg = document.querySelector('#sweepChart svg');"
            "return svg && svg.getAttribute('role') + '|' + svg.getAttribute('aria-label')"),
            what="the chart")
        role, text = label.split("|", 1)
        self.assertEqual(role, "img")
        for number in ("715.37", "620.87", "6.57", "7.57", "61.0", "52.0", "7.07", "664.78", "56.0"):
            self.assertIn(number, text)


class AddressAndHistory(PageTest):
    """What a design kept in the page's address asks of every engine: the page
    opened at an address with a query and a fragment, the address read back,
    and back and forward, the page ready to calculate after each step."""

    def test_query_and_fragment_are_kept_and_back_and_forward_return_to_them(self):
        first, second, third = (self.url + "?probe=1#first", self.url + "?probe=2#second",
                                self.url + "?probe=2#third")
        self.open_page("?probe=1#first")
        self.assertEqual(self.address(), first)
        self.open_page("?probe=2#second")
        self.open_page("?probe=2#third")  # the fragment alone changes
        self.go_back()
        self.assertEqual(self.address(), second)
        self.go_back()
        self.assertEqual(self.address(), first)
        self.go_forward()
        self.assertEqual(self.address(), second)
        self.set_fields(*E.DEFAULT_FIELDS)
        self.calculate()
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)

    def test_going_back_to_the_page_shows_a_design_in_the_fields(self):
        self.open_page("?probe=1")
        self.set_fields(*E.WORKED_FIELDS)
        self.calculate()
        self.open_page("?probe=2")
        self.go_back()
        self.assertIn(self.field_values(), [E.WORKED_FIELDS, E.DEFAULT_FIELDS])


class BrowserLanguage:
    """The browser's first language, as the page reads it, for a test class."""

    language = None

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source":
            "Object.defineProperty(navigator, 'languages', { get: () => [%r] });" % cls.language})
        cls.grant_clipboard()

    def setUp(self):
        self.open_page()

    def type_into(self, id_, text):
        field = self.element(id_)
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(text)

    def paste_into(self, id_, text):
        self.put_on_clipboard(text)
        self.element(id_).send_keys(Keys.CONTROL, "a")
        self.element(id_).send_keys(Keys.CONTROL, "v")


class DecimalCommaLanguage(BrowserLanguage, PageTest):
    language = "de-DE"

    def test_a_comma_typed_or_pasted_becomes_the_point_that_is_calculated(self):
        self.type_into("txtFreq", "7,07")
        self.assertEqual(self.element("txtFreq").get_property("value"), "7.07")
        self.paste_into("txtResDia", "25,4")
        wait_for(lambda: self.element("txtResDia").get_property("value") == "25.4",
                 what="the pasted comma as the point")
        self.calculate()
        self.assertFalse(self.dialog_open("dlgError"))
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
        self.assertEqual(self.lines("lstSweep"), E.DEFAULT_SWEEP)
        self.assertEqual(self.selected_rows("lstSweep"), [12])

    def test_the_caret_stays_where_the_comma_was_typed(self):
        self.type_into("txtCoilDia", "34925")
        self.js("document.getElementById('txtCoilDia').setSelectionRange(2, 2)")
        self.element("txtCoilDia").send_keys(",")
        self.assertEqual(self.element("txtCoilDia").get_property("value"), "34.925")
        self.assertEqual(self.js("const f = document.getElementById('txtCoilDia');"
                                 "return [f.selectionStart, f.selectionEnd]"), [3, 3])

    def test_a_pasted_comma_the_core_does_not_read_as_a_decimal_stays(self):
        self.paste_into("txtTPI", "1,000.5")
        wait_for(lambda: self.element("txtTPI").get_property("value") != "8.66", what="the paste")
        self.assertEqual(self.element("txtTPI").get_property("value"), "1,000.5")


class GroupingCommaLanguage(BrowserLanguage, PageTest):
    language = "en-US"

    def test_a_comma_stays_as_typed_and_gets_the_words_for_it(self):
        self.type_into("txtFreq", "7,07")
        self.assertEqual(self.element("txtFreq").get_property("value"), "7,07")
        self.calculate()
        self.assertTrue(self.dialog_open("dlgError"))
        message = self.js("return document.getElementById('dlgError-message').textContent")
        self.assertTrue(message.startswith(E.ERRORS[2][2]), message)


class Errors(PageTest):
    def setUp(self):
        self.open_page()
        self.calculate()

    def test_every_error_class(self):
        for name, fields, sentence, error_line, focus, values, sweep, close in E.ERRORS:
            with self.subTest(name):
                self.set_fields(*E.DEFAULT_FIELDS)
                self.calculate()
                self.set_fields(*fields)
                self.calculate()
                self.assertTrue(self.dialog_open("dlgError"))
                self.assertTrue(self.js("return document.getElementById('dlgError').matches(':modal')"))
                self.assertEqual(self.element("dlgError").get_attribute("role"), "alertdialog")
                self.assertEqual(self.element("dlgError-caption").text, "Zephyrod Metric Calculator")
                message = self.js("return document.getElementById('dlgError-message').textContent")
                self.assertTrue(message.startswith(sentence), message)
                self.assertEqual(message.split("\n")[-1], error_line)
                self.assertEqual(self.focused_id(), "dlgError-cmdOK")
                if close == "ok":
                    self.element("dlgError-cmdOK").click()
                else:
                    self.element("dlgError-cmdOK").send_keys(Keys.ESCAPE)
                self.wait_closed("dlgError")
                wait_for(lambda: self.focused_id() == focus, what=f"the focus on {focus}")
                if focus != "cmdGo":
                    selection = self.js("const f = document.activeElement;"
                                        "return [f.selectionStart, f.selectionEnd, f.value.length]")
                    self.assertEqual(selection[:2], [0, selection[2]])
                self.assertEqual(self.field_values(), fields)
                if values is None:
                    self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)
                    self.assertEqual(self.lines("lstSweep"), E.DEFAULT_SWEEP)
                else:
                    self.assertEqual(len(self.lines("lstValues")), values)
                    self.assertEqual(self.lines("lstSweep")[:2], E.HEADER)
                    self.assertEqual(len(self.lines("lstSweep")), sweep)
                # The page works on: the defaults calculate again.
                self.set_fields(*E.DEFAULT_FIELDS)
                self.calculate()
                self.assertFalse(self.dialog_open("dlgError"))
                self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)


if __name__ == "__main__":
    unittest.main()
