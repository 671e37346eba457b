// The real window on Qt's offscreen platform, over the fake facilities.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>

#include "fakes.h"
#include "gauge_window.h"

namespace zeltavor::testing {
namespace {

// Qt's widgets without an X server, and the window made from the fakes.
struct OffscreenWindow : FakePlatform, ::testing::Test {
    int argc = 1;
    char name[16] = "zeltavor_tests";
    char* argv[2] = {name, nullptr};
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");  // before the application
    QApplication app{argc, argv};
    std::unique_ptr<qt::GaugeWindow> window;

    void Show() {
        window = std::make_unique<qt::GaugeWindow>(platform);
        window->Load();
        window->show();
    }
    void ClickWeiter() {
        for (auto* button : window->findChildren<QPushButton*>())
            if (button->text() == "weiter") button->click();
    }
    static int FlashTime() { return QGuiApplication::styleHints()->cursorFlashTime(); }
};

TEST_F(OffscreenWindow, AnnouncesTheReadingAndNamesEveryControl) {
    Show();  // the fake memory reads 45 %
    QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->text(QAccessible::Name), "Zeltavor");
    EXPECT_EQ(gauge->role(), QAccessible::Indicator);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gauge->text(QAccessible::Value) == "RAM 45 %"; }, 5000))
        << gauge->text(QAccessible::Value).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->form().Timer1.Enabled(); }, 5000)) << "the sweep did not end";
    int named = 0;
    for (int i = 0; i < gauge->childCount(); ++i)
        for (int j = 0; QAccessibleInterface* child = gauge->child(i) ? gauge->child(i)->child(j) : nullptr; ++j)
            named += !child->text(QAccessible::Name).isEmpty();
    EXPECT_EQ(named, 6);
}

// The size box keeps the keyboard focus in both views, but its caret blinks
// only while the panel is in sight: an unseen caret would wake the gauge
// twice a second all day.
TEST_F(OffscreenWindow, TheCaretBlinksOnlyWhileThePanelIsInSight) {
    const int desktopFlashTime = FlashTime();
    ASSERT_GT(desktopFlashTime, 0);
    Show();
    auto* sizeBox = qobject_cast<QLineEdit*>(window->focusWidget());
    ASSERT_NE(sizeBox, nullptr) << "the size box holds the focus";
    EXPECT_EQ(FlashTime(), 0);
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_GT(window->width(), window->height()) << "the options view";
    EXPECT_EQ(FlashTime(), desktopFlashTime);
    ClickWeiter();
    EXPECT_EQ(window->width(), window->height()) << "the gauge view again";
    EXPECT_EQ(FlashTime(), 0);
    EXPECT_EQ(window->focusWidget(), sizeBox);
}

// Typing stops at five digits, yet a longer stored size shows whole: what
// "weiter" saves is what the user saw.
TEST_F(OffscreenWindow, TheBoxesShowTheStoredTextWholeAndHoldTypingToTheirLength) {
    settings.Put("txtHeight", "002220");
    settings.Put("Monis", "001");
    Show();
    const auto boxes = window->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->text(), "002220");
    EXPECT_EQ(boxes[1]->text(), "001");
    boxes[0]->setFocus();
    boxes[0]->selectAll();
    QTest::keyClicks(boxes[0], "1234567");
    EXPECT_EQ(boxes[0]->text(), "12345");
    EXPECT_EQ(window->form().txtHeight.Text, "12345");
    ClickWeiter();
    EXPECT_EQ(boxes[0]->text(), "2500");  // the box shows the corrected size
}

}  // namespace
}  // namespace zeltavor::testing
