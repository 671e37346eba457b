#pragma once

#include "drives.h"
#include "key_state.h"
#include "memory_status.h"
#include "settings_store.h"
#include "system_facilities.h"
#include "xdg_autostart.h"

namespace zeltavor::linux_platform {

// The program's Linux facilities but the screen, which the toolkit measures.
// Made once the X connection is up: the key state listens on it.
struct LinuxFacilities {
    LinuxMemoryStatus memory;
    LinuxDrives drives;
    X11KeyState keys;
    // The same folder as the autostart entry's, whatever Qt would make of the environment.
    QtSettingsStore settings{QString::fromStdString(ConfigHome())};
    XdgAutostart autostart;

    Platform With(Screen& screen) { return {screen, memory, drives, keys, settings, autostart, SystemNumberLocale()}; }
};

}  // namespace zeltavor::linux_platform
