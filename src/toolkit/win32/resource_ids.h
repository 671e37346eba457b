#pragma once

#define IDI_ZELTAVOR 1
