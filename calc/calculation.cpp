#include "calculation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "antenna_model.h"
#include "number_text.h"
#include "sweep_words.h"
#include "typed_text.h"

namespace zephyrod {
namespace {

// The field's default text, as an example of what to type.
std::string ExampleFor(InputField field) {
    return NumberText(FieldInfo(field).defaultValue);
}

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// What a fault at frequency f of the sweep around f0 means for the centre
// frequency, after the fault's own detail.
std::string SweepFaultDetail(double f, double f0, const std::string& faultDetail) {
    const std::string halfSpan = NumberText(kSweepHalfSpan);
    std::string detail = "In the sweep at " + FormatPattern(f, "0.00") + " MHz: " + faultDetail;
    if (f <= 0) {
        detail += " " + SweepStartsBelow() + ", so the center frequency must be above " + halfSpan +
                  " MHz.";
    } else if (f > f0) {
        detail += " " + SweepRunsAbove("the center frequency") +
                  ", so the center frequency must stay " + halfSpan + " MHz below that.";
    } else {
        detail += " " + SweepStartsBelow() + ".";
    }
    return detail;
}

// A sweep row from its values, each printed under its column's pattern.
SweepRow MakeSweepRow(const std::array<double, kSweepColumnCount>& values) {
    SweepRow row{values, {}};
    for (std::size_t column = 0; column < kSweepColumnCount; ++column) {
        row.pieces[column] = FormatPattern(values[column], kSweepColumns[column].pattern);
    }
    return row;
}

}  // namespace

InputTexts DefaultInputTexts() {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = NumberText(info.defaultValue);
    }
    return texts;
}

float ReadField(InputField field, std::string_view text) {
    try {
        return ParseSingle(text);
    } catch (const CalcError& error) {
        const std::string caption(FieldInfo(field).caption);
        const std::string example = ExampleFor(field);
        std::string detail;
        if (error.number() == ErrorNumber::Overflow) {
            detail = caption + " " + Quoted(text) +
                     " is too large a number for the calculator: type a smaller one, such as " +
                     example + ".";
        } else if (IsBlankText(text)) {
            detail = caption + " is empty: type a number, such as " + example + ".";
        } else if (WithDecimalPoint(text)) {
            detail = caption + " " + Quoted(text) +
                     " has a comma: use a point for decimals, as in " + example + ".";
        } else {
            detail = caption + " " + Quoted(text) +
                     " is not a number: type digits with an optional point, such as " + example +
                     ".";
        }
        throw CalcError(error.number(), detail, field);
    }
}

Inputs ReadInputs(const InputTexts& texts) {
    const auto read = [&texts](InputField field) { return ReadField(field, TextOf(texts, field)); };
    Inputs inputs{};
    inputs.frequency = read(InputField::Frequency);
    inputs.resonatorDiameter = read(InputField::ResonatorDiameter);
    inputs.coilDiameter = read(InputField::CoilDiameter);
    inputs.turnsPerCm = read(InputField::TurnsPerCm);
    return inputs;
}

DesignPoint CentreDesign(const Inputs& in) {
    using namespace Module1;
    DesignPoint p{};
    p.resonatorLength = ResonatorLength(in.frequency);
    p.counterpoiseLength = CounterpoiseLength(in.frequency);
    p.capacitance = ResonatorCapacitance(p.resonatorLength, in.resonatorDiameter);
    p.inductance = RequiredInductance(in.frequency, p.capacitance);
    p.turns = CoilTurns(p.inductance, in.coilDiameter, in.turnsPerCm);
    return p;
}

std::vector<std::string> ResultLines(const Inputs& in, const DesignPoint& p) {
    // The coil length in cm goes through one decimal of text, then to whole mm.
    const double lengthCm = p.turns / static_cast<double>(in.turnsPerCm);
    const double coilLengthMm = 10 * ParseDouble(FormatPattern(lengthCm, "#.0"));
    return {
        "Resonator Length = " + FormatPattern(p.resonatorLength, "#.00") + " mm",
        "Counterpoise Length = " + FormatPattern(p.counterpoiseLength, "#.00") + " M",
        "Resonator Capacitance = " + FormatPattern(p.capacitance, "#.00") + " pF",
        "Required Inductance = " + FormatPattern(p.inductance, "#.00") + " uH",
        "Number of Coil Turns = " + FormatPattern(p.turns, "#.0"),
        "Coil Length = " + NumberText(coilLengthMm) + " mm",
    };
}

void AppendSweepRows(const Inputs& in, const DesignPoint& centre, std::vector<SweepRow>& rows) {
    using namespace Module1;
    const double f0 = in.frequency;
    const double end = f0 + kSweepHalfSpan;
    for (double f = f0 - kSweepHalfSpan; f <= end;) {
        try {
            const double len = ResonatorLength(f);
            const double c = ResonatorCapacitance(len, in.resonatorDiameter);
            const double l = RequiredInductance(f, c);
            const double turns = CoilTurns(l, in.coilDiameter, in.turnsPerCm);
            rows.push_back(MakeSweepRow({f, len, turns, std::abs(len - centre.resonatorLength),
                                         std::abs(turns - centre.turns)}));
        } catch (const CalcError& error) {
            // A fault in the sweep concerns the design as a whole, not one field.
            throw CalcError(error.number(), SweepFaultDetail(f, f0, error.detail()));
        }
        const double next = f + kSweepStep;
        if (next == f) {
            Raise(ErrorNumber::Overflow,
                  "The center frequency is too large for the sweep: a step of " +
                      NumberText(kSweepStep) + " MHz no longer changes it. It must stay below " +
                      IntegerText(kLargestSweepCentre) + " MHz.");
        }
        f = next;
    }
}

std::string SweepLine(const SweepRow& row) {
    std::string line;
    for (std::size_t column = 0; column < kSweepColumnCount; ++column) {
        line += row.pieces[column];
        line += kSweepColumns[column].end;
    }
    return line;
}

namespace {

// A CSV field, quoted only where RFC 4180 requires it.
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string CsvLine(const std::array<std::string_view, kSweepColumnCount>& fields) {
    std::string line;
    for (const std::string_view field : fields) {
        if (!line.empty()) {
            line += ',';
        }
        line += CsvField(field);
    }
    return line + "\r\n";
}

}  // namespace

std::string SweepCsv(const std::vector<SweepRow>& rows) {
    std::array<std::string_view, kSweepColumnCount> fields;
    for (std::size_t column = 0; column < kSweepColumnCount; ++column) {
        fields[column] = kSweepColumns[column].csvTitle;
    }
    std::string text = CsvLine(fields);
    for (const SweepRow& row : rows) {
        std::copy(row.pieces.begin(), row.pieces.end(), fields.begin());
        text += CsvLine(fields);
    }
    return text;
}

std::vector<std::string> ResultLists::SweepLines() const {
    std::vector<std::string> lines{std::string(kSweepHeader), std::string(kSweepRule)};
    for (const SweepRow& row : rows) {
        lines.push_back(SweepLine(row));
    }
    return lines;
}

CalcResult Calculate(const InputTexts& texts) {
    CalcResult result;
    try {
        const Inputs inputs = ReadInputs(texts);
        const DesignPoint centre = CentreDesign(inputs);
        std::vector<std::string> values = ResultLines(inputs, centre);
        ResultLists& lists = result.lists.emplace();
        lists.values = std::move(values);
        AppendSweepRows(inputs, centre, lists.rows);  // on a fault the rows so far stay
    } catch (const CalcError& error) {
        result.error = error;
    }
    return result;
}

}  // namespace zephyrod
