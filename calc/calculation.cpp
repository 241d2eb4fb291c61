#include "calculation.h"

#include <algorithm>
#include <cmath>

#include "antenna_model.h"
#include "number_text.h"

namespace zephyrod {
namespace {

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 32;
    std::size_t cut = std::min(kShown, text.size());
    // Cut before a UTF-8 continuation byte, never inside a character.
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    std::string shown(text.substr(0, cut));
    if (cut < text.size()) {
        shown += "...";
    }
    return "\"" + shown + "\"";
}

// The field's default text, as an example of what to type.
std::string ExampleFor(InputField field) {
    const InputTexts defaults = DefaultInputTexts();
    switch (field) {
        case InputField::Frequency:
            return defaults.frequency;
        case InputField::ResonatorDiameter:
            return defaults.resonatorDiameter;
        case InputField::CoilDiameter:
            return defaults.coilDiameter;
        case InputField::TurnsPerCm:
            break;
    }
    return defaults.turnsPerCm;
}

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

InputTexts DefaultInputTexts() {
    return {NumberText(kDefaultFrequency), NumberText(kDefaultResonatorDiameter),
            NumberText(kDefaultCoilDiameter), NumberText(kDefaultTurnsPerCm)};
}

std::string_view FieldCaption(InputField field) {
    switch (field) {
        case InputField::Frequency:
            return "Center Frequency";
        case InputField::ResonatorDiameter:
            return "Resonator Diameter";
        case InputField::CoilDiameter:
            return "Coil Diameter";
        case InputField::TurnsPerCm:
            break;
    }
    return "Coil Turns Per cm";
}

float ReadField(InputField field, std::string_view text) {
    try {
        return ParseSingle(text);
    } catch (const CalcError& error) {
        std::string detail(FieldCaption(field));
        if (error.number() == ErrorNumber::Overflow) {
            detail += " " + Quoted(text) +
                      " is too large a number: a field holds numbers up to about 3.4 x 10^38.";
        } else if (IsBlankText(text)) {
            detail += " is empty: type a number, such as ";
            detail += ExampleFor(field);
            detail += ".";
        } else {
            detail += " " + Quoted(text) +
                      " is not a number: type digits with an optional point, such as ";
            detail += ExampleFor(field);
            detail += ".";
        }
        throw CalcError(error.number(), detail);
    }
}

Inputs ReadInputs(const InputTexts& texts, InputField* failed) {
    const auto read = [failed](InputField field, std::string_view text) {
        if (failed != nullptr) {
            *failed = field;
        }
        return ReadField(field, text);
    };
    Inputs inputs{};
    inputs.frequency = read(InputField::Frequency, texts.frequency);
    inputs.resonatorDiameter = read(InputField::ResonatorDiameter, texts.resonatorDiameter);
    inputs.coilDiameter = read(InputField::CoilDiameter, texts.coilDiameter);
    inputs.turnsPerCm = read(InputField::TurnsPerCm, texts.turnsPerCm);
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
    const double start = f0 - 0.5;
    const double end = f0 + 0.5;
    const double step = 0.05;
    for (double f = start; f <= end;) {
        try {
            const double len = ResonatorLength(f);
            const double c = ResonatorCapacitance(len, in.resonatorDiameter);
            const double l = RequiredInductance(f, c);
            const double turns = CoilTurns(l, in.coilDiameter, in.turnsPerCm);
            rows.push_back({FormatPattern(f, "#.00"), FormatPattern(len, "#.00"),
                            FormatPattern(turns, "#.0"),
                            FormatPattern(std::abs(len - centre.resonatorLength), "0.00"),
                            FormatPattern(std::abs(turns - centre.turns), "0.0")});
        } catch (const CalcError& error) {
            std::string detail =
                "In the sweep at " + FormatPattern(f, "0.00") + " MHz: " + error.detail();
            if (f <= 0) {
                detail +=
                    " The sweep starts 0.5 MHz below the centre frequency, so the centre "
                    "frequency must be above 0.5 MHz.";
            } else if (f > f0) {
                detail +=
                    " The sweep runs to 0.5 MHz above the centre frequency, so the centre "
                    "frequency must stay 0.5 MHz below that.";
            } else {
                detail += " The sweep starts 0.5 MHz below the centre frequency.";
            }
            throw CalcError(error.number(), detail);
        }
        const double next = f + step;
        if (next == f) {
            Raise(ErrorNumber::Overflow,
                  "The centre frequency is too large for the sweep: a step of 0.05 MHz no "
                  "longer changes it. It must stay below 562949953421312 MHz.");
        }
        f = next;
    }
}

std::string SweepLine(const SweepRow& row) {
    return row.frequency + "      " + row.resonatorLength + "mm     " + row.turns + "       " +
           row.lengthDelta + "mm   " + row.turnsDelta + " T";
}

CalcResult Calculate(const InputTexts& texts) {
    CalcResult result;
    InputField reading = InputField::Frequency;
    Inputs inputs{};
    try {
        inputs = ReadInputs(texts, &reading);
    } catch (const CalcError& error) {
        result.error = error;
        result.unreadableField = reading;
        return result;
    }
    try {
        const DesignPoint centre = CentreDesign(inputs);
        result.values = ResultLines(inputs, centre);
        result.listsReplaced = true;
        try {
            AppendSweepRows(inputs, centre, result.rows);
            result.selectIndex = kCentreRowIndex;
        } catch (const CalcError& error) {
            result.error = error;  // the rows so far stay in the table
        }
        result.sweep = {std::string(kSweepHeader), std::string(kSweepRule)};
        for (const SweepRow& row : result.rows) {
            result.sweep.push_back(SweepLine(row));
        }
    } catch (const CalcError& error) {
        result.error = error;
    }
    return result;
}

}  // namespace zephyrod
