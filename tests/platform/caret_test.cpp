// The size box keeps the keyboard focus in both views, but its caret blinks
// only while the panel is in sight: an unseen caret would wake the gauge
// twice a second all day.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>

#include "gauge_window.h"
#include "offscreen_qt.h"

namespace zeltavor::testing {
namespace {

TEST(Caret, BlinksOnlyWhileThePanelIsInSight) {
    OffscreenQt offscreen;
    const int desktopFlashTime = QGuiApplication::styleHints()->cursorFlashTime();
    ASSERT_GT(desktopFlashTime, 0);
    qt::GaugeWindow window(offscreen.platform);
    window.show();
    auto* sizeBox = qobject_cast<QLineEdit*>(window.focusWidget());
    ASSERT_NE(sizeBox, nullptr) << "the size box holds the focus";
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);

    QTest::mousePress(&window, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&window, Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_GT(window.width(), window.height()) << "the options view";
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktopFlashTime);

    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == "weiter") button->click();
    EXPECT_EQ(window.width(), window.height()) << "the gauge view again";
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
    EXPECT_EQ(window.focusWidget(), sizeBox);
}

}  // namespace
}  // namespace zeltavor::testing
