#pragma once
// The failure classes raised by the number conversions and the model.
// Every failure carries a fixed message; the window's error box and
// morvane-calc show it with withClosingPeriod().

#include <stdexcept>
#include <string>

namespace morvane {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }
    // The class name as the "Application Error" box prints it.
    virtual const char* className() const noexcept { return "Exception"; }

private:
    std::string message_;
};

#define MORVANE_FAILURE_CLASS(Name, Base)                                  \
    class Name : public Base {                                             \
    public:                                                                \
        using Base::Base;                                                  \
        const char* className() const noexcept override { return #Name; } \
    };

MORVANE_FAILURE_CLASS(EConvertError, Exception)
MORVANE_FAILURE_CLASS(EExternal, Exception)
MORVANE_FAILURE_CLASS(EMathError, EExternal)
#undef MORVANE_FAILURE_CLASS

// Floating-point faults: each has one fixed message.
#define MORVANE_MATH_FAILURE(Name, Text)                                   \
    class Name : public EMathError {                                       \
    public:                                                                \
        Name() : EMathError(Text) {}                                       \
        const char* className() const noexcept override { return #Name; } \
    };

MORVANE_MATH_FAILURE(EZeroDivide, "Floating point division by zero")
MORVANE_MATH_FAILURE(EInvalidOp, "Invalid floating point operation")
MORVANE_MATH_FAILURE(EOverflow, "Floating point overflow")
#undef MORVANE_MATH_FAILURE

// The text shown for a failure: its message, with "." appended when the
// message is not empty and its last byte sorts after "." (letters, digits,
// "/", ":" and every byte of a multibyte character gain a period; a message
// ending in ".", a space, "'", ")" or "!" does not).
//   "Floating point division by zero" -> "Floating point division by zero."
//   "Done." -> "Done."      "Odd)" -> "Odd)"      "" -> ""
inline std::string withClosingPeriod(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

}  // namespace morvane
