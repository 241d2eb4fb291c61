"""Print: the browser's Print makes one sheet, A4 or Letter, with the four
fields' values, the six results, every sweep row with all its columns and
the chart, and none of the menu, the buttons, the dialogs or the help (the
sheet made by Chromium's own printing, read back with poppler's pdfinfo and
pdftotext)."""

import base64
import re
import subprocess
import tempfile
import unittest
from pathlib import Path

import expected as E
from page_session import PageTest

SHEETS = {"A4": (8.27, 11.69), "Letter": (8.5, 11)}


class Printing:
    """The sheets, for a layout and a colour scheme given by the class that mixes it in."""

    def setUp(self):
        self.open_page()
        self.calculate()
        # The help and the about box open: neither may reach the sheet.
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        self.element("mnuHelp").click()
        self.element("mnuAbout").click()

    def printed(self, width, height):
        """The sheets' count and their text, laid out as printed."""
        pdf = self.browser.cdp("Page.printToPDF", {"paperWidth": width, "paperHeight": height})["data"]
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / "page.pdf"
            path.write_bytes(base64.b64decode(pdf))
            info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
            text = subprocess.run(["pdftotext", "-layout", path, "-"],
                                  capture_output=True, text=True, check=True).stdout
        return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1)), text

    def test_one_sheet_with_the_fields_results_every_sweep_row_and_the_chart(self):
        for name, (width, height) in SHEETS.items():
            with self.subTest(sheet=name):
                pages, text = self.printed(width, height)
                self.assertEqual(pages, 1)
                # Lines as printed, each run of blanks as one.
                printed = [" ".join(line.split()) for line in text.splitlines()]
                contains = lambda words: any(" ".join(words.split()) in line for line in printed)
                missing = [line for line in E.DEFAULT_RESULTS + E.DEFAULT_SWEEP if not contains(line)]
                self.assertEqual(missing, [])
                for value, unit in zip(E.DEFAULT_FIELDS, ["MHz", "mm", "mm", ""]):
                    self.assertTrue(contains(f"{value} {unit}"), value)
                # The chart: its frequency scale's last mark.
                self.assertTrue(contains("7.57 MHz"))
                for word in ("Calculate", "Copy All", "Help", "About"):
                    self.assertNotRegex(text, rf"\b{word}\b")


class WideLight(Printing, PageTest):
    pass


class PhoneDark(Printing, PageTest):
    width, height, scale, mobile = 360, 740, 3, True
    scheme = "dark"


if __name__ == "__main__":
    unittest.main()
