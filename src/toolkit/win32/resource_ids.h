#pragma once

#define IDI_ZELTAVOR 1
#define IDP_DIAL_FACE 101
#define IDP_DOT_FILLED 102
#define IDP_DOT_EMPTY 103
#define IDP_HUB 104
#define IDP_RED_CROSS 105
#define IDP_HAND_CURSOR 106
