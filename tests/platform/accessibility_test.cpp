// The instrument as a screen reader sees it, through Qt's accessibility
// interface, on the offscreen platform.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "../core/fakes.h"
#include "gauge_window.h"

namespace zeltavor::testing {
namespace {

TEST(Accessibility, TheWindowAnnouncesTheReading) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "accessibility_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    FakeScreen screen;
    FakeMemory memory;  // 45 %
    FakeDrives drives;
    FakeKeys keys;
    FakeSettings settings;
    FakeAutostart autostart;
    Platform platform{screen, memory, drives, keys, settings, autostart, {"."}};
    qt::GaugeWindow window(platform);
    window.show();

    QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->text(QAccessible::Name), "Zeltavor");
    EXPECT_EQ(gauge->role(), QAccessible::Indicator);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gauge->text(QAccessible::Value) == "RAM 45 %"; }, 5000))
        << gauge->text(QAccessible::Value).toStdString();

    // Every box and button of the panel has a name to announce.
    int named = 0;
    for (int i = 0; i < gauge->childCount(); ++i)
        for (int j = 0; QAccessibleInterface* child = gauge->child(i) ? gauge->child(i)->child(j) : nullptr; ++j)
            named += !child->text(QAccessible::Name).isEmpty();
    EXPECT_EQ(named, 6);
}

}  // namespace
}  // namespace zeltavor::testing
