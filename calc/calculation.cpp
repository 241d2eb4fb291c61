#include "calculation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "antenna_model.h"
#include "number_text.h"

namespace zephyrod {
namespace {

// The length of the well-formed UTF-8 character at the start of `text`, or
// 0 where its bytes are not one.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= smallest[length] && code <= 0x10FFFF && !surrogate ? length : 0;
}

// The text as a message can show it on one line: a byte that is not part of
// a UTF-8 character, and a control character (a line break, a tab), becomes
// the replacement character.
std::string Printable(std::string_view text) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string shown;
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        const auto first = static_cast<unsigned char>(text[0]);
        if (length == 0 || first < 0x20 || first == 0x7F) {
            shown += kReplacement;
            text.remove_prefix(length == 0 ? 1 : length);
        } else {
            shown += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return shown;
}

std::string Quoted(std::string_view typed) {
    const std::string printable = Printable(typed);
    const std::string_view text = printable;
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
    return NumberText(FieldInfo(field).defaultValue);
}

// Whether the text is a number written with a comma for the decimal point.
bool IsCommaDecimal(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
        return false;
    }
    std::string withPoint(text);
    withPoint[comma] = '.';
    try {
        ParseDouble(withPoint);
        return true;
    } catch (const CalcError&) {
        return false;
    }
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
        detail += " The sweep starts " + halfSpan +
                  " MHz below the center frequency, so the center frequency must be above " +
                  halfSpan + " MHz.";
    } else if (f > f0) {
        detail += " The sweep runs to " + halfSpan +
                  " MHz above the center frequency, so the center frequency must stay " + halfSpan +
                  " MHz below that.";
    } else {
        detail += " The sweep starts " + halfSpan + " MHz below the center frequency.";
    }
    return detail;
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
        } else if (IsCommaDecimal(text)) {
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
            rows.push_back({FormatPattern(f, "#.00"), FormatPattern(len, "#.00"),
                            FormatPattern(turns, "#.0"),
                            FormatPattern(std::abs(len - centre.resonatorLength), "0.00"),
                            FormatPattern(std::abs(turns - centre.turns), "0.0")});
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
    const std::array<const std::string*, kSweepColumnEnds.size()> columns{
        &row.frequency, &row.resonatorLength, &row.turns, &row.lengthDelta, &row.turnsDelta};
    std::string line;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        line += *columns[column];
        line += kSweepColumnEnds[column];
    }
    return line;
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
