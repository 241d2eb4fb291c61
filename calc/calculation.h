// The calculation behind the Calculate button: from the four input texts to
// the six result lines and the frequency sweep table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_error.h"
#include "input_fields.h"
#include "sweep_layout.h"

namespace zephyrod {

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

// The two lists as a calculation leaves them.
struct ResultLists {
    std::vector<std::string> values;  // the six result lines
    std::vector<SweepRow> rows;       // the sweep rows, column by column

    // The sweep list's lines: the two header lines, then one line per row.
    std::vector<std::string> SweepLines() const;
};

// What one calculation gives: both lists, when they are to be replaced (a
// fault in the sweep still gives the results and the rows before it), and
// the fault that ended it, if any. Without a fault the sweep is complete and
// its centre row is selected.
struct CalcResult {
    std::optional<ResultLists> lists;
    std::optional<CalcError> error;
};

// Reads one field's text as a single-precision number; the error names the field.
float ReadField(InputField field, std::string_view text);
// Reads the four fields in order.
Inputs ReadInputs(const InputTexts& texts);

DesignPoint CentreDesign(const Inputs& inputs);
std::vector<std::string> ResultLines(const Inputs& inputs, const DesignPoint& centre);

// Appends one row per frequency from kSweepHalfSpan below to kSweepHalfSpan
// above the centre, kSweepStep apart. On a fault the rows so far stay in `rows`.
void AppendSweepRows(const Inputs& inputs, const DesignPoint& centre, std::vector<SweepRow>& rows);
std::string SweepLine(const SweepRow& row);

// The whole calculation; never throws a CalcError, it reports it in the result.
CalcResult Calculate(const InputTexts& texts);

}  // namespace zephyrod
