#pragma once

#include <cstdio>
#include <sstream>
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

// The share of "/" in use as df counts it (Use% is this, rounded up), and
// df's own Use%; 0 and 0 when df printed nothing.
struct DfFigures {
    double usedShare = 0, percent = 0;
};
inline DfFigures DfOfRoot() {
    std::istringstream df(CommandOutput("LC_ALL=C df -B1 --output=used,avail,pcent /"));
    std::string header;
    double used = 0, available = 0, percent = 0;
    std::getline(df, header);
    df >> used >> available >> percent;
    return {used + available > 0 ? 100 * used / (used + available) : 0, percent};
}

}  // namespace zeltavor::testing
