#pragma once

// Where the options live in the settings store.
namespace zeltavor::settings_names {

inline constexpr const char* kApplication = "MEM";
inline constexpr const char* kSection = "Optionen";
inline constexpr const char* kSource = "lblHDRAM.Caption";
inline constexpr const char* kMonitors = "Monis";
inline constexpr const char* kSize = "txtHeight";
inline constexpr const char* kTop = "MEMTOP";
inline constexpr const char* kLeft = "MEMLeft";

}  // namespace zeltavor::settings_names
