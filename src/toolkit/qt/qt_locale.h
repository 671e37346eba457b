#pragma once

#include "app/conversions.h"

namespace zeltavor::qt {

// The number conventions of the user's locale ($LC_ALL, $LC_NUMERIC, $LANG).
NumberLocale SystemNumberLocale();

}  // namespace zeltavor::qt
