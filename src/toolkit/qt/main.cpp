#include <QApplication>

#include "gauge_window.h"
#include "linux_facilities.h"
#include "process_start.h"
#include "qt_screen.h"
#include "termination_signals.h"
#include "x_connection_loss.h"

int main(int argc, char** argv) {
    if (const auto status = zeltavor::linux_platform::EndBeforeTheWindow(argc, argv)) return *status;
    zeltavor::linux_platform::BlockTerminationSignals();
    zeltavor::linux_platform::SayWhenQtCannotConnect();
    QApplication app(argc, argv);
    zeltavor::linux_platform::EndQuietlyWhenTheXServerGoes();
    zeltavor::qt::QtScreen screen;
    zeltavor::linux_platform::LinuxFacilities facilities;
    zeltavor::Platform platform = facilities.With(screen);

    zeltavor::qt::GaugeWindow window(platform);
    screen.SetWindow(window);
    const zeltavor::linux_platform::CloseOnTerminationSignals closeOnSignals(
        [&window] { QMetaObject::invokeMethod(&window, [&window] { window.close(); }, Qt::QueuedConnection); });
    window.Load();  // after the signals are watched: a start-up error's box must not hold off a logout
    window.show();
    return app.exec();
}
