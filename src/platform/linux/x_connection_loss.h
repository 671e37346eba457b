#pragma once

namespace zeltavor::linux_platform {

// From before the application is made: when Qt cannot connect to the X
// server after all (the server went, or is too busy), the program ends with
// the German line that there is none and exit status 1, not with Qt's abort.
void SayWhenQtCannotConnect();

// When the X server goes away (the session ends, Xvfb is killed) the program
// ends with one German line on stderr and exit status 1, whichever of its
// connections notices first, instead of Xlib's and Qt's English reports.
void EndQuietlyWhenTheXServerGoes();

}  // namespace zeltavor::linux_platform
