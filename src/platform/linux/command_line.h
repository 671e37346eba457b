#pragma once

#include <optional>

namespace zeltavor::linux_platform {

// Answers --help and --version, and refuses anything else on the command
// line, before any window or X server is asked for; the exit status when the
// program is to end here, nothing when the gauge is to start.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace zeltavor::linux_platform
