#include "process_start.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "command_line.h"
#include "standard_streams.h"
#include "x_server.h"

namespace zeltavor::linux_platform {

std::optional<int> EndBeforeTheWindow(int argc, char** argv) {
    MakeStandardStreamsSafe();
    if (const auto status = AnswerCommandLine(argc, argv)) return status;
    // A Wayland client can neither place itself nor stay on top: X11 (XWayland).
    const char* toolkitPlatform = std::getenv("QT_QPA_PLATFORM");
    if (toolkitPlatform == nullptr || *toolkitPlatform == '\0') ::setenv("QT_QPA_PLATFORM", toolkitPlatform = "xcb", 1);
    if (std::string_view(toolkitPlatform) != "xcb") return std::nullopt;
    const auto why = WhyNoXServer();
    if (!why) return std::nullopt;
    std::fputs(why->c_str(), stderr);
    return 1;
}

}  // namespace zeltavor::linux_platform
