#pragma once
// The failure classes raised by the number conversions and the model.
// Every failure carries a fixed message; the window shows it in an error box
// (with a period appended, see the error box rule in the app layer).

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
MORVANE_FAILURE_CLASS(EIntError, EExternal)
#undef MORVANE_FAILURE_CLASS

// Integer faults: each has one fixed message.
#define MORVANE_INT_FAILURE(Name, Text)                                    \
    class Name : public EIntError {                                        \
    public:                                                                \
        Name() : EIntError(Text) {}                                        \
        const char* className() const noexcept override { return #Name; } \
    };

MORVANE_INT_FAILURE(EDivByZero, "Division by zero")
MORVANE_INT_FAILURE(EIntOverflow, "Integer overflow")
#undef MORVANE_INT_FAILURE

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
MORVANE_MATH_FAILURE(EUnderflow, "Floating point underflow")
#undef MORVANE_MATH_FAILURE

}  // namespace morvane
