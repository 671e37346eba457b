// What an X server or a busy machine may do that Xvfb cannot, preloaded into
// the program and chosen by $X_FAULT:
//   no-shape       the server has no SHAPE extension;
//   refuse-second  every connection after the first fails: Qt's own, after
//                  the program's check.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcbext.h>

static int Fault(const char* name) {
    const char* fault = getenv("X_FAULT");
    return fault != NULL && strcmp(fault, name) == 0;
}

// libxcb asks this too before it sends an extension's request.
const xcb_query_extension_reply_t* xcb_get_extension_data(xcb_connection_t* c, xcb_extension_t* extension) {
    static const xcb_query_extension_reply_t absent;
    const xcb_query_extension_reply_t* (*real)(xcb_connection_t*, xcb_extension_t*) = dlsym(RTLD_NEXT, __func__);
    return Fault("no-shape") && strcmp(extension->name, "SHAPE") == 0 ? &absent : real(c, extension);
}

void* XOpenDisplay(const char* name) {
    static int calls;
    void* (*real)(const char*) = dlsym(RTLD_NEXT, __func__);
    return Fault("refuse-second") && ++calls > 1 ? NULL : real(name);
}
