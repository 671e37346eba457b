#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>
#include <sys/wait.h>
#include <thread>

#include "x11_session.h"

namespace zeltavor::e2e {
namespace {

using namespace std::chrono_literals;

// An X server of the test's own, which the test can take away.
class OwnXServer {
public:
    OwnXServer() {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(pipeEnds[0]);
            const std::string fd = std::to_string(pipeEnds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeEnds[1]);
        // The whole line: Xvfb gives up if the pipe closes before its newline.
        std::string number;
        char c;
        while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n') number += c;
        if (!number.empty()) display_ = ":" + number;
        ::close(pipeEnds[0]);
    }
    ~OwnXServer() { GoAway(); }
    const std::string& display() const { return display_; }
    void GoAway() {
        if (pid_ > 0) ::kill(pid_, SIGTERM), ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    std::string display_;
};

TEST(XServerLoss, TheGaugeEndsWithOneClearLine) {
    OwnXServer server;
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    ASSERT_TRUE(PollUntil(5s, [&] { return RunCommand("DISPLAY=" + server.display() + " xprop -root >/dev/null 2>&1"); }))
        << "Xvfb at " << server.display() << " does not answer";
    QTemporaryDir scratch;
    const std::string errors = scratch.filePath("stderr").toStdString();
    GaugeProcess gauge({{"DISPLAY", server.display()}, {"XDG_CONFIG_HOME", scratch.path().toStdString()},
                        {"XDG_RUNTIME_DIR", scratch.path().toStdString()}},
                       {ZELTAVOR_BINARY}, errors);
    const auto Errors = [&] {
        std::ifstream in(errors);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    ASSERT_FALSE(gauge.WaitForExit(3s)) << "the gauge did not keep running: " << Errors();
    server.GoAway();
    EXPECT_EQ(gauge.WaitForExit(10s), 1);  // an exit, not a signal: no core dump
    EXPECT_EQ(Errors(), "zeltavor: Die Verbindung zum X-Server ist abgebrochen; das Programm endet.\n");
}

}  // namespace
}  // namespace zeltavor::e2e
