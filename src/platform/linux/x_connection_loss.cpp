#include "x_connection_loss.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "x_server.h"

namespace zeltavor::linux_platform {

namespace {

// Both connections may notice at once: one says it, the other waits for the end.
[[noreturn]] void SayGoodbye() {
    static std::atomic_flag said;
    if (said.test_and_set())
        for (;;) ::pause();
    std::fputs("zeltavor: Die Verbindung zum X-Server ist abgebrochen; das Programm endet.\n", stderr);
    std::_Exit(1);
}

bool connected = false;
xcb_connection_t* qtConnection = nullptr;
QtMessageHandler qtDefault = nullptr;

// Qt reports its broken connection with a warning of its own and then ends
// the program; whatever it says then, the connection's state tells why.
void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!connected && type == QtFatalMsg) {
        std::fputs(NoXServerLine().c_str(), stderr);
        std::_Exit(1);
    }
    if (qtConnection != nullptr && xcb_connection_has_error(qtConnection)) SayGoodbye();
    qtDefault(type, context, message);
}

}  // namespace

void SayWhenQtCannotConnect() { qtDefault = qInstallMessageHandler(OnQtMessage); }

void EndQuietlyWhenTheXServerGoes() {
    connected = true;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) qtConnection = x11->connection();
    OnXServerLoss(SayGoodbye);
}

}  // namespace zeltavor::linux_platform
