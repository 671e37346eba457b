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
    for (int i = 0; i < gauge->childCount(); ++i) named += !gauge->child(i)->text(QAccessible::Name).isEmpty();
    EXPECT_EQ(named, 6);
}

// A longer stored size shows whole, typing stops at five digits, and what
// "weiter" saves is what the user saw. The size box keeps the keyboard focus
// in both views, but its caret blinks only while the panel is in sight: an
// unseen caret would wake the gauge twice a second all day.
TEST_F(OffscreenWindow, TheBoxesHoldTypingToTheirLengthAndTheCaretBlinksOnlyInSight) {
    const int desktopFlashTime = FlashTime();
    ASSERT_GT(desktopFlashTime, 0);
    settings.Put("txtHeight", "002220");
    settings.Put("Monis", "001");
    Show();
    auto* sizeBox = qobject_cast<QLineEdit*>(window->focusWidget());
    ASSERT_NE(sizeBox, nullptr) << "the size box holds the focus";
    EXPECT_EQ(FlashTime(), 0);
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_GT(window->width(), window->height()) << "the options view";
    EXPECT_EQ(FlashTime(), desktopFlashTime);
    const auto boxes = window->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->text() + " " + boxes[1]->text(), "002220 001");
    sizeBox->selectAll();
    QTest::keyClicks(sizeBox, "1234567");
    EXPECT_EQ(sizeBox->text().toStdString() + " " + window->form().txtHeight.Text, "12345 12345");
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == "weiter") button->click();
    EXPECT_EQ(window->width(), window->height()) << "the gauge view again";
    EXPECT_EQ(sizeBox->text(), "2500");  // the box shows the corrected size
    EXPECT_EQ(FlashTime(), 0);
    EXPECT_EQ(window->focusWidget(), sizeBox);
}

}  // namespace
}  // namespace zeltavor::testing
