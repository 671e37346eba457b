// The real window on Qt's offscreen platform, over the fake facilities.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
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
};

// Keys typed in the gauge view reach the size box, which is hidden there:
// nothing outside the window is shown, nor does its caret wake the program.
// A longer stored size shows whole, typing stops at five digits, and what
// "weiter" saves is what the user saw.
TEST_F(OffscreenWindow, TheSizeBoxTakesKeysSeenAndUnseenUpToItsLength) {
    settings.Put("txtHeight", "002220");
    Show();
    const auto boxes = window->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 2);
    QLineEdit* sizeBox = boxes[0];
    EXPECT_EQ(sizeBox->text(), "002220");
    EXPECT_FALSE(sizeBox->isVisibleTo(window.get()));
    for (int i = 0; i < 6; ++i) QTest::keyClick(window.get(), Qt::Key_Backspace);
    QTest::keyClicks(window.get(), "15x");
    EXPECT_EQ(window->form().txtHeight.Text, "15");
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_GT(window->width(), window->height()) << "the options view";
    EXPECT_TRUE(sizeBox->isVisibleTo(window.get()) && window->focusWidget() == sizeBox);
    sizeBox->selectAll();
    QTest::keyClicks(sizeBox, "1234567");
    EXPECT_EQ(sizeBox->text().toStdString() + " " + window->form().txtHeight.Text, "12345 12345");
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == "weiter") button->click();
    EXPECT_EQ(window->width(), window->height()) << "the gauge view again";
    EXPECT_EQ(sizeBox->text(), "2500");  // the box shows the corrected size
    EXPECT_FALSE(sizeBox->isVisibleTo(window.get()));
}

}  // namespace
}  // namespace zeltavor::testing
