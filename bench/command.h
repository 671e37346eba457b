#pragma once

#include <cstdio>
#include <string>

// What the tests ask of the system's own tools.
namespace zeltavor::testing {

// The standard output of a shell command.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    if (pipe != nullptr) ::pclose(pipe);
    return output;
}

}  // namespace zeltavor::testing
