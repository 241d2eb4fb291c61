// The calculation behind the Calculate button: from the four input texts to
// the six result lines and the frequency sweep table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_error.h"

namespace zephyrod {

// The fields' default values: 7.07 MHz, 25.4 mm, 34.925 mm, 8.66 turns/cm.
inline constexpr double kDefaultFrequency = 7.07;
inline constexpr double kDefaultResonatorDiameter = 25.4;
inline constexpr double kDefaultCoilDiameter = 34.925;
inline constexpr double kDefaultTurnsPerCm = 8.66;

// The four input fields, as the user typed them.
struct InputTexts {
    std::string frequency;          // Center Frequency, MHz
    std::string resonatorDiameter;  // Resonator Diameter, mm
    std::string coilDiameter;       // Coil Diameter, mm
    std::string turnsPerCm;         // Coil Turns Per cm
};

// The default values as the fields show them ("7.07", "25.4", "34.925", "8.66").
InputTexts DefaultInputTexts();

// The four fields, in the order they are read.
enum class InputField { Frequency, ResonatorDiameter, CoilDiameter, TurnsPerCm };

// A field's caption in the window, e.g. "Center Frequency".
std::string_view FieldCaption(InputField field);

// The inputs as numbers, each single precision.
struct Inputs {
    float frequency;
    float resonatorDiameter;
    float coilDiameter;
    float turnsPerCm;
};

// The model's values at the centre frequency (the two lengths are single
// precision there).
struct DesignPoint {
    float resonatorLength;     // mm
    float counterpoiseLength;  // m
    double capacitance;        // pF
    double inductance;         // µH
    double turns;
};

// One row of the sweep table, each column as printed.
struct SweepRow {
    std::string frequency;
    std::string resonatorLength;
    std::string turns;
    std::string lengthDelta;
    std::string turnsDelta;
};

inline constexpr std::string_view kSweepHeader = "Freq     Resonator     Turns          Delta";
inline constexpr std::string_view kSweepRule = "----     ---------     -----     ---------------";
inline constexpr int kCentreRowIndex = 12;

// What one calculation leaves in the two lists.
struct CalcResult {
    // False when the calculation failed before its results: both lists keep
    // what they held. True when both lists are to be replaced by the lines below.
    bool listsReplaced = false;
    std::vector<std::string> values;  // the six result lines
    std::vector<std::string> sweep;   // the two header lines, then one line per row
    std::vector<SweepRow> rows;       // the sweep rows, column by column
    int selectIndex = -1;             // the entry to select: the centre row, or -1 after a fault
    std::optional<CalcError> error;   // the fault that ended the calculation, if any
    // The field whose text is not a number (or too large), after such a fault.
    std::optional<InputField> unreadableField;
};

// Reads one field's text as a single-precision number; the error names the field.
float ReadField(InputField field, std::string_view text);
// Reads the four fields in order; `failed`, if given, is left naming the field
// being read when a text does not convert.
Inputs ReadInputs(const InputTexts& texts, InputField* failed = nullptr);

DesignPoint CentreDesign(const Inputs& inputs);
std::vector<std::string> ResultLines(const Inputs& inputs, const DesignPoint& centre);

// Appends one row per frequency from 0.5 MHz below to 0.5 MHz above the
// centre, 0.05 MHz apart. On a fault the rows so far stay in `rows`.
void AppendSweepRows(const Inputs& inputs, const DesignPoint& centre, std::vector<SweepRow>& rows);
std::string SweepLine(const SweepRow& row);

// The whole calculation; never throws a CalcError, it reports it in the result.
CalcResult Calculate(const InputTexts& texts);

}  // namespace zephyrod
