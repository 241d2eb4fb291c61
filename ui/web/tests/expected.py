"""What the page must show, line for line: the default design and a worked
design with no rounding ties, and every class of error with its words."""

import re
from pathlib import Path

DEFAULT_FIELDS = ["7.07", "25.4", "34.925", "8.66"]

def _table(name):
    """One of the default design's tables, as the core's tests hold them."""
    source = (Path(__file__).resolve().parents[3] / "calc" / "tests" / "default_design.h").read_text()
    body = re.search(name + r" = \{(.*?)\};", source, re.S).group(1)
    return re.findall(r'"((?:[^"\\]|\\.)*)"', body)


# The six result lines and the sweep table for the defaults, line for line.
DEFAULT_RESULTS = _table("kDefaultResults")
DEFAULT_SWEEP = _table("kDefaultSweep")
HEADER = DEFAULT_SWEEP[:2]

# 14.2 MHz, 20 mm, 30 mm, 11 turns/cm: 20 rows.
WORKED_FIELDS = ["14.2", "20", "30", "11"]
WORKED_RESULTS = [
    "Resonator Length = 330.99 mm",
    "Counterpoise Length = 4.08 M",
    "Resonator Capacitance = 6.46 pF",
    "Required Inductance = 19.40 uH",
    "Number of Coil Turns = 30.0",
    "Coil Length = 27 mm",
]
WORKED_FIRST_ROW = "13.70      343.07mm     31.0       12.08mm   1.0 T"
WORKED_CENTRE_ROW = "14.20      330.99mm     30.0       0.00mm   0.0 T"
WORKED_LAST_ROW = "14.65      320.82mm     29.0       10.17mm   1.0 T"

# 3.6 MHz, 30 mm, 40 mm, 6 turns/cm: rows of up to 53 characters
# ("3.10      1516.13mm     151.0       210.57mm   25.5 T").
LONG_ROWS_FIELDS = ["3.6", "30", "40", "6"]

DEFAULT_CSV_START = "freq_mhz,resonator_mm,turns,delta_mm,delta_turns\r\n6.57,715.37,61.0,50.59,5.0\r\n"
DEFAULT_CSV_CENTRE = "\r\n7.07,664.78,56.0,0.00,0.0\r\n"


def fields_with(index, text):
    fields = list(DEFAULT_FIELDS)
    fields[index] = text
    return fields


# Every class of error: the fields, the start of the plain sentence, the
# run-time error line, the control focused afterwards, how many lines each
# list holds afterwards (None: what the previous Calculate left), and the key
# that closes the box.
ERRORS = [
    ("empty", fields_with(3, ""),
     "Coil Turns Per cm is empty: type a number, such as 8.66.",
     "Run-time error 13: Type mismatch", "txtTPI", None, None, "ok"),
    ("not_a_number", fields_with(2, "abc"),
     'Coil Diameter "abc" is not a number',
     "Run-time error 13: Type mismatch", "txtCoilDia", None, None, "escape"),
    ("comma", fields_with(0, "7,07"),
     'Center Frequency "7,07" has a comma: use a point for decimals, as in 7.07.',
     "Run-time error 13: Type mismatch", "txtFreq", None, None, "ok"),
    ("emoji", fields_with(1, "25.4\U0001F4E1"),
     "Resonator Diameter ",
     "Run-time error 13: Type mismatch", "txtResDia", None, None, "escape"),
    ("ten_thousand_characters", fields_with(0, "7" * 10000),
     'Center Frequency "77777777777777777777777777777777..." is too large a number for the calculator',
     "Run-time error 6: Overflow", "txtFreq", None, None, "ok"),
    ("too_large", fields_with(1, "9" * 40),
     'Resonator Diameter "99999999999999999999999999999999..." is too large a number for the '
     "calculator: type a smaller one, such as 25.4.",
     "Run-time error 6: Overflow", "txtResDia", None, None, "ok"),
    ("zero_frequency", fields_with(0, "0"),
     "The frequency is 0 MHz; it must be above 0 MHz.",
     "Run-time error 11: Division by zero", "txtFreq", None, None, "escape"),
    ("zero_coil_diameter", fields_with(2, "0"),
     "The coil diameter must be above 0 mm.",
     "Run-time error 5: Invalid procedure call or argument", "txtCoilDia", None, None, "ok"),
    ("too_high_for_the_resonator", fields_with(0, "110"),
     "The frequency is too high for a resonator diameter of 25.4 mm: the frequency must be at "
     "most 106.3976 MHz.",
     "Run-time error 5: Invalid procedure call or argument", "txtFreq", None, None, "ok"),
    ("sweep_reaching_zero", fields_with(0, "0.5"),
     "In the sweep at 0.00 MHz: The frequency is 0 MHz; it must be above 0 MHz. The sweep "
     "starts 0.5 MHz below the center frequency, so the center frequency must be above 0.5 MHz.",
     "Run-time error 11: Division by zero", "cmdGo", 6, 2, "escape"),
    ("sweep_passing_the_limit", fields_with(0, "106.2"),
     "In the sweep at 106.40 MHz",
     "Run-time error 5: Invalid procedure call or argument", "cmdGo", 6, 2 + 14, "ok"),
]
