#pragma once

#include <optional>

namespace zeltavor::linux_platform {

// What is settled before the toolkit starts: the standard streams made safe,
// the command line answered, X11 chosen and its server asked. The exit
// status when the program ends here, nothing when the window is to come.
std::optional<int> EndBeforeTheWindow(int argc, char** argv);

}  // namespace zeltavor::linux_platform
