// The calculation behind the Calculate button: from the four input texts to
// the six result lines and the frequency sweep table.
#pragma once

#include <array>
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

// One row of the sweep table: its five values (MHz, mm, turns, mm, turns, in
// the order of SweepColumn) and each as printed; its line joins the printed
// pieces with the columns' ends.
struct SweepRow {
    std::array<double, kSweepColumnCount> values;
    std::array<std::string, kSweepColumnCount> pieces;

    double value(SweepColumn column) const { return values[static_cast<std::size_t>(column)]; }
    const std::string& piece(SweepColumn column) const {
        return pieces[static_cast<std::size_t>(column)];
    }
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
// The rows as CSV for a spreadsheet: a title line, then one line per row of
// its printed pieces, each line ended by CR LF.
std::string SweepCsv(const std::vector<SweepRow>& rows);

// The whole calculation; never throws a CalcError, it reports it in the result.
CalcResult Calculate(const InputTexts& texts);

}  // namespace zephyrod
