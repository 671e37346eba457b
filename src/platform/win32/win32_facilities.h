#pragma once

#include "registry_stores.h"
#include "system_facilities.h"

namespace zeltavor::win32_platform {

// The program's Windows facilities but the screen, which the window measures.
struct Win32Facilities {
    Win32MemoryStatus memory;
    Win32Drives drives;
    Win32KeyState keys;
    RegistrySettingsStore settings;
    RunKeyAutostart autostart;

    Platform With(Screen& screen) { return {screen, memory, drives, keys, settings, autostart, UserNumberLocale()}; }
};

}  // namespace zeltavor::win32_platform
