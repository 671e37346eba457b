// The instrument as a screen reader sees it, through Qt's accessibility
// interface, on the offscreen platform.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "gauge_window.h"
#include "offscreen_qt.h"

namespace zeltavor::testing {
namespace {

TEST(Accessibility, TheWindowAnnouncesTheReading) {
    OffscreenQt offscreen;  // the fake memory reads 45 %
    qt::GaugeWindow window(offscreen.platform);
    window.Load();
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
