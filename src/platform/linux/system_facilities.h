#pragma once

#include <string>

#include "runtime/platform.h"

// What the program asks of the Linux system besides its readings and stores.
namespace zeltavor::linux_platform {

// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config (the
// account's home folder where $HOME is not absolute).
std::string ConfigHome();

// Where this program's file is; Linux programs carry no extension, so the
// file name is the name to start.
RunningExecutable RunningProgram();

// The number conventions of the user's locale ($LC_ALL, $LC_NUMERIC, $LANG).
NumberLocale SystemNumberLocale();

}  // namespace zeltavor::linux_platform
