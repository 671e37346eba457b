#pragma once

class QWidget;

namespace zeltavor::qt {

// SIGTERM, SIGHUP and SIGINT (a logout, a kill, a closed terminal) close the
// window like the window manager would, so the options are saved on the way out.
void CloseOnTerminationSignals(QWidget& window);

}  // namespace zeltavor::qt
