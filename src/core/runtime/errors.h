#pragma once

#include <stdexcept>
#include <string>

namespace zeltavor {

// A run-time error as the handlers know it: it ends the running handler, is
// reported to the user with its message, and ends the program. Only the
// Resize handling swallows it, statement by statement.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

RuntimeError OverflowError();
RuntimeError TypeMismatchError();
// A file or store that refused a write, with the message that says why.
RuntimeError PathFileAccessError(const std::string& message);

// What the user is told of one: the message box's text, and the line that
// goes to standard error (also when nobody is there to read the box).
std::string ErrorBoxText(const RuntimeError& error);
std::string ErrorLogLine(const RuntimeError& error);

}  // namespace zeltavor
