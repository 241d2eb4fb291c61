// What the calculator shows for its default design (7.07 MHz, 25.4 mm,
// 34.925 mm, 8.66 turns/cm): the six result lines and the sweep table, line
// for line. Shared by the tests of the core, the headless calculator and the
// main window.
#pragma once

#include <string>
#include <vector>

namespace zephyrod::testdata {

inline const std::vector<std::string> kDefaultResults = {
    "Resonator Length = 664.78 mm",     "Counterpoise Length = 8.20 M",
    "Resonator Capacitance = 10.78 pF", "Required Inductance = 46.90 uH",
    "Number of Coil Turns = 56.0",      "Coil Length = 65 mm",
};

inline const std::vector<std::string> kDefaultSweep = {
    "Freq     Resonator     Turns          Delta",
    "----     ---------     -----     ---------------",
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
};

}  // namespace zephyrod::testdata
