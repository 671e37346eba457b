#include <QApplication>

#include "drives.h"
#include "gauge_window.h"
#include "key_state.h"
#include "memory_status.h"
#include "process_start.h"
#include "qt_screen.h"
#include "settings_store.h"
#include "system_facilities.h"
#include "termination_signals.h"
#include "x_connection_loss.h"
#include "xdg_autostart.h"

int main(int argc, char** argv) {
    if (const auto status = zeltavor::linux_platform::EndBeforeTheWindow(argc, argv)) return *status;
    zeltavor::linux_platform::BlockTerminationSignals();
    zeltavor::qt::SayWhenQtCannotConnect();
    QApplication app(argc, argv);
    zeltavor::qt::EndQuietlyWhenTheXServerGoes();
    zeltavor::qt::QtScreen screen;
    zeltavor::linux_platform::LinuxMemoryStatus memory;
    zeltavor::linux_platform::LinuxDrives drives;
    zeltavor::linux_platform::X11KeyState keys;
    // The same folder as the autostart entry's, whatever Qt would make of the environment.
    zeltavor::linux_platform::QtSettingsStore settings(QString::fromStdString(zeltavor::linux_platform::ConfigHome()));
    zeltavor::linux_platform::XdgAutostart autostart;
    zeltavor::Platform platform{screen, memory, drives, keys, settings, autostart,
                                zeltavor::linux_platform::SystemNumberLocale()};

    zeltavor::qt::GaugeWindow window(platform);
    screen.SetWindow(window);
    const zeltavor::linux_platform::CloseOnTerminationSignals closeOnSignals(
        [&window] { QMetaObject::invokeMethod(&window, [&window] { window.close(); }, Qt::QueuedConnection); });
    window.Load();  // after the signals are watched: a start-up error's box must not hold off a logout
    window.show();
    return app.exec();
}
