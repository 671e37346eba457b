#include "qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace zeltavor::qt {

namespace {
const QScreen& Primary() { return *QGuiApplication::primaryScreen(); }
}  // namespace

const QScreen& QtScreen::WindowScreen() const {
    return window_ != nullptr && window_->screen() != nullptr ? *window_->screen() : Primary();
}

float QtScreen::TwipsPerPixelX() const { return static_cast<float>(1440.0 / WindowScreen().logicalDotsPerInchX()); }
float QtScreen::TwipsPerPixelY() const { return static_cast<float>(1440.0 / WindowScreen().logicalDotsPerInchY()); }
double QtScreen::DevicePixelRatio() const {
    return WindowScreen().devicePixelRatio();
}
float QtScreen::Width() const { return Primary().geometry().width() * TwipsPerPixelX(); }
float QtScreen::Height() const { return Primary().geometry().height() * TwipsPerPixelY(); }

}  // namespace zeltavor::qt
