#include "calc_error.h"

#include "number_text.h"

namespace zephyrod {

std::string_view ErrorDescription(ErrorNumber number) {
    switch (number) {
        case ErrorNumber::InvalidArgument:
            return "Invalid procedure call or argument";
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::DivisionByZero:
            return "Division by zero";
        case ErrorNumber::TypeMismatch:
            return "Type mismatch";
    }
    return "Unknown error";
}

CalcError::CalcError(ErrorNumber number, std::string detail, std::optional<InputField> field)
    : std::runtime_error(std::string(ErrorDescription(number))),
      number_(number),
      detail_(std::move(detail)),
      field_(field) {}

std::string ErrorNumberLine(const CalcError& error) {
    std::string line = "Run-time error ";
    line += IntegerText(error.code());
    line += ": ";
    line += error.description();
    return line;
}

std::string ErrorLine(const CalcError& error) {
    std::string line = ErrorNumberLine(error);
    if (!error.detail().empty()) {
        line += ". ";
        line += error.detail();
    }
    return line;
}

void Raise(ErrorNumber number, std::string detail, std::optional<InputField> field) {
    throw CalcError(number, std::move(detail), field);
}

}  // namespace zephyrod
