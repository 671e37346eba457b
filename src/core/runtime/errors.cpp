#include "runtime/errors.h"

namespace zeltavor {

// Numbers and German texts of the run-time errors the user may be shown.
RuntimeError OverflowError() { return RuntimeError(6, "Überlauf"); }
RuntimeError TypeMismatchError() { return RuntimeError(13, "Typen unverträglich"); }
RuntimeError PathFileAccessError(const std::string& message) { return RuntimeError(75, message); }

std::string ErrorBoxText(const RuntimeError& error) {
    return "Laufzeitfehler '" + std::to_string(error.number()) + "':\n\n" + error.what();
}

std::string ErrorLogLine(const RuntimeError& error) {
    return "zeltavor: Laufzeitfehler " + std::to_string(error.number()) + ": " + error.what() + "\n";
}

}  // namespace zeltavor
