#include "x11_session.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "command.h"

namespace zeltavor::e2e {

GaugeProcess::GaugeProcess(const std::map<std::string, std::string>& extraEnvironment,
                           const std::vector<std::string>& command) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : extraEnvironment) environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    process_.setProcessEnvironment(environment);
    process_.setStandardErrorFile(QProcess::nullDevice());
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) arguments << QString::fromStdString(command[i]);
    process_.start(QString::fromStdString(command[0]), arguments);
    if (!process_.waitForStarted()) throw std::runtime_error("cannot start " + command[0]);
}

GaugeProcess::~GaugeProcess() {
    process_.kill();
    process_.waitForFinished();
}

std::optional<int> GaugeProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(static_cast<int>(timeout.count())))
        return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : 128;
}

std::optional<XWindow> WaitForWindow(pid_t pid, std::chrono::milliseconds timeout, XWindow other) {
    std::optional<XWindow> found;
    PollUntil(timeout, [&] {
        std::istringstream windows(testing::CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid)));
        for (XWindow window; windows >> window;)
            if (window != other) found = window;
        return found.has_value();
    });
    return found;
}

bool RunCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

}  // namespace zeltavor::e2e
