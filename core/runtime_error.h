#pragma once
// The run-time error of a computation: an error number and its Japanese
// description. A computing procedure of a screen catches it and reports it with
// the shared error dialog.

#include <cstdint>
#include <stdexcept>
#include <string>

class RuntimeError : public std::runtime_error {
public:
    enum Number : int16_t {
        InvalidArgument = 5,   // square root of a negative number, a bad argument
        Overflow = 6,          // a value beyond the range of its type, 0/0
        DivisionByZero = 11,   // a non-zero value divided by zero
        TypeMismatch = 13,     // a text that is not a number where one is required
    };

    explicit RuntimeError(Number number);

    int16_t number() const { return number_; }
    // The Japanese description shown under the error number.
    const std::string& description() const { return description_; }

    static std::string descriptionOf(Number number);

private:
    int16_t number_;
    std::string description_;
};
