#include "app/errors.h"

namespace zeltavor {

// Numbers and German texts of the run-time errors the user may be shown.
RuntimeError OverflowError() { return RuntimeError(6, "Überlauf"); }
RuntimeError TypeMismatchError() { return RuntimeError(13, "Typen unverträglich"); }
RuntimeError DivisionByZeroError() { return RuntimeError(11, "Division durch Null"); }

}  // namespace zeltavor
