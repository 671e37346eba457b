#pragma once

#include <optional>
#include <string>

namespace zeltavor::linux_platform {

// Connects to $DISPLAY as Qt will: nothing when that works and the screen
// has true colours, otherwise the one line that says why not (no server, one
// that refused access, too few colours) and what to do. Qt's X11 back-end
// would abort or crash instead.
std::optional<std::string> WhyNoXServer();

// The line for a connection that failed; the server's own reason, if it gave one.
std::string NoXServerLine(const std::string& refusal = {});

// Called instead of Xlib's report when a connection of this process to the
// X server breaks; it must not return.
void OnXServerLoss(void (*handler)());

}  // namespace zeltavor::linux_platform
