#include "x_connection_loss.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "x_server.h"

namespace zeltavor::qt {

namespace {

[[noreturn]] void SayGoodbye() {
    std::fputs("zeltavor: Die Verbindung zum X-Server ist abgebrochen; das Programm endet.\n", stderr);
    std::_Exit(1);
}

QtMessageHandler qtDefault = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("The X11 connection broke")) SayGoodbye();
    qtDefault(type, context, message);
}

}  // namespace

void EndQuietlyWhenTheXServerGoes() {
    qtDefault = qInstallMessageHandler(OnQtMessage);
    linux_platform::OnXServerLoss(SayGoodbye);
}

}  // namespace zeltavor::qt
