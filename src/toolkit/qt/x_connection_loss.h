#pragma once

namespace zeltavor::qt {

// When the X server goes away (the session ends, Xvfb is killed) the program
// ends with one German line on stderr and exit status 1, whichever of its
// connections notices first, instead of Xlib's and Qt's English reports.
void EndQuietlyWhenTheXServerGoes();

}  // namespace zeltavor::qt
