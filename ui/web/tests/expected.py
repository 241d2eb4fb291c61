"""What the page must show, line for line: the default design and a worked
design with no rounding ties, and every class of error with its words."""

DEFAULT_FIELDS = ["7.07", "25.4", "34.925", "8.66"]

DEFAULT_RESULTS = [
    "Resonator Length = 664.78 mm",
    "Counterpoise Length = 8.20 M",
    "Resonator Capacitance = 10.78 pF",
    "Required Inductance = 46.90 uH",
    "Number of Coil Turns = 56.0",
    "Coil Length = 65 mm",
]

HEADER = [
    "Freq     Resonator     Turns          Delta",
    "----     ---------     -----     ---------------",
]

DEFAULT_SWEEP = HEADER + [
    "6.57      715.37mm     61.0       50.59mm   5.0 T",
    "6.62      709.97mm     60.5       45.19mm   4.5 T",
    "6.67      704.65mm     60.0       39.87mm   4.0 T",
    "6.72      699.40mm     59.5       34.62mm   3.5 T",
    "6.77      694.24mm     59.0       29.46mm   3.0 T",
    "6.82      689.15mm     58.5       24.37mm   2.5 T",
    "6.87      684.13mm     58.0       19.35mm   2.0 T",
    "6.92      679.19mm     57.5       14.41mm   1.5 T",
    "6.97      674.32mm     57.0       9.54mm   1.0 T",
    "7.02      669.52mm     56.5       4.73mm   0.5 T",
    "7.07      664.78mm     56.0       0.00mm   0.0 T",
    "7.12      660.11mm     55.5       4.67mm   0.5 T",
    "7.17      655.51mm     55.0       9.27mm   1.0 T",
    "7.22      650.97mm     54.5       13.81mm   1.5 T",
    "7.27      646.49mm     54.5       18.29mm   1.5 T",
    "7.32      642.08mm     54.0       22.70mm   2.0 T",
    "7.37      637.72mm     53.5       27.06mm   2.5 T",
    "7.42      633.42mm     53.0       31.36mm   3.0 T",
    "7.47      629.18mm     52.5       35.60mm   3.5 T",
    "7.52      625.00mm     52.0       39.78mm   4.0 T",
    "7.57      620.87mm     52.0       43.91mm   4.0 T",
]

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
