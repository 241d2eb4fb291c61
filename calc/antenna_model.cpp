#include "antenna_model.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model_faults.h"

namespace zephyrod::Module1 {
namespace {

using model_faults::Fault;

// a / b with the faults of the calculator's arithmetic: x / 0 is a division
// by zero, 0 / 0 and a result beyond the type's range are an overflow.
template <class T>
T Quotient(T a, T b, Fault zero, Fault range) {
    if (b == 0) {
        model_faults::Raise(zero, a == 0 ? std::optional(ErrorNumber::Overflow) : std::nullopt);
    }
    const T q = a / b;
    if (!std::isfinite(q)) {
        model_faults::Raise(range, ErrorNumber::Overflow);
    }
    return q;
}

double Finite(double value, Fault range) {
    if (!std::isfinite(value)) {
        model_faults::Raise(range, ErrorNumber::Overflow);
    }
    return value;
}

template <class T>
double Capacitance(T length, float diameter) {
    if (diameter < 0) {
        model_faults::Raise(Fault::NegativeResonatorDiameter);
    }
    if (diameter != 0 && length < 0) {
        model_faults::Raise(Fault::NegativeFrequency);
    }
    const T q = Quotient(length, static_cast<T>(diameter), Fault::ZeroResonatorDiameter,
                         Fault::ResonatorDiameterTooSmall);
    const double ratio = SlendernessOf(static_cast<double>(q));
    constexpr bool kSingle = sizeof(T) == sizeof(float);
    if (ratio < 1) {
        model_faults::RaiseFrequencyTooHigh(diameter, false, kSingle);
    }
    const double g = Log10(ratio);
    const double p = (static_cast<double>(length) * 19.1) * 0.001;
    if (g == 0) {
        model_faults::RaiseFrequencyTooHigh(diameter, true, kSingle);
    }
    return Quotient(p, g, Fault::CapacitanceRange, Fault::CapacitanceRange);
}

template <class T>
double Inductance(T f, double capacitance) {
    const T q = Quotient(static_cast<T>(159), f, Fault::ZeroFrequency, Fault::InductanceRange);
    const double square =
        Finite(static_cast<double>(q) * static_cast<double>(q), Fault::InductanceRange);
    return Quotient(square, capacitance, Fault::ZeroCapacitance, Fault::InductanceRange);
}

template <class T>
T CheckedResonatorLength(T f) {
    if (f == 0) {
        model_faults::Raise(Fault::ZeroFrequency);
    }
    const T length = ResonatorLengthOf(f);
    Finite(length, Fault::FrequencyNearZero);
    return length;
}

}  // namespace

float ResonatorLength(float f) {
    return CheckedResonatorLength(f);
}
double ResonatorLength(double f) {
    return CheckedResonatorLength(f);
}

float CounterpoiseLength(float f) {
    return Quotient(58.0f, f, Fault::ZeroFrequency, Fault::CounterpoiseRange);
}

double ResonatorCapacitance(float length, float diameter) {
    return Capacitance(length, diameter);
}
double ResonatorCapacitance(double length, float diameter) {
    return Capacitance(length, diameter);
}

double RequiredInductance(float f, double capacitance) {
    return Inductance(f, capacitance);
}
double RequiredInductance(double f, double capacitance) {
    return Inductance(f, capacitance);
}

double Log10(double x) {
    const double ln10 = std::log(10.0);
    if (!(x > 0)) {
        model_faults::Raise(Fault::LogarithmDomain);
    }
    return Quotient(std::log(x), ln10, Fault::LogarithmRange, Fault::LogarithmRange);
}

// The root in doubles: the search around it gives the same count as a root
// taken more precisely, and for the coil forms the fields can hold (single
// precision diameters and densities) where the quadratic's terms overflow a
// double the count is beyond counting either way. (A long double is software
// arithmetic in the page's WebAssembly.)
double CoilTurns(double inductance, double coilDiameter, double turnsPerCm) {
    return CoilTurnsFromRoot<double>(inductance, coilDiameter, turnsPerCm);
}

namespace {

// A coil form in Wheeler's units: its diameter and the pitch of a turn, in
// inches.
struct Winding {
    double d;
    double p;

    double Inductance(double n) const { return n == 0 ? 0.0 : WheelerInductance(n, d, p); }
};

Winding WindingOf(double coilDiameter, double turnsPerCm) {
    const double d = Finite(coilDiameter / 25.4, Fault::TurnsBeyondCounting);
    const double turnsPerInch = Finite(turnsPerCm * 2.54, Fault::TurnsBeyondCounting);
    const double p = Quotient(1.0, turnsPerInch, Fault::ZeroTurnsPerCm, Fault::TurnsBeyondCounting);
    if (!(coilDiameter > 0)) {
        model_faults::Raise(Fault::CoilDiameterNotPositive);
    }
    if (turnsPerCm < 0) {
        model_faults::Raise(Fault::NegativeTurnsPerCm);
    }
    return {d, p};
}

// L(n) = Lr is the quadratic D²n² - 40PLr·n - 18DLr = 0, whose positive
// root lies within a few half turns of where the half-turn search stops.
template <class Real>
Real WheelerRoot(const Winding& winding, double inductance) {
    const Real a = static_cast<Real>(winding.d) * winding.d;
    const Real b = Real{40} * winding.p * inductance;
    const Real c = Real{18} * winding.d * inductance;
    return (b + std::sqrt(b * b + 4 * a * c)) / (2 * a);
}

// The half-turn steps the search from the root may take, all told; a
// search that needs more fails.
class StepBudget {
  public:
    bool Take() {
        if (left_ == 0) {
            spent_ = true;
            return false;
        }
        --left_;
        return true;
    }
    bool spent() const { return spent_; }

  private:
    int left_ = 255;
    bool spent_ = false;
};

// The first half-turn count, searching upwards from near `root`, whose L(n)
// is not below the requirement. Where the counts grow so large that the
// computed L(n) no longer rises with every half turn, the search's first
// crossing can lie a half turn or two before a later one. So: step down
// from the root until L(n) is below the requirement, a margin further, then
// step up to the first count whose L(n) is not below it, as the search from
// zero does.
double FirstCountNotBelow(const Winding& winding, double inductance, double root) {
    constexpr double kMargin = 2;  // turns: four half turns
    StepBudget budget;
    double n = std::max(0.0, std::floor(root * 2) / 2 - kMargin);
    while (n > 0 && winding.Inductance(n) >= inductance) {
        if (!budget.Take()) {
            break;
        }
        n -= 0.5;
    }
    n = std::max(0.0, n - kMargin);
    while (winding.Inductance(n) < inductance) {
        if (!budget.Take()) {
            break;
        }
        n += 0.5;
    }
    if (budget.spent()) {
        model_faults::Raise(Fault::TurnsBeyondCounting);
    }
    return n;
}

}  // namespace

template <class Real>
double CoilTurnsFromRoot(double inductance, double coilDiameter, double turnsPerCm) {
    const Winding winding = WindingOf(coilDiameter, turnsPerCm);
    Finite(inductance, Fault::InductanceRange);
    if (!(inductance > 0)) {
        return 0;  // No winding is needed for a requirement that is not positive.
    }
    const Real root = WheelerRoot<Real>(winding, inductance);
    if (!(root <= static_cast<Real>(kMaxTurns) + 8)) {
        model_faults::Raise(Fault::TurnsBeyondCounting);
    }
    // Whichever of n and n - 0.5 lies closer to the requirement, the lower on
    // a tie.
    const double n = FirstCountNotBelow(winding, inductance, static_cast<double>(root));
    const double upper = winding.Inductance(n);
    const double lower = WheelerInductance(n - 0.5, winding.d, winding.p);
    const double turns = std::abs(inductance - upper) < std::abs(inductance - lower) ? n : n - 0.5;
    if (turns > kMaxTurns) {
        model_faults::Raise(Fault::TurnsBeyondCounting);
    }
    return turns;
}

template double CoilTurnsFromRoot<double>(double, double, double);
template double CoilTurnsFromRoot<long double>(double, double, double);

}  // namespace zephyrod::Module1
