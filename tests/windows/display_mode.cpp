// Sets the display's resolution as a user's display settings do, so that the
// system tells every window with WM_DISPLAYCHANGE.
// Usage: display_mode.exe WIDTH HEIGHT
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = std::atoi(argv[1]);
    mode.dmPelsHeight = std::atoi(argv[2]);
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
