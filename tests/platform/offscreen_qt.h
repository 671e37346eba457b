#pragma once

#include <QApplication>

#include "../core/fakes.h"

namespace zeltavor::testing {

// Qt's widgets on its offscreen platform (no X server needed), over the fake
// facilities; a test makes the real window from `platform`.
struct OffscreenQt : FakePlatform {
    int argc = 1;
    char name[16] = "zeltavor_tests";
    char* argv[2] = {name, nullptr};
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");  // before the application
    QApplication app{argc, argv};
};

}  // namespace zeltavor::testing
