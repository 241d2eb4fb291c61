"""bench/window-start-and-sizes, run once (one start of each window) on this
build's edition, writing into a copy of the README's marked block:

    window_start_and_sizes_test.py EDITION BUILD
"""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parent.parent / "window-start-and-sizes"
EDITION, BUILD = sys.argv[1], sys.argv[2]
BEFORE = "## Windows\n\nThe table:\n\n<!-- bench:start -->\n"
AFTER = "<!-- bench:end -->\n\n## Web\n"
NUMBER = r"\d{1,3}(,\d{3})*"
BYTES = rf"`[^`]+`: {NUMBER} bytes( \({NUMBER} installed\))?"
SIZE_CELLS = {  # what the build's tests need is built; cpack's packages may not be
    "Window's program": BYTES + ", (statically linked|using Debian's Qt 6 libraries)",
    "Headless calculator": BYTES,
    "Installer / package": f"({BYTES}|`[^`]+`: not built)",
}
# A time is in ms, or in s with one decimal from a second on (a loaded
# machine can take that long for any of them).
TIME = r"\d+(\.\d)? m?s"
START_CELLS = {
    "linux": rf"{TIME} \(`xcalc`: {TIME}\)",
    "windows": rf"{TIME} \(Wine's `notepad.exe`: {TIME}; "
               rf"Wine's first start, its desktop included: {TIME}\)",
}
COLUMN = {"windows": 0, "linux": 1}


def run(readme, build=BUILD, check=True):
    return subprocess.run(
        [str(SCRIPT), "--runs", "1", "--readme", str(readme), "--edition", EDITION,
         f"--{EDITION}-build", str(build)] + (["--check"] if check else []),
        capture_output=True, text=True, timeout=240)


class WindowStartAndSizes(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.readme = Path(self.folder.name) / "README.md"

    def tearDown(self):
        self.folder.cleanup()

    def test_table_replaces_the_marked_block_only(self):
        self.readme.write_text(BEFORE + "the old table\n" + AFTER)
        result = run(self.readme)
        self.assertEqual(result.returncode, 0, result.stderr)
        text = self.readme.read_text()
        self.assertTrue(text.startswith(BEFORE) and text.endswith(AFTER), text)
        lines = text[len(BEFORE):-len(AFTER)].split("\n")
        self.assertRegex(lines[0], r"^Sizes and start times, measured on \d{4}-\d\d-\d\d at "
                         r"commit `[0-9a-f]{12}`.* on \d+ cores, .*\. "
                         r"`bench/window-start-and-sizes` wrote this table .*:$")
        self.assertEqual(lines[2],
                         "| | Windows edition (under Wine) | Linux edition | Web edition |")
        rows = {cells[0]: cells[1:] for cells in
                (line.strip("| ").split(" | ") for line in lines[4:] if line.startswith("| "))}
        self.assertEqual(list(rows), ["Window's program", "Headless calculator",
                                      "Installer / package", "Zip",
                                      "Start: launch to first window mapped, median of 1 "
                                      "(a reference window beside it)"])
        for title, pattern in SIZE_CELLS.items():
            self.assertRegex(rows[title][COLUMN[EDITION]], f"^{pattern}$", title)
        self.assertRegex(list(rows.values())[-1][COLUMN[EDITION]], f"^{START_CELLS[EDITION]}$")
        self.assertTrue(all(len(cells) == 3 for cells in rows.values()), rows)

    def test_file_without_markers_is_left_as_it_was(self):
        self.readme.write_text(BEFORE + AFTER.replace("end", "stop"))
        result = run(self.readme)
        self.assertEqual(result.returncode, 1)
        self.assertIn("needs one line <!-- bench:start --> and, after it, one line "
                      "<!-- bench:end -->", result.stderr)
        self.assertEqual(self.readme.read_text(), BEFORE + AFTER.replace("end", "stop"))

    def test_artefact_not_built_stops_it_naming_the_file(self):
        self.readme.write_text(BEFORE + AFTER)
        result = run(self.readme, build=self.folder.name, check=False)
        self.assertEqual(result.returncode, 1)
        program = "ZephyrodMetric.exe" if EDITION == "windows" else "ZephyrodMetric"
        self.assertIn(f"Not built (see bench/window-start-and-sizes --help):\n  "
                      f"{Path(self.folder.name).resolve()}/ui/", result.stderr)
        self.assertIn(f"/{program}\n", result.stderr)
        self.assertEqual(self.readme.read_text(), BEFORE + AFTER)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
