#include <windows.h>

#include "gauge_window.h"
#include "win32_facilities.h"
#include "win32_screen.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zeltavor::win32::Win32Screen screen;  // the manifest has each monitor's density reported as it is
    zeltavor::win32_platform::Win32Facilities facilities;
    zeltavor::Platform platform = facilities.With(screen);
    zeltavor::win32::GaugeWindow window(platform);
    screen.SetWindow(window.handle());
    window.Load();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateKey(message)) continue;
        if (IsDialogMessageW(window.handle(), &message)) continue;  // Tab through the panel
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
