// Run-time errors of the calculation: a number, its standard description and a
// detail that tells the user what to fix.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "input_fields.h"

namespace zephyrod {

enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// The description that belongs to an error number, e.g. "Division by zero".
std::string_view ErrorDescription(ErrorNumber number);

class CalcError : public std::runtime_error {
  public:
    // `field` names the input at fault when the error concerns one field alone.
    CalcError(ErrorNumber number, std::string detail,
              std::optional<InputField> field = std::nullopt);

    ErrorNumber number() const { return number_; }
    int code() const { return static_cast<int>(number_); }
    std::string_view description() const { return ErrorDescription(number_); }
    const std::string& detail() const { return detail_; }
    std::optional<InputField> field() const { return field_; }

  private:
    ErrorNumber number_;
    std::string detail_;
    std::optional<InputField> field_;
};

// The error's number and description: "Run-time error 11: Division by zero".
std::string ErrorNumberLine(const CalcError& error);

// One line for a report: "Run-time error 11: Division by zero. <detail>"
std::string ErrorLine(const CalcError& error);

[[noreturn]] void Raise(ErrorNumber number, std::string detail,
                        std::optional<InputField> field = std::nullopt);

}  // namespace zephyrod
